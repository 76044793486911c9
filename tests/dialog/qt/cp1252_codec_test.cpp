// The Windows-1252 codec against the code page's published table.

#include "dialog/qt/cp1252_codec.hpp"

#include <gtest/gtest.h>

#include <string>

namespace binora {

namespace {

struct Mapping {
    unsigned char byte;
    char32_t code_point;
};

// Windows-1252 bytes 0x80-0x9F and samples around them, with their Unicode code points
// (unassigned bytes as the C1 control of the same value).
constexpr Mapping TABLE[] = {
    {0x41, 0x0041}, {0x7F, 0x007F}, {0x80, 0x20AC}, {0x81, 0x0081}, {0x82, 0x201A}, {0x83, 0x0192},
    {0x84, 0x201E}, {0x85, 0x2026}, {0x86, 0x2020}, {0x87, 0x2021}, {0x88, 0x02C6}, {0x89, 0x2030},
    {0x8A, 0x0160}, {0x8B, 0x2039}, {0x8C, 0x0152}, {0x8D, 0x008D}, {0x8E, 0x017D}, {0x8F, 0x008F},
    {0x90, 0x0090}, {0x91, 0x2018}, {0x92, 0x2019}, {0x93, 0x201C}, {0x94, 0x201D}, {0x95, 0x2022},
    {0x96, 0x2013}, {0x97, 0x2014}, {0x98, 0x02DC}, {0x99, 0x2122}, {0x9A, 0x0161}, {0x9B, 0x203A},
    {0x9C, 0x0153}, {0x9D, 0x009D}, {0x9E, 0x017E}, {0x9F, 0x0178}, {0xA0, 0x00A0}, {0xE2, 0x00E2},
    {0xFF, 0x00FF},
};

QString from_code_point(char32_t code_point) {
    return QString::fromUcs4(&code_point, 1);
}

TEST(Cp1252Codec, EachByteDecodesToItsCodePointAndBack) {
    for (const Mapping& m : TABLE) {
        const std::string byte(1, static_cast<char>(m.byte));
        EXPECT_EQ(from_cp1252(byte), from_code_point(m.code_point)) << std::hex << int{m.byte};
        EXPECT_EQ(to_cp1252(from_code_point(m.code_point)), byte) << std::hex << int{m.byte};
    }
}

TEST(Cp1252Codec, EveryByteSurvivesARoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    EXPECT_EQ(to_cp1252(from_cp1252(all)), all);
}

TEST(Cp1252Codec, CharactersOutsideTheCodePageBecomeOneQuestionMarkEach) {
    // U+0080 is a C1 control whose byte carries the euro sign; U+1F600 is a surrogate pair.
    for (char32_t code_point : {U'\u0080', U'\u0100', U'\u4E2D', U'\U0001F600'})
        EXPECT_EQ(to_cp1252(QStringLiteral("a") + from_code_point(code_point) + "b"), "a?b")
            << std::hex << static_cast<unsigned>(code_point);
}

TEST(Cp1252Codec, EllipsisInAText) {
    EXPECT_EQ(from_cp1252("Wait\x85"), QString::fromUtf8("Wait\xE2\x80\xA6"));
    EXPECT_EQ(to_cp1252(QString::fromUtf8("Wait\xE2\x80\xA6")), "Wait\x85");
}

} // namespace

} // namespace binora
