#pragma once

// The storage word of a value: its bits exactly as stored, sign bit most significant.
// Conversions in both directions keep every bit (NaN payloads, signs of zeros, subnormals).

#include <cstdint>
#include <string_view>

namespace binora {

__extension__ typedef unsigned __int128 Word128;

std::uint32_t word_of(float value);
std::uint64_t word_of(double value);
Word128 word_of(__float128 value);

float binary32_from_word(std::uint32_t word);
double binary64_from_word(std::uint64_t word);
__float128 binary128_from_word(Word128 word);

// The low `bits` bits of `word` as `bits` "0"/"1" characters written at `out`, most
// significant first, with leading zeros (bits = 32, 64 or 128 for a storage word).
void write_bit_string(Word128 word, int bits, char* out);

// The binary digits of `text` read as an unsigned integer, blanks ignored (so the digits of
// a short text move towards the least significant end; only blanks read as 0). Any other
// character than "0", "1" and blank makes the result nothing is promised about; callers
// validate first. Digits beyond 128 shift the oldest ones out.
Word128 word_from_bit_string(std::string_view text);

// The number of hexadecimal digits of a word of `bits` bits: two for each byte it takes (8,
// 16 or 32 for 32, 64, 128 bits; 2 for a word of 6 bits).
constexpr int hex_digits(int bits) {
    return (bits + 7) / 8 * 2;
}

// The low bytes that hold `bits` bits, in upper-case hexadecimal: hex_digits(bits) digits
// written at `out`.
void write_hex_string(Word128 word, int bits, char* out);

} // namespace binora
