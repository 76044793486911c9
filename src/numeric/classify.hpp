#pragma once

// The infinity and NaN spellings a typed value may start with. The class of a storage word is
// format_word.hpp's class_of_word. Pure functions.

#include "numeric/format_word.hpp"

#include <string_view>

namespace binora {

// What the first three characters of a typed text spell (a shorter text is read as if
// blank-padded): "NaN", "Nan", "nan", "naN", "+Na", "+na", "-Na", "-na" a NaN, otherwise
// "Inf", "inf", "+In", "+in", "-In", "-in" an infinity; a "-" first makes it negative.
// Nothing else (" inf", "INF", "nAn") is either.
struct TypedSpelling {
    bool is_nan = false;
    bool is_infinity = false; // never together with is_nan
    bool negative = false;    // the text begins with "-", whatever it spells
};
TypedSpelling typed_spelling(std::string_view text);

} // namespace binora
