#include "engine/bits_from_value.hpp"

#include "dialog/dialog_operations.hpp"
#include "main_dialog_test.hpp"
#include "model/fixed_text.hpp"
#include "model/format_traits.hpp"
#include "resources/resource.hpp"
#include "state/comun.hpp"
#include "test_words.hpp"
#include "testing/words.hpp"

#include <chrono>

namespace binora::testing {
namespace {

using BitsFromValue = MainDialogTest;

struct ValueRow {
    int kind;
    const char* text;
    const char* hex;
};

TEST_F(BitsFromValue, TypedNumbersShowTheirStoredBits) {
    const ValueRow rows[] = {
        {4, "0.1", "3DCCCCCD"},
        {4, "1e-45", "00000001"},
        {4, "1e-46", "00000000"},
        {4, "3.4028235e38", "7F7FFFFF"},
        {4, " -0", "80000000"},
        {4, "1,5", "3F800000"},
        {4, "1.5 and more", "3FC00000"},
        {4, "+1.0000000E-01", "3DCCCCCD"},
        {4, "1.000000059604644776257986737988403547205962240695953369140625", "3F800001"},
        {8, "0.1", "3FB999999999999A"},
        {8, " -0", "8000000000000000"},
        {8, "-1.5D+2", "C062C00000000000"},
        {8, "+1.7976931348623157D+308", "7FEFFFFFFFFFFFFF"},
        {8, "4.9406564584124654D-324", "0000000000000001"},
        {8, "+1.0000000000000001D-01", "3FB999999999999A"},
        {16, "  1", "3FFF0000000000000000000000000000"},
        {16, " -0", "80000000000000000000000000000000"},
        {16, "0.1", "3FFB999999999999999999999999999A"},
        {16, "+1.189731495357231765085759326628007D+4932", "7FFEFFFFFFFFFFFFFFFFFFFFFFFFFFFF"},
        {16, "6.475175119438025110924438958227647D-4966", "00000000000000000000000000000001"},
        {16, "1.0000000000000017763568394002504646778106689453125",
         "3FFF0000000000008000000000000000"},
    };
    for (const auto& row : rows) {
        COMUN.KIND_REAL = row.kind;
        COMUN.VALUE_CHAR = row.text;
        BITSFROMVALUE(dialog());
        EXPECT_EQ(shown_hex(row.kind), row.hex) << row.kind << " " << row.text;
    }
    EXPECT_TRUE(message_boxes.boxes().empty());
    EXPECT_TRUE(word_of(COMUN.X16) == word128(0x3FFF000000000000, 0x8000000000000000));
    EXPECT_EQ(word_of(COMUN.X8), 0x3FB999999999999AU);
    EXPECT_EQ(word_of(COMUN.X4), 0x3F800001U);
}

TEST_F(BitsFromValue, FieldsGoToTheirOwnEdits) {
    COMUN.VALUE_CHAR = pad_to("0.1", VALUE_CHAR_LENGTH);
    BITSFROMVALUE(dialog());
    EXPECT_EQ(text(IDC_S32), "0");
    EXPECT_EQ(text(IDC_E32), "01111011");
    EXPECT_EQ(text(IDC_F32), "10011001100110011001101");

    COMUN.KIND_REAL = 8;
    BITSFROMVALUE(dialog());
    EXPECT_EQ(text(IDC_E64), "01111111011");
    EXPECT_EQ(text(IDC_F64), "1001100110011001100110011001100110011001100110011010");

    COMUN.KIND_REAL = 16;
    COMUN.VALUE_CHAR = pad_to("  1", VALUE_CHAR_LENGTH);
    BITSFROMVALUE(dialog());
    EXPECT_EQ(text(IDC_S128), "0");
    EXPECT_EQ(text(IDC_E128), "011111111111111");
    EXPECT_EQ(text(IDC_F128_48), std::string(48, '0'));
    EXPECT_EQ(text(IDC_F128_64), std::string(64, '0'));
    EXPECT_EQ(text(IDC_S32), "0"); // the other kinds' edits keep what they showed
    EXPECT_EQ(text(IDC_E64), "01111111011");
}

TEST_F(BitsFromValue, NoOtherControlChanges) {
    DIALOG_SET_TEXT(dialog(), IDC_VALUE_X, "2.5");
    DIALOG_SET_TEXT(dialog(), IDC_NEAREST, "something");
    DIALOG_SET_TEXT(dialog(), IDC_DATATYPE, "Signed Zero");
    COMUN.VALUE_CHAR = pad_to("2.5", VALUE_CHAR_LENGTH);
    auto before = all_texts();
    BITSFROMVALUE(dialog());
    auto after = all_texts();
    for (std::size_t i = 0; i < dialog().controls.size(); ++i) {
        const int id = dialog().controls[i].id;
        if (id != IDC_S32 && id != IDC_E32 && id != IDC_F32) {
            EXPECT_EQ(after[i], before[i]) << "control " << id;
        }
    }
    EXPECT_EQ(shown_hex(4), "40200000");
}

TEST_F(BitsFromValue, BadTextsGiveTheInvalidValueBoxAndChangeNothing) {
    const std::string long_digits(10000, '7');
    const std::string long_garbage = "1." + std::string(9997, '5') + "x";
    const ValueRow rows[] = {
        {4, "abc", ""},
        {8, "abc", ""},
        {16, "abc", ""},
        {4, "1e39", ""},
        {4, "-1e39", ""},
        {8, "1e309", ""},
        {16, "1.19e4932", ""},
        {4, "--1", ""},
        {8, " 1e", ""},
        {16, "  .", ""},
        {4, "1.2.3", ""},
        {8, "INF", ""},
        {16, "NAN", ""},
        {4, "0x1p3", ""},
        {8, "2*3", ""},
        {16, "1+5", ""},
        {4, long_digits.c_str(), ""},
        {8, long_digits.c_str(), ""},
        {16, long_digits.c_str(), ""},
        {16, long_garbage.c_str(), ""},
    };
    const Word128 shown[] = {0x40490FDB, 0x400921FB54442D18,
                             word128(0x4000921FB54442D1, 0x8469898CC51701B8)};
    const auto start = std::chrono::steady_clock::now();
    for (const auto& row : rows) {
        message_boxes.clear();
        COMUN.KIND_REAL = row.kind;
        COMUN.X4 = 3.0F;
        COMUN.X8 = 3.0;
        COMUN.X16 = 3;
        const std::size_t k = row.kind == 4 ? 0 : row.kind == 8 ? 1 : 2;
        show_word(row.kind, shown[k]);
        COMUN.VALUE_CHAR = row.text;
        BITSFROMVALUE(dialog());
        const std::string where =
            std::to_string(row.kind) + " " + std::string(row.text).substr(0, 20);
        ASSERT_EQ(message_boxes.boxes().size(), 1U) << where;
        EXPECT_EQ(message_boxes.boxes()[0].text, "Invalid Value") << where;
        EXPECT_EQ(message_boxes.boxes()[0].caption, "Error") << where;
        EXPECT_EQ(message_boxes.boxes()[0].icon, MessageIcon::Exclamation) << where;
        EXPECT_EQ(shown_hex(row.kind), hex_string(shown[k], row.kind * 8)) << where;
        EXPECT_EQ(COMUN.X4, 3.0F);
        EXPECT_EQ(COMUN.X8, 3.0);
        EXPECT_TRUE(COMUN.X16 == 3);
    }
    const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
    EXPECT_LT(spent.count(), 1.0);
}

TEST_F(BitsFromValue, ATextBeginningWithCommaOrSlashKeepsXAndShowsItsBitsAgain) {
    const char* texts[] = {" ,5", "/55", "  ,", " /1.5"};
    for (const char* typed : texts) {
        for (const FormatTraits& f : FORMATS) {
            COMUN.KIND_REAL = f.kind;
            COMUN.X4 = -2.5F;
            COMUN.X8 = -2.5;
            COMUN.X16 = -2.5;
            show_word(f.kind, 0);
            COMUN.VALUE_CHAR = pad_to(typed, VALUE_CHAR_LENGTH);
            BITSFROMVALUE(dialog());
            const std::string expected = f.kind == 4   ? "C0200000"
                                         : f.kind == 8 ? "C004000000000000"
                                                       : "C0004000000000000000000000000000";
            EXPECT_EQ(shown_hex(f.kind), expected) << typed << " " << f.name;
        }
    }
    EXPECT_EQ(COMUN.X4, -2.5F);
    EXPECT_TRUE(message_boxes.boxes().empty());
}

} // namespace
} // namespace binora::testing
