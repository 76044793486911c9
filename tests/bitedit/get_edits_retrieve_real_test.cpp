// X rebuilt from the bit edits: short fields, the other kinds' values, an unknown kind. (Full
// patterns of every class are typed through the dialog in typed_patterns_test.cpp.)

#include "bit_patterns.hpp"
#include "bitedit/get_edits_retrieve_real.hpp"
#include "dialog/dialog_operations.hpp"
#include "main_dialog_test.hpp"
#include "resources/resource.hpp"
#include "state/comun.hpp"

#include <string>

namespace binora::testing {
namespace {

class RetrieveReal : public MainDialogTest {
  protected:
    void rebuild(int kind) {
        COMUN.KIND_REAL = kind;
        GETEDITSANDRETRIEVEREAL(dialog(), IDC_S32, EVENT_FOCUS_GAINED);
    }
};

TEST_F(RetrieveReal, OnlyTheCurrentKindChanges) {
    COMUN.X8 = 2.5;
    COMUN.X16 = 3;
    put_pattern(dialog(), 4, "C0000000");
    rebuild(4);
    EXPECT_EQ(COMUN.X4, -2.0F);
    EXPECT_EQ(COMUN.X8, 2.5);
    EXPECT_TRUE(COMUN.X16 == 3);
}

// A short field contributes only its digits: the digits after it move towards the least
// significant end, and the class describes the word that was stored.
TEST_F(RetrieveReal, ShortFieldsAreReadRightAligned) {
    struct Row {
        int kind;
        const char* sign;
        std::string exponent;
        std::string significand;
        std::string extra; // binary128: IDC_F128_64
        const char* hex;
        const char* english;
    };
    const std::string f23(23, '0'), f52(52, '0'), f48(48, '0'), f64(64, '0');
    const Row rows[] = {
        // Seven exponent digits: every bit lands one place lower, the sign bit becomes 0.
        {4, "1", "0111111", "1" + f23.substr(1), "", "5FC00000", "Normalized Number: Real(4)"},
        {4, "1", "1111111", f23, "", "7F800000", "Signed Infinity"},
        {4, "0", "01 11111", "1" + f23.substr(1), "", "1FC00000", "Normalized Number: Real(4)"},
        {4, "", "", "", "", "00000000", "Signed Zero"},
        {4, "", "", "101", "", "00000005", "Denormalized Number"},
        {8, "0", "1111111111", f52, "", "3FF0000000000000", "Normalized Number: Real(8)"},
        {16, "0", std::string(15, '0'), f48, f64.substr(1) + "1",
         "00000000000000000000000000000001", "Denormalized Number"},
        {16, "0", "111111111111111", "1", "", "0000000000000000000000000000FFFF",
         "Denormalized Number"},
    };
    COMUN.LANG = Language::english;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.hex);
        const int sign = row.kind == 4 ? IDC_S32 : row.kind == 8 ? IDC_S64 : IDC_S128;
        const int exponent = row.kind == 4 ? IDC_E32 : row.kind == 8 ? IDC_E64 : IDC_E128;
        const int significand = row.kind == 4 ? IDC_F32 : row.kind == 8 ? IDC_F64 : IDC_F128_48;
        ASSERT_TRUE(DIALOG_SET_TEXT(dialog(), sign, row.sign));
        ASSERT_TRUE(DIALOG_SET_TEXT(dialog(), exponent, row.exponent));
        ASSERT_TRUE(DIALOG_SET_TEXT(dialog(), significand, row.significand));
        if (row.kind == 16) {
            ASSERT_TRUE(DIALOG_SET_TEXT(dialog(), IDC_F128_64, row.extra));
        }
        rebuild(row.kind);
        EXPECT_EQ(hex_of_x(row.kind), row.hex);
        EXPECT_EQ(text(IDC_DATATYPE), row.english);
        EXPECT_EQ(enabled(IDC_PARAM_LIST), std::string(row.english) != "Signed Infinity");
    }
}

} // namespace
} // namespace binora::testing
