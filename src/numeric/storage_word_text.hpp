#pragma once

// Storage words typed as "0x" followed by hexadecimal digits: exactly two for each byte the
// word takes (8, 16 or 32 for binary32, binary64 or binary128, 4 or 2 for the narrow
// formats), at most the largest word of the storage width.

#include "model/format_traits.hpp"
#include "numeric/storage_word.hpp"

#include <optional>
#include <string>
#include <string_view>

namespace binora {

// Whether `text` is meant as a storage word: it begins with "0x" (or "0X").
bool is_storage_word_text(std::string_view text);

// The word of `format` written in `text`, or nothing when the digits after "0x" are not
// exactly hex_digits(storage width) hexadecimal digits (either case) or the word needs more
// bits than the storage width.
std::optional<Word128> parse_storage_word(std::string_view text, const FormatTraits& format);

// Why `text` is not a storage word of the format, as a one-line message.
std::string storage_word_error(std::string_view text, const FormatTraits& format);

} // namespace binora
