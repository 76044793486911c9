// The C99 hexadecimal form against the C library's printf("%a") for binary64 words of every
// class, and for binary32's normal numbers (printf shows a float through its double, whose
// form is the same for them); known forms of the other formats.

#include "numeric/hex_float.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>

namespace binora {
namespace {

std::string form(const FormatTraits& format, Word128 word) {
    char room[HEX_FLOAT_ROOM];
    return std::string(write_hex_float(format, word, room));
}

TEST(HexFloat, AgreesWithPrintfForBinary64AndNormalBinary32) {
    std::mt19937_64 random(17);
    for (int i = 0; i < 20000; ++i) {
        std::uint64_t word = random();
        switch (i % 5) { // zeros, subnormals, infinities and NaNs as often as normal numbers
        case 1:
            word &= 0x800FFFFFFFFFFFFFU;
            break;
        case 2:
            word &= 0x8000000000000000U;
            break;
        case 3:
            word |= 0x7FF0000000000000U;
            break;
        default:
            break;
        }
        double value = 0;
        std::memcpy(&value, &word, sizeof value);
        char expected[64];
        std::snprintf(expected, sizeof expected, "%a", value);
        ASSERT_EQ(form(FORMATS[1], word), expected) << std::hex << word;

        const auto word32 = static_cast<std::uint32_t>(random());
        float single = 0;
        std::memcpy(&single, &word32, sizeof single);
        if (!std::isnormal(single)) continue;
        std::snprintf(expected, sizeof expected, "%a", static_cast<double>(single));
        ASSERT_EQ(form(FORMATS[0], word32), expected) << std::hex << word32;
    }
}

TEST(HexFloat, KnownFormsOfTheOtherFormats) {
    const struct {
        const FormatTraits& format;
        Word128 word;
        const char* form;
    } rows[] = {
        {FORMATS[0], 0x00000001, "0x0.000002p-126"}, // a subnormal keeps Emin
        {NARROW_FORMATS[0], 0x3C01, "0x1.004p+0"},
        {NARROW_FORMATS[0], 0x0001, "0x0.004p-14"},
        {NARROW_FORMATS[0], 0xFC00, "-inf"},
        {NARROW_FORMATS[1], 0x3F80, "0x1p+0"},
        {NARROW_FORMATS[2], 0x7B, "0x1.cp+15"}, // E5M2's largest, 57344
        {NARROW_FORMATS[2], 0x7F, "nan"},
        {NARROW_FORMATS[3], 0x7E, "0x1.cp+8"}, // E4M3's largest, 448
        {NARROW_FORMATS[3], 0xFF, "-nan"},
        {NARROW_FORMATS[3], 0x01, "0x0.2p-6"},
        {FORMATS[2], (Word128{0x3FFF800000000000U} << 64) | 1,
         "0x1.8000000000000000000000000001p+0"},
        {FORMATS[2], Word128{1} << 127, "-0x0p+0"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(form(row.format, row.word), row.form) << row.format.name;
}

} // namespace
} // namespace binora
