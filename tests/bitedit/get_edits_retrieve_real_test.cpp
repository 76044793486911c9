// X rebuilt from the bit edits: every pattern stored exactly, the class text of the stored
// pattern in the current language, the parameter list enabled exactly for finite X.

#include "bit_patterns.hpp"
#include "bitedit/enable_bit_edits.hpp"
#include "bitedit/get_edits_retrieve_real.hpp"
#include "dialog/dialog_operations.hpp"
#include "dialog/user_input.hpp"
#include "main_dialog_test.hpp"
#include "model/comun.hpp"
#include "shell/resources/resource.hpp"

#include <bit>
#include <cstdint>
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

TEST_F(RetrieveReal, EveryPatternIsStoredExactlyAndClassified) {
    struct Row {
        int kind;
        const char* hex;
        const char* english;
        const char* romanian;
    };
    const char* zero_en = "Signed Zero";
    const char* zero_ro = "Zero cu semn";
    const char* sub_en = "Denormalized Number";
    const char* sub_ro = "Numar denormalizat";
    const char* inf_en = "Signed Infinity";
    const char* inf_ro = "Infinit cu semn";
    const char* nan_en = "Not-a-Number";
    const char* nan_ro = "Non-Numar";
    const char* n4_en = "Normalized Number: Real(4)";
    const char* n4_ro = "Numar normalizat: Real(4)";
    const char* n8_en = "Normalized Number: Real(8)";
    const char* n8_ro = "Numar normalizat: Real(8)";
    const char* n16_en = "Normalized Number: Real(16)";
    const char* n16_ro = "Numar normalizat: Real(16)";
    const Row rows[] = {
        {4, "00000000", zero_en, zero_ro},
        {4, "80000000", zero_en, zero_ro},
        {4, "00000001", sub_en, sub_ro},
        {4, "007FFFFF", sub_en, sub_ro},
        {4, "00800000", n4_en, n4_ro},
        {4, "7F7FFFFF", n4_en, n4_ro},
        {4, "3F800000", n4_en, n4_ro},
        {4, "7F800000", inf_en, inf_ro},
        {4, "FF800000", inf_en, inf_ro},
        {4, "7FC00123", nan_en, nan_ro}, // quiet NaN with payload
        {4, "7F800123", nan_en, nan_ro}, // signalling NaN with payload
        {4, "FFC00000", nan_en, nan_ro},
        {8, "0000000000000000", zero_en, zero_ro},
        {8, "8000000000000000", zero_en, zero_ro},
        {8, "0000000000000001", sub_en, sub_ro},
        {8, "000FFFFFFFFFFFFF", sub_en, sub_ro},
        {8, "0010000000000000", n8_en, n8_ro},
        {8, "7FEFFFFFFFFFFFFF", n8_en, n8_ro},
        {8, "3FF0000000000000", n8_en, n8_ro},
        {8, "7FF0000000000000", inf_en, inf_ro},
        {8, "FFF0000000000000", inf_en, inf_ro},
        {8, "7FF8000000000ABC", nan_en, nan_ro},
        {8, "7FF0000000000ABC", nan_en, nan_ro},
        {16, "00000000000000000000000000000000", zero_en, zero_ro},
        {16, "80000000000000000000000000000000", zero_en, zero_ro},
        {16, "00000000000000000000000000000001", sub_en, sub_ro},
        {16, "0000FFFFFFFFFFFFFFFFFFFFFFFFFFFF", sub_en, sub_ro},
        {16, "00010000000000000000000000000000", n16_en, n16_ro},
        {16, "7FFEFFFFFFFFFFFFFFFFFFFFFFFFFFFF", n16_en, n16_ro},
        {16, "3FFF0000000000000000000000000000", n16_en, n16_ro},
        {16, "7FFF0000000000000000000000000000", inf_en, inf_ro},
        {16, "FFFF0000000000000000000000000000", inf_en, inf_ro},
        {16, "7FFF8000000000000000000000000ABC", nan_en, nan_ro},
        {16, "7FFF0000000000000000000000000ABC", nan_en, nan_ro},
        {16, "7FFF0000000000010000000000000000", nan_en, nan_ro}, // payload bit in the 48 part
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.hex);
        put_pattern(dialog(), row.kind, row.hex);
        COMUN.LANG = LANG_ENGLISH;
        rebuild(row.kind);
        EXPECT_EQ(hex_of_x(row.kind), row.hex);
        EXPECT_EQ(text(IDC_DATATYPE), row.english);
        const std::string english = row.english;
        const bool infinite_or_nan = english == inf_en || english == nan_en;
        EXPECT_EQ(enabled(IDC_PARAM_LIST), !infinite_or_nan);
        COMUN.LANG = LANG_ROMANIAN;
        rebuild(row.kind);
        EXPECT_EQ(text(IDC_DATATYPE), row.romanian);
    }
}

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
    COMUN.LANG = LANG_ENGLISH;
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

TEST_F(RetrieveReal, AnUnknownKindOnlyShowsTheClassText) {
    COMUN.X4 = 1.5F;
    COMUN.IS_ZERO = true;
    COMUN.IS_FINITE = true;
    COMUN.LANG = LANG_ENGLISH;
    rebuild(5);
    EXPECT_EQ(COMUN.X4, 1.5F);
    EXPECT_EQ(text(IDC_DATATYPE), "Signed Zero");
    EXPECT_TRUE(enabled(IDC_PARAM_LIST));
}

// Bits typed edit by edit rebuild X at every keystroke.
TEST_F(RetrieveReal, TypingAPatternRebuildsX) {
    COMUN.KIND_REAL = 16;
    COMUN.LANG = LANG_ENGLISH;
    ENABLEBITEDITS(dialog(), IDC_KIND128, EVENT_CLICKED);
    const std::string bits = bits_of_hex("BFFF8000000000000000000000000001");
    struct Part {
        int edit;
        std::size_t from, count;
    };
    for (const Part part : {Part{IDC_S128, 0, 1}, Part{IDC_E128, 1, 15}, Part{IDC_F128_48, 16, 48},
                            Part{IDC_F128_64, 64, 64}}) {
        ASSERT_TRUE(DIALOG_SET_TEXT(dialog(), part.edit, ""));
        ASSERT_TRUE(user_type(dialog(), part.edit, bits.substr(part.from, part.count)));
    }
    EXPECT_TRUE(message_boxes.texts().empty());
    EXPECT_EQ(hex_of_x(16), "BFFF8000000000000000000000000001");
    EXPECT_EQ(text(IDC_DATATYPE), "Normalized Number: Real(16)");
    EXPECT_TRUE(enabled(IDC_PARAM_LIST));
}

} // namespace
} // namespace binora::testing
