#pragma once

// What the value edit makes of a typed text: a storage word of the format, or why there is
// none. Pure functions; the window's routines and binora-cli read values through them.

#include "model/format_traits.hpp"
#include "numeric/storage_word.hpp"

#include <string_view>

namespace binora {

// The message that refuses a typed value, and its caption.
constexpr std::string_view INVALID_VALUE_TEXT = "Invalid Value";
constexpr std::string_view ERROR_CAPTION = "Error";

enum class TypedStatus {
    ok,        // `word` holds the value
    unread,    // fewer than three characters before the trailing blanks: nothing is read yet
    no_number, // a decimal text that begins with a comma or slash: X keeps the value it has
    invalid,   // not a number (decimal_reader.hpp), or it rounds above the largest finite
               // number: the value is refused with INVALID_VALUE_TEXT
};

struct TypedWord {
    TypedStatus status = TypedStatus::invalid;
    Word128 word = 0;     // meaningful only when status is ok
    bool spelled = false; // `word` is the pattern of an infinity or NaN spelling
};

// The stored word of the decimal number at the start of `text` (decimal_reader.hpp: syntax,
// and rounding once to nearest with ties to even, for a narrow format by MPFR); never
// unread.
TypedWord read_decimal_word(const FormatTraits& format, std::string_view text);

// A text typed into the value edit: unread when it is shorter than three characters without
// its trailing blanks; an infinity or NaN spelling (classify.hpp: typed_spelling) gives its
// pattern (format_word.hpp: infinity_word, typed_nan_word; an infinity is invalid in a format
// without infinities); anything else is read as a decimal number.
TypedWord read_typed_value(const FormatTraits& format, std::string_view text);

} // namespace binora
