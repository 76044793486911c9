#pragma once

// Storage words and decimal numbers as tests, fuzz targets and benchmarks write and read them.

#include "numeric/decimal_reader.hpp"
#include "numeric/storage_word.hpp"

#include <string>
#include <string_view>

namespace binora {

// The low `bits` bits of `word` as "0"/"1" characters, most significant first, with leading
// zeros.
std::string bit_string(Word128 word, int bits);

// Upper-case hexadecimal of the low `bits` bits (8, 16 or 32 digits for 32, 64, 128 bits).
std::string hex_string(Word128 word, int bits);

// read_decimal of each window format's type.
inline ReadResult<float> read_binary32(std::string_view text) {
    return read_decimal<float>(text);
}
inline ReadResult<double> read_binary64(std::string_view text) {
    return read_decimal<double>(text);
}
inline ReadResult<__float128> read_binary128(std::string_view text) {
    return read_decimal<__float128>(text);
}

} // namespace binora
