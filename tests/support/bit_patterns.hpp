#pragma once

// Bit patterns written as hexadecimal storage words, the way tests state expected values.

#include "dialog/dialog_record.hpp"

#include <string>
#include <string_view>
#include <vector>

namespace binora::testing {

struct Field {
    int edit;
    std::size_t bits;
};

// The bit edits of kind 4, 8 or 16 with their widths, sign first, written out here so that
// tests do not lean on the program's own table of them.
std::vector<Field> fields_of(int kind);

// "0"/"1" text of a hexadecimal word, four characters per digit, most significant first.
std::string bits_of_hex(std::string_view hex);

// Writes the word into the bit edits of kind 4, 8 or 16 (sign, exponent, significand; the
// binary128 significand as 48 + 64 bits).
void put_pattern(DIALOG_RECORD& dialog, int kind, std::string_view hex);

// The storage word of X of kind 4, 8 or 16 as upper-case hexadecimal (8, 16, 32 digits).
std::string hex_of_x(int kind);

} // namespace binora::testing
