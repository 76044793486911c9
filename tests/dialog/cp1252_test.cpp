#include "dialog/cp1252.hpp"

#include <gtest/gtest.h>

namespace binora::testing {
namespace {

TEST(Cp1252, CodePointsOfTheSpecialRangeBothWays) {
    struct Row {
        unsigned char byte;
        char32_t code_point;
    };
    const Row rows[] = {{0x41, U'A'},   {0x85, 0x2026}, {0x80, 0x20AC}, {0x9F, 0x0178},
                        {0x81, 0x0081}, {0xA0, 0x00A0}, {0xE9, 0x00E9}, {0xFF, 0x00FF}};
    for (const auto& row : rows) {
        EXPECT_EQ(cp1252_decode(row.byte), row.code_point) << int{row.byte};
        EXPECT_EQ(static_cast<unsigned char>(cp1252_encode(row.code_point)), row.byte);
    }
    EXPECT_EQ(cp1252_encode(0x4E2D), '?') << "a character the code page lacks";
}

TEST(Cp1252, FileNamesFromUtf8) {
    EXPECT_EQ(cp1252_from_utf8("/tmp/plain.txt"), "/tmp/plain.txt");
    EXPECT_EQ(cp1252_from_utf8("/tmp/\xC8\x99tiin\xC8\x9B\x65/r\xC3\xA9sum\xC3\xA9.txt"),
              "/tmp/?tiin?e/r\xE9sum\xE9.txt");
    EXPECT_EQ(cp1252_from_utf8("a\xE2\x80\xA6z"), "a\x85z");
    EXPECT_EQ(cp1252_from_utf8("bad\xC3"), "bad?") << "a cut sequence";
    EXPECT_EQ(cp1252_from_utf8("\xFFx"), "?x");
    EXPECT_EQ(cp1252_from_utf8("\xF0\x9F\x98\x80"), "?") << "outside the code page";
}

} // namespace
} // namespace binora::testing
