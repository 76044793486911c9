#include "dialog/dialog_operations.hpp"
#include "model/fixed_text.hpp"
#include "parameter_dialog_test.hpp"
#include "resources/resource.hpp"
#include "state/comun.hpp"
#include "test_words.hpp"

#include <gtest/gtest.h>

#include <string>

namespace binora::testing {
namespace {

constexpr int X_PLUS_ROW = 4;
constexpr int X_MINUS_ROW = 5;

using NeighbourRows = ParameterDialogTest;

struct Row {
    const char* what;
    int kind;
    Word128 x;
    int row;
    bool binary;
    bool romanian;
    const char* text;
    const char* caption;
};

const std::uint64_t ones = ~std::uint64_t{0};
const Word128 binary128_one = word128(0x3FFF000000000000U, 0);
const char* const decimal_above = "      Nearest, > X";
const char* const decimal_below = "      Nearest, < X";
const char* const binary32_above = "      Nearest > X  (S_Exp_Sig)";
const char* const binary32_below = "      Nearest < X  (S_Exp_Sig)";

const Row rows[] = {
    {"1.0", 4, 0x3F800000U, X_PLUS_ROW, false, true, "1.0000001E+00", decimal_above},
    {"1.0", 4, 0x3F800000U, X_MINUS_ROW, false, false, "9.9999994E-01", decimal_below},
    {"1.0", 8, 0x3FF0000000000000U, X_PLUS_ROW, false, true, "1.0000000000000002D+00",
     decimal_above},
    {"1.0", 8, 0x3FF0000000000000U, X_MINUS_ROW, false, true, "9.9999999999999989D-01",
     decimal_below},
    {"1.0", 16, binary128_one, X_PLUS_ROW, false, true, "1.000000000000000000000000000000000D+000",
     decimal_above},
    {"1.0", 16, binary128_one, X_MINUS_ROW, false, true, "9.999999999999999999999999999999999D-001",
     decimal_below},
    {"0.1", 4, 0x3DCCCCCDU, X_PLUS_ROW, true, true, "0_01111011_10011001100110011001110",
     binary32_above},
    {"0.1", 4, 0x3DCCCCCDU, X_MINUS_ROW, true, false, "0_01111011_10011001100110011001100",
     binary32_below},
    {"+0", 4, 0x00000000U, X_PLUS_ROW, false, true, "1.4012985E-45", decimal_above},
    {"+0", 4, 0x00000000U, X_MINUS_ROW, false, true, "-1.4012985E-45", decimal_below},
    {"-0", 4, 0x80000000U, X_PLUS_ROW, false, true, "1.4012985E-45", decimal_above},
    {"-0", 4, 0x80000000U, X_MINUS_ROW, false, true, "-1.4012985E-45", decimal_below},
    {"+0", 4, 0x00000000U, X_PLUS_ROW, true, true, "0_00000000_00000000000000000000001",
     binary32_above},
    {"-0", 4, 0x80000000U, X_MINUS_ROW, true, true, "1_00000000_00000000000000000000001",
     binary32_below},
    {"largest finite", 4, 0x7F7FFFFFU, X_PLUS_ROW, false, true, "Infinity", decimal_above},
    {"largest finite", 4, 0x7F7FFFFFU, X_PLUS_ROW, true, true, "0_11111111_00000000000000000000000",
     binary32_above},
    {"negative largest finite", 4, 0xFF7FFFFFU, X_MINUS_ROW, false, true, "-Infinity",
     decimal_below},
    {"largest finite", 8, 0x7FEFFFFFFFFFFFFFU, X_MINUS_ROW, false, true, "1.7976931348623155D+308",
     decimal_below},
    {"smallest subnormal", 8, 0x0000000000000001U, X_MINUS_ROW, false, true,
     "0.0000000000000000D+00", decimal_below},
    {"negative smallest subnormal", 16, word128(0x8000000000000000U, 1), X_PLUS_ROW, false, true,
     "-0.000000000000000000000000000000000D+000", decimal_above},
    {"+0", 16, 0, X_MINUS_ROW, false, true, "-6.475175119438025110924438958227647D-4966",
     decimal_below},
    {"negative largest finite", 16, word128(0xFFFEFFFFFFFFFFFFU, ones), X_PLUS_ROW, false, true,
     "-1.189731495357231765085759326628007D+4932", decimal_above},
    {"1.0", 8, 0x3FF0000000000000U, X_PLUS_ROW, true, false, "0_01111111111_...0000000000000001",
     "Nearest > X; Significand: last 16 bits"},
    {"1.0", 8, 0x3FF0000000000000U, X_PLUS_ROW, true, true, "0_01111111111_...0000000000000001",
     "Nearest > X; Semnificand: ultimii 16 biti"},
    {"1.0", 8, 0x3FF0000000000000U, X_MINUS_ROW, true, false, "0_01111111110_...1111111111111111",
     "Nearest < X, Significand: last 16 bits"},
    {"1.0", 8, 0x3FF0000000000000U, X_MINUS_ROW, true, true, "0_01111111110_...1111111111111111",
     "Nearest < X, Semnificand: ultimii 16 biti"},
    {"1.0", 16, binary128_one, X_MINUS_ROW, true, false, "0_011111111111110_...1111111111111111",
     "Nearest < X; Significand: last 16 bits"},
    {"1.0", 16, binary128_one, X_MINUS_ROW, true, true, "0_011111111111110_...1111111111111111",
     "Nearest < X; Semnificand: ultimii 16 biti"},
    {"1.0", 16, binary128_one, X_PLUS_ROW, true, false, "0_011111111111111_...0000000000000001",
     "Nearest > X; Significand: last 16 bits"},
    {"largest finite", 16, word128(0x7FFEFFFFFFFFFFFFU, ones), X_PLUS_ROW, true, true,
     "0_111111111111111_...0000000000000000", "Nearest > X; Semnificand: ultimii 16 biti"},
};

TEST_F(NeighbourRows, ShowTheNeighbourAndItsCaption) {
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.kind) + " " + row.what + " row " + std::to_string(row.row) +
                     (row.binary ? " binary" : " decimal") + (row.romanian ? " RO" : " EN"));
        show_value(row.kind, row.x);
        set_binary(row.binary);
        set_language(row.romanian);
        select_row(row.row);
        std::string shown;
        DIALOG_GET_TEXT(dialog(), IDC_NEAREST, shown, 64);
        EXPECT_EQ(shown, pad_to(row.text, 64));
        EXPECT_EQ(text(IDC_NEAREST_LABEL), row.caption);
    }
}

TEST_F(NeighbourRows, CursorReadOutIsCleared) {
    show_value(4, 0x3F800000U);
    for (const int row : {X_PLUS_ROW, X_MINUS_ROW}) {
        DIALOG_SET_TEXT(dialog(), IDC_CURSOR_POS, "12");
        select_row(row);
        EXPECT_EQ(text(IDC_CURSOR_POS), "") << row;
    }
}

} // namespace
} // namespace binora::testing
