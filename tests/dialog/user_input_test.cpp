// User actions simulated on a record without a window.

#include "dialog/dialog_operations.hpp"
#include "test_templates.hpp"
#include "testing/user_input.hpp"

#include <gtest/gtest.h>

namespace binora::testing {
namespace {

class UserInput : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(DIALOG_INIT(TEST_DIALOG, dialog));
        for (int id : {ID_EDIT, ID_NUMBER_EDIT})
            DIALOG_SET_CALLBACK(dialog, id, [this](DIALOG_RECORD& d, int id_, int) {
                std::string text;
                DIALOG_GET_TEXT(d, id_, text, 20);
                seen.push_back(text.substr(0, text.find_last_not_of(' ') + 1));
            });
    }
    TestTemplates templates;
    DIALOG_RECORD dialog;
    std::vector<std::string> seen;
};

TEST_F(UserInput, TypingRaisesOneChangePerCharacterAndTheRoutineSeesTheText) {
    ASSERT_TRUE(user_type(dialog, ID_EDIT, "1.5"));
    EXPECT_EQ(seen, (std::vector<std::string>{"1", "1.", "1.5"}));
    ASSERT_TRUE(user_set_caret(dialog, ID_EDIT, 1));
    ASSERT_TRUE(user_type(dialog, ID_EDIT, "2"));
    EXPECT_EQ(seen.back(), "12.5");
    ASSERT_TRUE(user_backspace(dialog, ID_EDIT));
    EXPECT_EQ(seen.back(), "1.5");
}

TEST_F(UserInput, NumberEditsRefuseKeysButNotPastes) {
    ASSERT_TRUE(user_type(dialog, ID_NUMBER_EDIT, "1a2"));
    EXPECT_EQ(seen, (std::vector<std::string>{"1", "12"}));
    ASSERT_TRUE(user_paste(dialog, ID_NUMBER_EDIT, "x9"));
    EXPECT_EQ(seen.back(), "12x9");
}

TEST_F(UserInput, DisabledAndReadOnlyControlsTakeNoInput) {
    EXPECT_FALSE(user_type(dialog, ID_READ_ONLY, "x"));
    DIALOG_SET_FLAG(dialog, ID_EDIT, false, PROP_ENABLED);
    EXPECT_FALSE(user_type(dialog, ID_EDIT, "x"));
    EXPECT_FALSE(user_click(dialog, ID_DISABLED_BUTTON));
    EXPECT_TRUE(seen.empty());
}

TEST_F(UserInput, ClicksMoveRadioSelectionAndToggleCheckBoxes) {
    int clicks = 0;
    DIALOG_SET_CALLBACK(dialog, ID_RADIO_A2, [&](DIALOG_RECORD& d, int, int event) {
        EXPECT_EQ(event, EVENT_CLICKED);
        bool state = false;
        DIALOG_GET_FLAG(d, ID_RADIO_A2, state);
        EXPECT_TRUE(state) << "the group has moved before the routine runs";
        ++clicks;
    });
    ASSERT_TRUE(user_click(dialog, ID_RADIO_A2));
    EXPECT_EQ(clicks, 1);
    bool state = true;
    DIALOG_GET_FLAG(dialog, ID_RADIO_A1, state);
    EXPECT_FALSE(state);
    ASSERT_TRUE(user_click(dialog, ID_CHECK));
    DIALOG_GET_FLAG(dialog, ID_CHECK, state);
    EXPECT_TRUE(state);
    EXPECT_FALSE(user_click(dialog, ID_INDICATOR)) << "the user cannot change an indicator";
    DIALOG_GET_FLAG(dialog, ID_INDICATOR, state);
    EXPECT_FALSE(state);
}

TEST_F(UserInput, EscapeAndEnterOnAWindowlessRecord) {
    user_enter(dialog);
    EXPECT_EQ(dialog.return_value, ID_OK);
    user_escape(dialog);
    EXPECT_EQ(dialog.return_value, ID_CANCEL);
}

} // namespace
} // namespace binora::testing
