#include "bitedit/get_edits_retrieve_real.hpp"
#include "dialog/dialog_operations.hpp"
#include "main_dialog_test.hpp"
#include "resources/resource.hpp"
#include "state/comun.hpp"
#include "testing/user_input.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace binora {
namespace {

const std::string romanian_legend = std::string(25, ' ') + "Semnificand (Fractia)";
const std::string english_legend = std::string(25, ' ') + "Trailing Significand (Fraction)";

class LanguageClick : public testing::MainDialogTest {
  protected:
    // The user clicks the radio button; the main dialog's controller handles the click.
    void click(int id) { ASSERT_TRUE(user_click(dialog(), id)); }

    // Every value the main dialog shows, to compare before and after.
    std::vector<std::string> screen() {
        std::vector<std::string> values{dialog().caption};
        for (const auto& control : dialog().controls) {
            std::string value = std::to_string(control.id) + ":" + control.text + "|" +
                                (control.enabled ? "E" : "-") + (control.state ? "X" : "-") +
                                std::to_string(control.selection);
            for (const auto& item : control.items)
                value += "|" + item;
            values.push_back(value);
        }
        return values;
    }

    // X of the kind rebuilt from its bit edits, a zero or 1.0, with its class text shown.
    void show_class_text(bool zero, int kind, const char* romanian_text) {
        COMUN.KIND_REAL = kind;
        const Word128 one = kind == 4   ? 0x3F800000U
                            : kind == 8 ? 0x3FF0000000000000U
                                        : Word128{0x3FFF000000000000U} << 64;
        show_word(kind, zero ? 0 : one);
        GETEDITSANDRETRIEVEREAL(dialog(), IDC_S32, EVENT_FOCUS_GAINED);
        ASSERT_EQ(text(IDC_DATATYPE), romanian_text);
    }
};

TEST_F(LanguageClick, EnglishRightAfterStartUp) {
    click(IDC_LANG_EN);
    EXPECT_EQ(COMUN.LANG, Language::english);
    EXPECT_FALSE(COMUN.LANG_RO);
    EXPECT_TRUE(checked(IDC_LANG_EN));
    EXPECT_FALSE(checked(IDC_LANG_RO));
    EXPECT_EQ(dialog().caption, "Binora (Binary Format)");
    EXPECT_EQ(text(IDC_GROUP_DATA), "Datum");
    EXPECT_EQ(text(IDC_ABOUT), "ABOUT");
    EXPECT_EQ(items(IDC_PARAM_LIST),
              (std::vector<std::string>{"Exponent", "Significand", "ULP", "X+ = Nearest(x,+1.0)",
                                        "X- = Nearest(x,-1.0)", "Epsilon"}));
    EXPECT_EQ(text(IDC_F64), english_legend);
    EXPECT_EQ(text(IDC_E64), "   Exponent");
    EXPECT_EQ(text(IDC_S64), "S");
    // No class was determined yet: the read-out stays empty rather than naming one.
    EXPECT_EQ(text(IDC_DATATYPE), "");
    EXPECT_EQ(text(IDC_NEAREST_LABEL), "");
    EXPECT_EQ(selected_row(IDC_PARAM_LIST), 0);
}

TEST_F(LanguageClick, BackToRomanianRestoresTheStartUpScreen) {
    const auto at_start = screen();
    click(IDC_LANG_EN);
    EXPECT_NE(screen(), at_start);
    click(IDC_LANG_RO);
    EXPECT_EQ(COMUN.LANG, Language::romanian);
    EXPECT_TRUE(COMUN.LANG_RO);
    EXPECT_EQ(text(IDC_F64), romanian_legend);
    EXPECT_EQ(items(IDC_PARAM_LIST)[1], "Semnificand");
    EXPECT_EQ(screen(), at_start);
}

TEST_F(LanguageClick, ClickingTheSelectedLanguageAgainChangesNothing) {
    for (int id : {IDC_LANG_RO, IDC_LANG_EN}) {
        click(id);
        const auto once = screen();
        click(id);
        EXPECT_EQ(screen(), once) << id;
    }
}

TEST_F(LanguageClick, BitsOfTheSelectedBinary64AreLeftAlone) {
    // Binary64 selected: its edits hold bits, not the legend.
    const std::string bits = "1001100110011001100110011001100110011001100110011010";
    ASSERT_TRUE(user_click(dialog(), IDC_KIND64));
    COMUN.KIND_REAL = 8;
    DIALOG_SET_TEXT(dialog(), IDC_S64, "0");
    DIALOG_SET_TEXT(dialog(), IDC_E64, "01111111011");
    DIALOG_SET_TEXT(dialog(), IDC_F64, bits);
    for (int id : {IDC_LANG_EN, IDC_LANG_RO, IDC_LANG_EN}) {
        click(id);
        EXPECT_EQ(text(IDC_F64), bits) << id;
        EXPECT_EQ(text(IDC_E64), "01111111011") << id;
    }
    EXPECT_EQ(dialog().caption, "Binora (Binary Format)");
}

TEST_F(LanguageClick, ShownClassTextFollowsTheLanguage) {
    struct Row {
        bool zero;
        int kind;
        const char* romanian;
        const char* english;
    };
    const Row rows[] = {
        {true, 4, "Zero cu semn", "Signed Zero"},
        {false, 8, "Numar normalizat: Real(8)", "Normalized Number: Real(8)"},
        {false, 16, "Numar normalizat: Real(16)", "Normalized Number: Real(16)"},
    };
    for (const auto& row : rows) {
        click(IDC_LANG_RO);
        show_class_text(row.zero, row.kind, row.romanian);
        click(IDC_LANG_EN);
        EXPECT_EQ(text(IDC_DATATYPE), row.english);
        click(IDC_LANG_RO);
        EXPECT_EQ(text(IDC_DATATYPE), row.romanian);
    }
}

TEST_F(LanguageClick, ClearedClassTextIsNotBroughtBack) {
    // The flags still describe an older value, but the read-out was cleared since.
    COMUN.IS_ZERO = true;
    COMUN.KIND_REAL = 4;
    DIALOG_SET_TEXT(dialog(), IDC_DATATYPE, "");
    click(IDC_LANG_EN);
    EXPECT_EQ(text(IDC_DATATYPE), "");
}

TEST_F(LanguageClick, SignificandCaptionFollowsTheLanguageWhileRowTwoIsShown) {
    struct Row {
        int selected;
        const char* caption_before;
        const char* english_after;
        const char* romanian_after;
    };
    const Row rows[] = {
        {2, "     Semnificand", "Significand", "Semnificand"},
        {2, "", "", ""}, // cleared after a new value: stays cleared
        {1, "Exponentul reprezentarii (E)", "Exponentul reprezentarii (E)",
         "Exponentul reprezentarii (E)"},
    };
    for (const auto& row : rows) {
        click(IDC_LANG_RO);
        DIALOG_SET_FLAG(dialog(), IDC_PARAM_LIST, true, PROP_ENABLED);
        DIALOG_SET_INT(dialog(), IDC_PARAM_LIST, row.selected, 1);
        DIALOG_SET_TEXT(dialog(), IDC_NEAREST_LABEL, row.caption_before);
        click(IDC_LANG_EN);
        EXPECT_EQ(text(IDC_NEAREST_LABEL), row.english_after) << row.caption_before;
        click(IDC_LANG_RO);
        EXPECT_EQ(text(IDC_NEAREST_LABEL), row.romanian_after) << row.caption_before;
        EXPECT_EQ(selected_row(IDC_PARAM_LIST), row.selected);
    }
}

} // namespace
} // namespace binora
