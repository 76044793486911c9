#include "cli/output_formats.hpp"

#include <cstdint>

namespace binora::cli {

namespace {

constexpr std::string_view REPLACEMENT_CHARACTER = "\xEF\xBF\xBD";

// The length of the well-formed UTF-8 sequence at the start of `text`, 0 if there is none
// (stray continuation byte, overlong form, surrogate, beyond U+10FFFF, cut short).
std::size_t utf8_sequence_length(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
    const std::uint8_t lead = byte(0);
    if (lead < 0x80) return 1;
    std::size_t length = 0;
    std::uint8_t low = 0x80; // bounds of the second byte
    std::uint8_t high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (text.size() < length) return 0;
    if (byte(1) < low || byte(1) > high) return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
    return length;
}

void append_control_escape(std::string& out, char c) {
    static constexpr char hex[] = "0123456789abcdef";
    const auto value = static_cast<std::uint8_t>(c);
    out += "\\u00";
    out += hex[value >> 4];
    out += hex[value & 0x0F];
}

// Printable ASCII other than the quote and the backslash: as it is inside a JSON string.
bool is_plain(char c) {
    return c >= 0x20 && c < 0x7F && c != '"' && c != '\\';
}

} // namespace

void append_json_string(std::string& out, std::string_view text) {
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t plain_end = at;
        while (plain_end < text.size() && is_plain(text[plain_end]))
            ++plain_end;
        out.append(text.substr(at, plain_end - at));
        at = plain_end;
        if (at == text.size()) break;
        const char c = text[at];
        const std::size_t length = utf8_sequence_length(text.substr(at));
        if (length == 0) {
            out += REPLACEMENT_CHARACTER;
            ++at;
            continue;
        }
        if (length > 1) {
            out += text.substr(at, length);
        } else if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c == '\r') {
            out += "\\r";
        } else if (static_cast<std::uint8_t>(c) < 0x20) {
            append_control_escape(out, c);
        } else {
            out += c;
        }
        at += length;
    }
}

void append_json(std::string& out, const ReadOut& read_out, Columns columns) {
    out += '{';
    for (std::size_t i = 0; i < columns.size(); ++i) {
        out += i == 0 ? "\"" : ",\"";
        out += column_name(columns[i]);
        out += "\":\"";
        // Only the input needs escaping (read_out.hpp).
        if (columns[i] == COL_INPUT)
            append_json_string(out, read_out[columns[i]]);
        else
            out += read_out[columns[i]];
        out += '"';
    }
    out += "}\n";
}

} // namespace binora::cli
