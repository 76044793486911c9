#pragma once

// X as the window's routines share it: the format of the current kind, and X4, X8 or X16 of
// COMUN as a storage word. Here the window's integers meet the core's typed keys: KIND_REAL
// becomes a row of the format table, once.

#include "model/format_traits.hpp"
#include "numeric/storage_word.hpp"

namespace binora {

// The format of KIND_REAL. Start-up sets 4 and only the kind radios change it, always to a
// kind of the table; the load-time 0 (before start-up) reads as start-up's binary32.
const FormatTraits& current_format();

// The storage word of X of one of the window's formats (X4, X8 or X16).
Word128 word_of_x(const FormatTraits& format);

// Stores `word` (its low storage-width bits) unchanged as X of the format.
void set_x(const FormatTraits& format, Word128 word);

} // namespace binora
