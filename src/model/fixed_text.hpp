#pragma once

// Helpers for the fixed-length, blank-padded texts that every routine works with: a text
// variable has a length, assignments pad with blanks or cut, and comparisons and display
// ignore trailing blanks.

#include <cstddef>
#include <string>
#include <string_view>

namespace binora {

// `text` cut to `length` characters or padded with blanks up to it.
std::string pad_to(std::string_view text, std::size_t length);

// `text` cut to `length` characters. A control shows a text without its trailing blanks, so
// writing this shows what writing pad_to(text, length) shows, without the padded copy.
std::string_view cut_to(std::string_view text, std::size_t length);

// `text` without its trailing blanks.
std::string_view trim_right(std::string_view text);

// `text` without its leading blanks.
std::string_view trim_left(std::string_view text);

// `text` without leading and trailing blanks.
std::string_view trim_blanks(std::string_view text);

// `count` copies of `c`.
std::string repeat(char c, std::size_t count);

} // namespace binora
