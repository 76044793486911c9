// The caret position and field width read-outs of the bit edit being used.

#include "bitedit/enable_bit_edits.hpp"
#include "bitedit/show_cursor_position.hpp"
#include "dialog/dialog_events.hpp"
#include "dialog/dialog_operations.hpp"
#include "fake_window_system.hpp"
#include "main_dialog_test.hpp"
#include "resources/resource.hpp"
#include "state/comun.hpp"
#include "testing/user_input.hpp"

#include <string>

namespace binora::testing {
namespace {

class CursorReadOut : public MainDialogTest {};

TEST_F(CursorReadOut, ShowsCaretAndWidthAndSetsTheCurrentField) {
    struct Row {
        int kind;
        int edit;
        std::string text;
        int caret;
        const char* position;
        const char* width;
    };
    const Row rows[] = {
        {4, IDC_E32, "0101", 3, "3", "8"},
        {4, IDC_F32, "", 0, "0", "23"},
        {8, IDC_F64, "1", 1, "1", "52"},
        {16, IDC_F128_64, std::string(64, '1'), 64, "64", "64"},
        {16, IDC_F128_48, "10", 9, "2", "48"}, // the caret never stands beyond the text
        {4, IDC_S128, "0", 1, "1", "1"},       // a sign edit is 1 bit wide in every kind
        {4, IDC_E128, "0", 0, "0", "0"},       // an edit of another kind names no field
        {4, IDC_VALUE_X, "1.5", 2, "2", "0"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.edit);
        COMUN.KIND_REAL = row.kind;
        ASSERT_TRUE(DIALOG_SET_TEXT(dialog(), row.edit, row.text));
        ASSERT_TRUE(DIALOG_SET_INT(dialog(), row.edit, row.caret, PROP_CARET));
        SHOWCURSORPOSITION_FIELD(dialog(), row.edit, EVENT_CHANGED);
        EXPECT_EQ(text(IDC_CURSOR_POS), row.position);
        EXPECT_EQ(text(IDC_FIELD_WIDTH), row.width);
        EXPECT_EQ(std::to_string(COMUN.FIELD_WIDTH), row.width);
    }
}

TEST_F(CursorReadOut, EnteringAnEditShowsZeroThenTypingShowsThePosition) {
    COMUN.KIND_REAL = 8;
    ENABLEBITEDITS(dialog(), IDC_KIND64, EVENT_CLICKED);
    ASSERT_TRUE(DIALOG_SET_TEXT(dialog(), IDC_F64, ""));
    ASSERT_TRUE(user_focus(dialog(), IDC_F64));
    EXPECT_EQ(text(IDC_CURSOR_POS), "0");
    EXPECT_EQ(text(IDC_FIELD_WIDTH), "52");
    ASSERT_TRUE(user_type(dialog(), IDC_F64, "1"));
    EXPECT_EQ(text(IDC_CURSOR_POS), "1");
    ASSERT_TRUE(user_type(dialog(), IDC_F64, "01"));
    EXPECT_EQ(text(IDC_CURSOR_POS), "3");
}

// Inside the edit's own routine both read-outs reach the window at once, before the routine
// returns (a validation box may follow).
TEST_F(CursorReadOut, ReadOutsReachTheWindowAtOnce) {
    FakeWindowSystem windows;
    COMUN.KIND_REAL = 4;
    ASSERT_TRUE(DIALOG_SHOW_MODELESS(dialog()));
    FakeWindow* window = FakeWindowSystem::window_of(dialog());
    ASSERT_NE(window, nullptr);
    std::string position, width;
    DIALOG_SET_CALLBACK(
        dialog(), IDC_F32,
        [&](DIALOG_RECORD& d, int id, int event) {
            SHOWCURSORPOSITION_FIELD(d, id, event);
            position = window->shown(IDC_CURSOR_POS).text;
            width = window->shown(IDC_FIELD_WIDTH).text;
        },
        EVENT_CHANGED);
    window->user_value(IDC_F32).text = "011";
    window->user_value(IDC_F32).caret = 2;
    dispatch_event(dialog(), IDC_F32, EVENT_CHANGED);
    EXPECT_EQ(position, "2");
    EXPECT_EQ(width, "23");
    DIALOG_RELEASE(dialog());
}

} // namespace
} // namespace binora::testing
