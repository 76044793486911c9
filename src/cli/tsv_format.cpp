#include "cli/output_formats.hpp"

#include <cstdint>
#include <cstring>

namespace binora::cli {

namespace {

bool is_escaped(char c) {
    return c == '\t' || c == '\n' || c == '\r' || c == '\\';
}

// The position of the first character append_escaped rewrites, or npos. Eight bytes at a
// time are passed over while none is below a blank or a backslash (the bit tricks of "has a
// byte less than n" and "has a zero byte"); the rest is looked at byte by byte.
std::size_t first_escaped(std::string_view text) {
    constexpr std::uint64_t ONES = 0x0101010101010101U;
    constexpr std::uint64_t HIGH_BITS = 0x8080808080808080U;
    std::size_t at = 0;
    for (; at + 8 <= text.size(); at += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, text.data() + at, 8);
        const std::uint64_t below_blank = (word - ONES * 0x20) & ~word & HIGH_BITS;
        const std::uint64_t no_backslash = word ^ (ONES * '\\');
        const std::uint64_t backslash = (no_backslash - ONES) & ~no_backslash & HIGH_BITS;
        if ((below_blank | backslash) != 0) break;
    }
    for (; at < text.size(); ++at)
        if (is_escaped(text[at])) return at;
    return std::string_view::npos;
}

} // namespace

void append_escaped(std::string& out, std::string_view text) {
    std::size_t at = first_escaped(text);
    if (at == std::string_view::npos) {
        out += text;
        return;
    }
    out.append(text.substr(0, at));
    for (; at < text.size(); ++at) {
        switch (const char c = text[at]) {
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\\':
            out += "\\\\";
            break;
        default:
            out += c;
        }
    }
}

void append_tsv_header(std::string& out) {
    for (std::size_t i = 0; i < COLUMN_NAMES.size(); ++i) {
        if (i != 0) out += '\t';
        out += COLUMN_NAMES[i];
    }
    out += '\n';
}

void append_tsv(std::string& out, const ReadOut& read_out) {
    for (std::size_t i = 0; i < read_out.columns.size(); ++i) {
        if (i != 0) out += '\t';
        append_escaped(out, read_out.columns[i]);
    }
    out += '\n';
}

} // namespace binora::cli
