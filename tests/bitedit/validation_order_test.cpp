// What the user sees while a validation box is open: corrections and the cursor read-out are
// pushed to the window before each box appears, in the order of the edit's shape (a sign
// edit is corrected before its excess box; other edits are cut after it).

#include "box_texts.hpp"
#include "controller/sub_represent.hpp"
#include "dialog/dialog_events.hpp"
#include "dialog/dialog_operations.hpp"
#include "fake_window_system.hpp"
#include "main_dialog_test.hpp"
#include "resources/resource.hpp"
#include "state/comun.hpp"

#include <string>
#include <vector>

namespace binora::testing {
namespace {

struct Seen {
    std::string box;
    std::string edit;   // the edit's text in the window while the box is open
    std::string cursor; // IDC_CURSOR_POS in the window
    std::string width;  // IDC_FIELD_WIDTH in the window
};

bool operator==(const Seen& a, const Seen& b) {
    return a.box == b.box && a.edit == b.edit && a.cursor == b.cursor && a.width == b.width;
}

void PrintTo(const Seen& s, std::ostream* os) {
    *os << "{" << (s.box == INVALID_BOX ? "invalid" : "excess") << ", \"" << s.edit << "\", "
        << s.cursor << ", " << s.width << "}";
}

class ValidationOrder : public MainDialogTest {
  protected:
    void SetUp() override {
        MainDialogTest::SetUp();
        ASSERT_TRUE(DIALOG_SHOW_MODELESS(dialog()));
        window = FakeWindowSystem::window_of(dialog());
        ASSERT_NE(window, nullptr);
    }

    // The user leaves `text` in the edit with the caret at `caret`; the window reports it.
    std::vector<Seen> user_changes(int kind, int edit, const std::string& text, int caret) {
        COMUN.KIND_REAL = kind;
        std::vector<Seen> seen;
        message_boxes.on_box = [&](const MessageBoxRequest& request) {
            seen.push_back({request.text, window->shown(edit).text,
                            window->shown(IDC_CURSOR_POS).text,
                            window->shown(IDC_FIELD_WIDTH).text});
        };
        window->user_value(edit).text = text;
        window->user_value(edit).caret = caret;
        ++changes;
        dispatch_event(dialog(), edit, EVENT_CHANGED);
        return seen;
    }

    FakeWindowSystem windows;
    FakeWindow* window = nullptr;
    int changes = 0;
};

TEST_F(ValidationOrder, EachBoxSeesTheScreenOfItsStep) {
    struct Row {
        int kind;
        int edit;
        std::string text;
        int caret;
        std::vector<Seen> seen;
        std::string after;
    };
    const std::string e32 = "01111111", e64 = "10000000001", f48(48, '0');
    const Row rows[] = {
        // Sign edits: corrected first, then the excess box.
        {4, IDC_S32, "01", 2, {{EXCESS_BOX, "0", "2", "1"}}, "0"},
        {4, IDC_S32, "a0", 1, {{INVALID_BOX, "1", "1", "1"}, {EXCESS_BOX, "1", "1", "1"}}, "1"},
        {16, IDC_S128, "7", 1, {{INVALID_BOX, "1", "1", "1"}}, "1"},
        // Other edits: the excess box shows the long text, the cut follows.
        {4, IDC_E32, e32 + "1", 9, {{EXCESS_BOX, e32 + "1", "9", "8"}}, e32},
        {4,
         IDC_E32,
         e32 + "x",
         9,
         {{INVALID_BOX, e32, "9", "8"}, {EXCESS_BOX, e32, "9", "8"}},
         e32},
        {8, IDC_E64, e64 + "7", 12, {{EXCESS_BOX, e64 + "7", "12", "11"}}, e64},
        {16, IDC_F128_48, f48 + "1", 49, {{EXCESS_BOX, f48 + "1", "49", "48"}}, f48},
        {4, IDC_F32, "0a1b", 4, {{INVALID_BOX, "0111", "4", "23"}}, "0111"},
        {4, IDC_F32, "0 1", 3, {}, "0 1"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        message_boxes.clear();
        EXPECT_EQ(user_changes(row.kind, row.edit, row.text, row.caret), row.seen);
        EXPECT_EQ(window->shown(row.edit).text, row.after);
    }
}

TEST_F(ValidationOrder, CorrectionsRaiseNoFurtherChange) {
    int runs = 0;
    DIALOG_SET_CALLBACK(
        dialog(), IDC_E32,
        [&runs](DIALOG_RECORD& d, int id, int event) {
            ++runs;
            SUB_REPRESENT(d, id, event);
        },
        EVENT_CHANGED);
    user_changes(4, IDC_E32, "0000000x1", 9);
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(message_boxes.texts(), (std::vector<std::string>{INVALID_BOX, EXCESS_BOX}));
    EXPECT_EQ(window->shown(IDC_E32).text, "00000001");
}

} // namespace
} // namespace binora::testing
