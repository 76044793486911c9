#include "cli/output_formats.hpp"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace binora::cli {

namespace {

bool is_escaped(char c) {
    return c == '\t' || c == '\n' || c == '\r' || c == '\\';
}

// Whether one of the 16 bytes at `bytes` is below a blank or a backslash (vector compares,
// SSE2 on x86-64).
bool may_hold_escaped(const char* bytes) {
    using Bytes = unsigned char __attribute__((vector_size(16)));
    using Halves = std::uint64_t __attribute__((vector_size(16)));
    Bytes sixteen;
    std::memcpy(&sixteen, bytes, 16);
    const auto hits = reinterpret_cast<Halves>((sixteen < ' ') | (sixteen == '\\'));
    return (hits[0] | hits[1]) != 0;
}

// The position of the first character append_escaped rewrites, or npos. Sixteen bytes at a
// time are passed over while none may be one; a short text, and a block that may hold one,
// are looked at byte by byte.
std::size_t first_escaped(std::string_view text) {
    std::size_t at = 0;
    for (; at + 16 <= text.size(); at += 16)
        if (may_hold_escaped(text.data() + at)) break;
    // The last few: within the last sixteen bytes when the text has sixteen (a copy into a
    // padded block would be read before the copy's stores reach it, a stall each time).
    const bool passed_blocks = at + 16 > text.size();
    if (passed_blocks && text.size() >= 16 && !may_hold_escaped(text.data() + text.size() - 16))
        return std::string_view::npos;
    for (; at < text.size(); ++at)
        if (is_escaped(text[at])) return at;
    return std::string_view::npos;
}

// Writes `text` at `at` and returns the end. A column is mostly a few to a few dozen bytes:
// those are copied in two fixed-size moves that overlap, where a call of memcpy would cost
// more than the copy. An empty view may have no data.
char* copy_text(char* at, std::string_view text) {
    const std::size_t n = text.size();
    const char* from = text.data();
    const auto two_moves = [&](auto word) {
        using Word = decltype(word);
        std::memcpy(&word, from, sizeof word);
        Word last;
        std::memcpy(&last, from + n - sizeof last, sizeof last);
        std::memcpy(at, &word, sizeof word);
        std::memcpy(at + n - sizeof last, &last, sizeof last);
    };
    if (n >= 16 && n <= 32) {
        two_moves(std::array<std::uint64_t, 2>{});
    } else if (n >= 8 && n < 16) {
        two_moves(std::uint64_t{});
    } else if (n >= 4 && n < 8) {
        two_moves(std::uint32_t{});
    } else if (n > 32) {
        std::memcpy(at, from, n);
    } else {
        for (std::size_t i = 0; i < n; ++i)
            at[i] = from[i];
    }
    return at + n;
}

// Writes `text` escaped at `at` (room for twice its length) and returns the end.
char* write_escaped(char* at, std::string_view text) {
    const std::size_t first = first_escaped(text);
    const std::size_t plain = first == std::string_view::npos ? text.size() : first;
    at = copy_text(at, text.substr(0, plain));
    for (std::size_t i = plain; i < text.size(); ++i) {
        const char c = text[i];
        if (!is_escaped(c)) {
            *at++ = c;
            continue;
        }
        *at++ = '\\';
        *at++ = c == '\t' ? 't' : (c == '\n' ? 'n' : (c == '\r' ? 'r' : '\\'));
    }
    return at;
}

} // namespace

void append_escaped(std::string& out, std::string_view text) {
    const std::size_t start = out.size();
    out.resize(start + 2 * text.size());
    char* const end = write_escaped(out.data() + start, text);
    out.resize(static_cast<std::size_t>(end - out.data()));
}

void append_tsv_header(std::string& out, Columns columns) {
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (i != 0) out += '\t';
        out += column_name(columns[i]);
    }
    out += '\n';
}

void append_tsv(std::string& out, const ReadOut& read_out, Columns columns) {
    // Room for the whole line at once: the tabs and the line break, every column, and the
    // input twice over, which escaping at most doubles. Only the input needs escaping
    // (read_out.hpp); the other columns are copied as they are.
    std::size_t room = columns.size();
    for (const Column column : columns)
        room += (column == COL_INPUT ? 2 : 1) * read_out[column].size();
    const std::size_t start = out.size();
    out.resize(start + room);
    char* at = out.data() + start;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (i != 0) *at++ = '\t';
        const std::string_view text = read_out[columns[i]];
        if (columns[i] == COL_INPUT) {
            at = write_escaped(at, text);
        } else {
            at = copy_text(at, text);
        }
    }
    *at++ = '\n';
    out.resize(static_cast<std::size_t>(at - out.data()));
}

} // namespace binora::cli
