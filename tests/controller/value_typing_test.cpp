// The road of a typed value through the controller, on the main dialog as start-up builds it.

#include "bit_patterns.hpp"
#include "dialog/dialog_operations.hpp"
#include "main_dialog_test.hpp"
#include "resources/resource.hpp"
#include "state/comun.hpp"
#include "testing/user_input.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <string>

namespace binora::testing {
namespace {

class ValueTyping : public MainDialogTest {
  protected:
    // The bit edits of the current kind joined, sign first.
    std::string bits() {
        switch (COMUN.KIND_REAL) {
        case 4:
            return text(IDC_S32) + text(IDC_E32) + text(IDC_F32);
        case 8:
            return text(IDC_S64) + text(IDC_E64) + text(IDC_F64);
        default:
            return text(IDC_S128) + text(IDC_E128) + text(IDC_F128_48) + text(IDC_F128_64);
        }
    }
    void choose_kind(int radio) { ASSERT_TRUE(user_click(dialog(), radio)); }
    void retype(const std::string& value) {
        ASSERT_TRUE(user_replace_text(dialog(), IDC_VALUE_X, value));
    }
};

TEST_F(ValueTyping, NothingIsReadBeforeTheThirdCharacterThenTheBitsAppear) {
    struct Row {
        int radio;
        const char* before_hex; // the kind's zeroed edits
        const char* hex_of_1_5;
        const char* canonical;
    };
    const Row rows[] = {
        {IDC_KIND32, "00000000", "3FC00000", "+1.5000000E+00"},
        {IDC_KIND128, "00000000000000000000000000000000", "3FFF8000000000000000000000000000",
         "+1.500000000000000000000000000000000D+000"},
    };
    for (const auto& row : rows) {
        choose_kind(row.radio);
        ASSERT_TRUE(user_replace_text(dialog(), IDC_VALUE_X, ""));
        ASSERT_TRUE(user_type(dialog(), IDC_VALUE_X, "1"));
        EXPECT_EQ(bits(), bits_of_hex(row.before_hex));
        ASSERT_TRUE(user_type(dialog(), IDC_VALUE_X, "."));
        EXPECT_EQ(bits(), bits_of_hex(row.before_hex));
        ASSERT_TRUE(user_type(dialog(), IDC_VALUE_X, "5"));
        EXPECT_EQ(bits(), bits_of_hex(row.hex_of_1_5));
        EXPECT_EQ(text(IDC_DATATYPE), "");
        EXPECT_FALSE(enabled(IDC_PARAM_LIST));
        EXPECT_EQ(text(IDC_VALUE_X), "1.5") << "the typed text stays until a bit field is entered";

        const int sign_edit = row.radio == IDC_KIND32 ? IDC_S32 : IDC_S128;
        ASSERT_TRUE(user_focus(dialog(), sign_edit));
        EXPECT_EQ(text(IDC_DATATYPE), row.radio == IDC_KIND32 ? "Numar normalizat: Real(4)"
                                                              : "Numar normalizat: Real(16)");
        EXPECT_EQ(text(IDC_VALUE_X), row.canonical);
        EXPECT_TRUE(enabled(IDC_PARAM_LIST));
        EXPECT_EQ(text(IDC_CURSOR_POS), "0");
        EXPECT_TRUE(message_boxes.boxes().empty());
    }
}

TEST_F(ValueTyping, EditingTheValueClearsTheStaleReadOuts) {
    retype("0.1");
    ASSERT_TRUE(user_focus(dialog(), IDC_F32));
    DIALOG_SET_FLAG(dialog(), IDC_BINARY_XPM, true, PROP_ENABLED);
    ASSERT_TRUE(user_click(dialog(), IDC_BINARY_XPM));
    ASSERT_TRUE(user_select_row(dialog(), IDC_PARAM_LIST, 3));
    ASSERT_NE(text(IDC_NEAREST), "");
    ASSERT_TRUE(user_type(dialog(), IDC_VALUE_X, "5"));
    EXPECT_EQ(text(IDC_NEAREST), "");
    EXPECT_EQ(text(IDC_NEAREST_LABEL), "");
    EXPECT_EQ(text(IDC_DATATYPE), "");
    EXPECT_FALSE(checked(IDC_BINARY_XPM));
    EXPECT_FALSE(enabled(IDC_PARAM_LIST));
}

TEST_F(ValueTyping, BadInputShowsInvalidValueAndKeepsTheBits) {
    struct Row {
        int radio;
        std::string text;
    };
    const Row rows[] = {{IDC_KIND32, "abc"},    {IDC_KIND32, "1e39"}, {IDC_KIND64, "1e309"},
                        {IDC_KIND64, "--1"},    {IDC_KIND32, " 1e"},  {IDC_KIND128, "  ."},
                        {IDC_KIND128, "1.2.3"}, {IDC_KIND64, "INF"},  {IDC_KIND32, "0x1p3"},
                        {IDC_KIND128, "1e4933"}};
    for (const auto& row : rows) {
        choose_kind(row.radio);
        retype("2.5");
        const std::string before = bits();
        message_boxes.clear();
        retype(row.text);
        ASSERT_EQ(message_boxes.boxes().size(), 1U) << row.text;
        EXPECT_EQ(message_boxes.boxes()[0].text, "Invalid Value");
        EXPECT_EQ(message_boxes.boxes()[0].caption, "Error");
        EXPECT_EQ(message_boxes.boxes()[0].icon, MessageIcon::Exclamation);
        EXPECT_EQ(bits(), before) << row.text;
        // Typing goes on: the next text is read again.
        retype("-2.0");
        EXPECT_EQ(bits().substr(0, 2), "11") << row.text;
    }
}

TEST_F(ValueTyping, AHugePasteIsReadWholeAndQuickly) {
    choose_kind(IDC_KIND64);
    struct Row {
        std::string text;
        const char* hex; // nullptr: "Invalid Value"
    };
    const Row rows[] = {
        {"0.1" + std::string(9997, '0'), "3FB999999999999A"},
        // Digits beyond the 42nd still count: cut there, this would read as 1e-40.
        {"0.0000000000000000000000000000000000000001234", "37A57FD2EC17E056"},
        {std::string(10000, '7'), nullptr},
        {std::string(10000, 'x'), nullptr},
    };
    for (const auto& row : rows) {
        message_boxes.clear();
        retype("2.5");
        const std::string before = bits();
        const auto start = std::chrono::steady_clock::now();
        retype(row.text);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(200));
        if (row.hex != nullptr) {
            EXPECT_EQ(bits(), bits_of_hex(row.hex)) << row.text.substr(0, 50);
            EXPECT_TRUE(message_boxes.boxes().empty());
        } else {
            EXPECT_EQ(bits(), before);
            EXPECT_EQ(message_boxes.texts(), (std::vector<std::string>{"Invalid Value"}));
        }
    }
}

TEST_F(ValueTyping, CommasAndSlashesEndTheNumberOrKeepX) {
    choose_kind(IDC_KIND32);
    retype("1,5");
    EXPECT_EQ(bits(), bits_of_hex("3F800000"));
    retype("-3.0");
    retype(",5");
    EXPECT_EQ(bits(), bits_of_hex("C0400000")) << "X keeps its value and its bits are shown";
    retype("/5 ");
    EXPECT_EQ(bits(), bits_of_hex("C0400000"));
    retype("2/3");
    EXPECT_EQ(bits(), bits_of_hex("40000000"));
    EXPECT_TRUE(message_boxes.boxes().empty());
}

TEST_F(ValueTyping, InfinityAndNaNSpellingsFillTheirPatterns) {
    struct Row {
        int radio;
        const char* text;
        const char* hex;
    };
    const Row rows[] = {
        {IDC_KIND64, "-Inf", "FFF0000000000000"},
        {IDC_KIND64, "Infinity", "7FF0000000000000"},
        {IDC_KIND64, "nan", "7FFFFFFFFFFFFFFF"},
        {IDC_KIND32, "-nan", "FFFFFFFF"},
        {IDC_KIND32, "+Na", "7FFFFFFF"},
        {IDC_KIND128, "-in", "FFFF0000000000000000000000000000"},
    };
    for (const auto& row : rows) {
        choose_kind(row.radio);
        retype(row.text);
        EXPECT_EQ(bits(), bits_of_hex(row.hex)) << row.text;
    }
    EXPECT_TRUE(message_boxes.boxes().empty());
}

TEST_F(ValueTyping, AKindRadioZeroesItsEditsAndKeepsX) {
    retype("0.1");
    const float x4 = COMUN.X4;
    ASSERT_TRUE(user_focus(dialog(), IDC_E32));
    ASSERT_EQ(text(IDC_FIELD_WIDTH), "8");
    choose_kind(IDC_KIND128);
    EXPECT_EQ(COMUN.KIND_REAL, 16);
    EXPECT_EQ(bits(), std::string(128, '0'));
    EXPECT_EQ(text(IDC_VALUE_X), "0");
    EXPECT_EQ(text(IDC_DATATYPE), "");
    EXPECT_EQ(text(IDC_CURSOR_POS), "");
    EXPECT_EQ(text(IDC_NEAREST), "");
    EXPECT_TRUE(enabled(IDC_S128));
    EXPECT_FALSE(enabled(IDC_S32));
    EXPECT_EQ(text(IDC_F32), "10011001100110011001101") << "the disabled edits keep their texts";
    EXPECT_EQ(COMUN.X4, x4);
    int length = 0;
    choose_kind(IDC_KIND64);
    EXPECT_EQ(text(IDC_S64), "0");
    EXPECT_EQ(text(IDC_E64), std::string(11, '0'));
    DIALOG_GET_INT(dialog(), IDC_F64, length);
    EXPECT_EQ(length, 52);
}

TEST_F(ValueTyping, TypedBitsAreValidatedThenRebuildX) {
    ASSERT_TRUE(user_set_caret(dialog(), IDC_S32, 1));
    ASSERT_TRUE(user_backspace(dialog(), IDC_S32));
    ASSERT_TRUE(user_type(dialog(), IDC_S32, "1"));
    EXPECT_EQ(text(IDC_VALUE_X), "-0.0000000E+00");
    EXPECT_EQ(text(IDC_DATATYPE), "Zero cu semn");
    EXPECT_EQ(text(IDC_CURSOR_POS), "1");
    EXPECT_EQ(text(IDC_FIELD_WIDTH), "1");
    ASSERT_TRUE(user_set_caret(dialog(), IDC_E32, 8));
    ASSERT_TRUE(user_type(dialog(), IDC_E32, "7"));
    EXPECT_EQ(message_boxes.texts(),
              (std::vector<std::string>{"Invalid input for bit !\n(It is being replaced by \"1\")",
                                        "1 Bit in Excess !\n(The last bit is being removed)"}));
    EXPECT_EQ(text(IDC_E32), "00000000");
}

TEST_F(ValueTyping, BulkButtonsAndLanguageRadiosReachTheirRoutines) {
    ASSERT_TRUE(user_click(dialog(), IDC_ONES));
    EXPECT_EQ(bits(), std::string(32, '1'));
    EXPECT_EQ(text(IDC_VALUE_X), "0");
    ASSERT_TRUE(user_click(dialog(), IDC_FLIP));
    EXPECT_EQ(bits(), std::string(32, '0'));
    ASSERT_TRUE(user_click(dialog(), IDC_LANG_EN));
    EXPECT_EQ(COMUN.LANG, Language::english);
    EXPECT_EQ(text(IDC_WIDTH_LABEL), "Field Width");
    EXPECT_EQ(items(IDC_PARAM_LIST)[1], "Significand");
}

} // namespace
} // namespace binora::testing
