#pragma once

// X of a kind (X4, X8 or X16 of the shared state) as the read-outs need it.

#include "numeric/storage_word.hpp"

#include <string>

namespace binora::cli {

// The storage word of X of kind 4, 8 or 16.
Word128 storage_word_of_x(int kind);

// The exact decimal value of X of kind 4, 8 or 16 (exact_decimal.hpp), written into `text`.
void write_exact_value_of_x(int kind, std::string& text);

} // namespace binora::cli
