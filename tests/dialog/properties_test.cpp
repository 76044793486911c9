// Set and get operations on a record without a window.

#include "dialog/dialog_operations.hpp"
#include "test_templates.hpp"

#include <gtest/gtest.h>

namespace binora::testing {
namespace {

class Properties : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(DIALOG_INIT(TEST_DIALOG, dialog)); }

    std::string get_text(int id, std::size_t length, int property = PROP_DEFAULT) {
        std::string text = "unchanged";
        EXPECT_TRUE(DIALOG_GET_TEXT(dialog, id, text, length, property));
        return text;
    }

    TestTemplates templates;
    DIALOG_RECORD dialog;
};

TEST_F(Properties, InitFailsForAMissingTemplate) {
    DIALOG_RECORD other;
    EXPECT_FALSE(DIALOG_INIT(999, other));
    EXPECT_TRUE(other.controls.empty());
}

TEST_F(Properties, InitTakesValuesFromTheTemplate) {
    EXPECT_EQ(dialog.return_value, 1);
    EXPECT_EQ(get_text(ID_LABEL, 5), "Label");
    bool enabled = true;
    ASSERT_TRUE(DIALOG_GET_FLAG(dialog, ID_DISABLED_BUTTON, enabled));
    EXPECT_FALSE(enabled);
    // The first radio button of each group starts selected.
    const std::pair<int, bool> radios[] = {{ID_RADIO_A1, true},
                                           {ID_RADIO_A2, false},
                                           {ID_RADIO_A3, false},
                                           {ID_RADIO_B1, true},
                                           {ID_RADIO_B2, false}};
    for (auto [id, expected] : radios) {
        bool state = !expected;
        ASSERT_TRUE(DIALOG_GET_FLAG(dialog, id, state));
        EXPECT_EQ(state, expected) << id;
    }
}

TEST_F(Properties, TextsDropTrailingBlanksOnSetAndArePaddedOrCutOnGet) {
    ASSERT_TRUE(DIALOG_SET_TEXT(dialog, ID_EDIT, "abc   "));
    EXPECT_EQ(get_text(ID_EDIT, 10), "abc       ");
    EXPECT_EQ(get_text(ID_EDIT, 2), "ab");
    int length = 0;
    ASSERT_TRUE(DIALOG_GET_INT(dialog, ID_EDIT, length, PROP_TEXT_LENGTH));
    EXPECT_EQ(length, 3);
    ASSERT_TRUE(DIALOG_SET_TEXT(dialog, ID_EDIT, "     "));
    ASSERT_TRUE(DIALOG_GET_INT(dialog, ID_EDIT, length));
    EXPECT_EQ(length, 0);
}

TEST_F(Properties, TextLengthPadsWithBlanksOrCuts) {
    struct Row {
        const char* text;
        int length;
        const char* result;
    };
    const Row rows[] = {{"ab", 5, "ab   "}, {"ab", 1, "a"}, {"ab", 2, "ab"}, {"", 3, "   "}};
    for (const auto& row : rows) {
        ASSERT_TRUE(DIALOG_SET_TEXT(dialog, ID_EDIT, row.text));
        ASSERT_TRUE(DIALOG_SET_INT(dialog, ID_EDIT, row.length, PROP_TEXT_LENGTH));
        EXPECT_EQ(find_control(dialog, ID_EDIT)->text, row.result);
    }
}

TEST_F(Properties, CaretIsClampedToTheText) {
    ASSERT_TRUE(DIALOG_SET_TEXT(dialog, ID_EDIT, "abcdef"));
    ASSERT_TRUE(DIALOG_SET_INT(dialog, ID_EDIT, 6, PROP_CARET));
    ASSERT_TRUE(DIALOG_SET_TEXT(dialog, ID_EDIT, "ab"));
    int caret = -1;
    ASSERT_TRUE(DIALOG_GET_INT(dialog, ID_EDIT, caret, PROP_CARET));
    EXPECT_EQ(caret, 2);
    ASSERT_TRUE(DIALOG_SET_INT(dialog, ID_EDIT, 1, PROP_TEXT_LENGTH));
    ASSERT_TRUE(DIALOG_GET_INT(dialog, ID_EDIT, caret, PROP_CARET));
    EXPECT_EQ(caret, 1);
}

TEST_F(Properties, AnEditsDescriptionIsKeptApartFromItsText) {
    ASSERT_TRUE(DIALOG_SET_TEXT(dialog, ID_EDIT, "1e"));
    ASSERT_TRUE(DIALOG_SET_TEXT(dialog, ID_EDIT, "not a number yet  ", PROP_DESCRIPTION));
    EXPECT_EQ(get_text(ID_EDIT, 3), "1e ");
    EXPECT_EQ(get_text(ID_EDIT, 18, PROP_DESCRIPTION), "not a number yet  ");
    ASSERT_TRUE(DIALOG_SET_TEXT(dialog, ID_EDIT, "", PROP_DESCRIPTION));
    EXPECT_EQ(get_text(ID_EDIT, 2, PROP_DESCRIPTION), "  ");
    EXPECT_FALSE(DIALOG_SET_TEXT(dialog, ID_LABEL, "x", PROP_DESCRIPTION)) << "edits only";
}

TEST_F(Properties, RadioGroupsSelectOneAndFallBackToTheFirst) {
    auto state = [&](int id) {
        bool value = false;
        EXPECT_TRUE(DIALOG_GET_FLAG(dialog, id, value, PROP_STATE));
        return value;
    };
    ASSERT_TRUE(DIALOG_SET_FLAG(dialog, ID_RADIO_A3, true));
    EXPECT_FALSE(state(ID_RADIO_A1));
    EXPECT_FALSE(state(ID_RADIO_A2));
    EXPECT_TRUE(state(ID_RADIO_A3));
    EXPECT_TRUE(state(ID_RADIO_B1)) << "the other group is independent";
    ASSERT_TRUE(DIALOG_SET_FLAG(dialog, ID_RADIO_A3, false, PROP_STATE));
    EXPECT_TRUE(state(ID_RADIO_A1));
    EXPECT_FALSE(state(ID_RADIO_A3));
    ASSERT_TRUE(DIALOG_SET_FLAG(dialog, ID_RADIO_B2, true));
    EXPECT_TRUE(state(ID_RADIO_A1));
    EXPECT_FALSE(state(ID_RADIO_B1));
}

TEST_F(Properties, CheckBoxDefaultIsItsStateAndEditDefaultIsEnabled) {
    ASSERT_TRUE(DIALOG_SET_FLAG(dialog, ID_CHECK, true));
    bool value = false;
    ASSERT_TRUE(DIALOG_GET_FLAG(dialog, ID_CHECK, value, PROP_STATE));
    EXPECT_TRUE(value);
    ASSERT_TRUE(DIALOG_GET_FLAG(dialog, ID_CHECK, value, PROP_ENABLED));
    EXPECT_TRUE(value);
    ASSERT_TRUE(DIALOG_SET_FLAG(dialog, ID_EDIT, false));
    ASSERT_TRUE(DIALOG_GET_FLAG(dialog, ID_EDIT, value, PROP_ENABLED));
    EXPECT_FALSE(value);
}

TEST_F(Properties, ListItemsAndSelection) {
    int selected = -1;
    ASSERT_TRUE(DIALOG_GET_INT(dialog, ID_LIST, selected, 1));
    EXPECT_EQ(selected, 0) << "nothing selected";
    ASSERT_TRUE(DIALOG_SET_TEXT(dialog, ID_LIST, "one   ", PROP_APPEND_ITEM));
    ASSERT_TRUE(DIALOG_SET_TEXT(dialog, ID_LIST, "two", PROP_APPEND_ITEM));
    int count = 0;
    ASSERT_TRUE(DIALOG_GET_INT(dialog, ID_LIST, count));
    EXPECT_EQ(count, 2);
    EXPECT_EQ(get_text(ID_LIST, 5, 1), "one  ");
    ASSERT_TRUE(DIALOG_SET_TEXT(dialog, ID_LIST, "zwei", 2));
    EXPECT_EQ(get_text(ID_LIST, 4, 2), "zwei");
    EXPECT_FALSE(DIALOG_SET_TEXT(dialog, ID_LIST, "three", 3)) << "no item 3";
    ASSERT_TRUE(DIALOG_SET_INT(dialog, ID_LIST, 2, 1));
    ASSERT_TRUE(DIALOG_GET_INT(dialog, ID_LIST, selected, 1));
    EXPECT_EQ(selected, 2);
    ASSERT_TRUE(DIALOG_GET_INT(dialog, ID_LIST, selected, 2));
    EXPECT_EQ(selected, 0) << "a single-selection list has no second selection";
    ASSERT_TRUE(DIALOG_SET_INT(dialog, ID_LIST, 0, 1));
    ASSERT_TRUE(DIALOG_GET_INT(dialog, ID_LIST, selected, 1));
    EXPECT_EQ(selected, 0);
}

TEST_F(Properties, DropDownListsAndTablesHoldItemsAndASelectionATableItsHeadingsTooALineItsMarks) {
    for (const int id : {ID_COMBO, ID_TABLE}) {
        ASSERT_TRUE(DIALOG_SET_TEXT(dialog, id, "a\tb", PROP_APPEND_ITEM)) << id;
        ASSERT_TRUE(DIALOG_SET_TEXT(dialog, id, "c\td", PROP_APPEND_ITEM)) << id;
        ASSERT_TRUE(DIALOG_SET_INT(dialog, id, 2, 1)) << id;
        int selected = 0;
        ASSERT_TRUE(DIALOG_GET_INT(dialog, id, selected, 1)) << id;
        EXPECT_EQ(selected, 2) << id;
        EXPECT_EQ(get_text(id, 3, 2), "c\td") << id;
    }
    EXPECT_EQ(get_text(ID_TABLE, 7), "one\ttwo");
    ASSERT_TRUE(DIALOG_SET_TEXT(dialog, ID_TABLE, "x\ty", PROP_CAPTION));
    EXPECT_EQ(get_text(ID_TABLE, 3), "x\ty");
    std::string caption;
    EXPECT_FALSE(DIALOG_GET_TEXT(dialog, ID_COMBO, caption, 3))
        << "a drop-down list has no caption";

    const std::vector<LineMark> marks = {{LineMarkKind::point, 0.0, "low", "low: 1"},
                                         {LineMarkKind::exact, 1.5, "exact", ""}};
    ASSERT_TRUE(DIALOG_SET_MARKS(dialog, ID_LINE, marks));
    std::vector<LineMark> read;
    ASSERT_TRUE(DIALOG_GET_MARKS(dialog, ID_LINE, read));
    EXPECT_EQ(read, marks);
    EXPECT_FALSE(DIALOG_SET_MARKS(dialog, ID_TABLE, marks)) << "only a number line has marks";
}

TEST_F(Properties, UnknownDuplicateAndUnsupportedFailWithoutChangingAnything) {
    std::string text = "keep";
    int value = 42;
    bool flag = true;
    EXPECT_FALSE(DIALOG_SET_TEXT(dialog, 12345, "x"));
    EXPECT_FALSE(DIALOG_GET_TEXT(dialog, 12345, text, 4));
    EXPECT_FALSE(DIALOG_SET_TEXT(dialog, ID_DUPLICATE, "x"));
    EXPECT_FALSE(DIALOG_GET_TEXT(dialog, ID_DUPLICATE, text, 4));
    EXPECT_FALSE(DIALOG_SET_FLAG(dialog, ID_DUPLICATE, false));
    EXPECT_FALSE(DIALOG_GET_INT(dialog, ID_LABEL, value));
    EXPECT_FALSE(DIALOG_SET_INT(dialog, ID_CHECK, 3));
    EXPECT_FALSE(DIALOG_SET_FLAG(dialog, ID_EDIT, true, PROP_STATE));
    EXPECT_FALSE(DIALOG_GET_FLAG(dialog, ID_LIST, flag, PROP_STATE));
    EXPECT_FALSE(DIALOG_SET_TEXT(dialog, ID_LIST, "x"));
    EXPECT_FALSE(DIALOG_SET_TEXT(dialog, ID_EDIT, "x", PROP_CAPTION));
    EXPECT_FALSE(DIALOG_SET_INT(dialog, ID_EDIT, -1, PROP_TEXT_LENGTH));
    EXPECT_EQ(text, "keep");
    EXPECT_EQ(value, 42);
    EXPECT_TRUE(flag);
    EXPECT_FALSE(dialog.dirty);
    for (const auto& control : dialog.controls) {
        EXPECT_FALSE(control.dirty) << control.id;
        if (control.id == ID_DUPLICATE) {
            EXPECT_TRUE(control.text == "one" || control.text == "two");
        }
    }
}

TEST_F(Properties, CallbacksOnlyForEventsTheKindRaises) {
    const DialogRoutine routine = [](DIALOG_RECORD&, int, int) {};
    EXPECT_TRUE(DIALOG_SET_CALLBACK(dialog, ID_EDIT, routine));
    EXPECT_TRUE(DIALOG_SET_CALLBACK(dialog, ID_EDIT, routine, EVENT_FOCUS_GAINED));
    EXPECT_FALSE(DIALOG_SET_CALLBACK(dialog, ID_EDIT, routine, EVENT_CLICKED));
    EXPECT_TRUE(DIALOG_SET_CALLBACK(dialog, ID_LIST, routine, EVENT_DOUBLE_CLICK));
    EXPECT_FALSE(DIALOG_SET_CALLBACK(dialog, ID_LABEL, routine));
    EXPECT_FALSE(DIALOG_SET_CALLBACK(dialog, ID_DUPLICATE, routine));
    EXPECT_FALSE(DIALOG_SET_CALLBACK(dialog, 12345, routine));
    EXPECT_TRUE(DIALOG_SET_CALLBACK(dialog, TEST_DIALOG, routine));
    EXPECT_TRUE(DIALOG_SET_CALLBACK(dialog, TEST_DIALOG, routine, EVENT_RESIZE));
    EXPECT_FALSE(DIALOG_SET_CALLBACK(dialog, TEST_DIALOG, routine, EVENT_CHANGED));
}

} // namespace
} // namespace binora::testing
