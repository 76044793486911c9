// Records with a window (the fake window system): when writes reach the window, which
// events are raised, how dialogs close, modal and modeless runs.

#include "dialog/dialog_events.hpp"
#include "dialog/dialog_operations.hpp"
#include "fake_window_system.hpp"
#include "test_templates.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace binora::testing {
namespace {

struct Event {
    int id;
    int event;
    bool operator==(const Event&) const = default;
};

class Windows : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(DIALOG_INIT(TEST_DIALOG, dialog));
        DIALOG_SET_CALLBACK(dialog, TEST_DIALOG, [this](DIALOG_RECORD&, int id, int event) {
            events.push_back({id, event});
        });
    }
    FakeWindow& window() { return *FakeWindowSystem::window_of(dialog); }
    void show() { ASSERT_TRUE(DIALOG_SHOW_MODELESS(dialog)); }

    TestTemplates templates;
    FakeWindowSystem system;
    DIALOG_RECORD dialog;
    std::vector<Event> events;
};

TEST_F(Windows, ValuesWrittenBeforeTheWindowAppearWhenItIsCreated) {
    DIALOG_SET_TEXT(dialog, ID_EDIT, "before");
    DIALOG_SET_TITLE(dialog, "Caption");
    show();
    EXPECT_EQ(window().shown(ID_EDIT).text, "before");
    EXPECT_EQ(window().caption(), "Caption");
    EXPECT_EQ(window().show_command(), SW_SHOWNORMAL);
    EXPECT_EQ(events, (std::vector<Event>{{TEST_DIALOG, EVENT_INIT}}));
}

TEST_F(Windows, WritesInsideTheDialogsRoutineWaitUntilItReturnsOrAFlush) {
    show();
    std::vector<std::string> seen_during_routine;
    DIALOG_SET_CALLBACK(dialog, ID_BUTTON, [&](DIALOG_RECORD& d, int, int) {
        DIALOG_SET_TEXT(d, ID_EDIT, "first");
        seen_during_routine.push_back(window().shown(ID_EDIT).text);
        DIALOG_FLUSH(d);
        seen_during_routine.push_back(window().shown(ID_EDIT).text);
        DIALOG_SET_TEXT(d, ID_LABEL, "second");
        DIALOG_SET_TEXT(d, ID_LABEL, "third");
        seen_during_routine.push_back(window().shown(ID_LABEL).text);
    });
    dispatch_event(dialog, ID_BUTTON, EVENT_CLICKED);
    EXPECT_EQ(seen_during_routine, (std::vector<std::string>{"", "first", "Label"}));
    EXPECT_EQ(window().shown(ID_LABEL).text, "third") << "the last write wins";
    EXPECT_FALSE(dialog.dirty);
}

TEST_F(Windows, WritesFromOutsideTheDialogsRoutineReachItAtOnce) {
    show();
    DIALOG_SET_TEXT(dialog, ID_EDIT, "now");
    EXPECT_EQ(window().shown(ID_EDIT).text, "now");

    // A routine of another dialog writing into this one.
    DIALOG_RECORD other;
    ASSERT_TRUE(DIALOG_INIT(TEST_DIALOG, other));
    DIALOG_SET_CALLBACK(other, ID_BUTTON, [&](DIALOG_RECORD&, int, int) {
        DIALOG_SET_TEXT(dialog, ID_LABEL, "from other");
        EXPECT_EQ(window().shown(ID_LABEL).text, "from other");
    });
    ASSERT_TRUE(DIALOG_SHOW_MODELESS(other));
    dispatch_event(other, ID_BUTTON, EVENT_CLICKED);
}

// A window that, like a real toolkit, reports a change when the program sets an edit's text.
class EchoingWindowSystem : public FakeWindowSystem {
  public:
    std::unique_ptr<DialogWindow> create_window(DIALOG_RECORD& record, DialogWindow* parent,
                                                bool modal) override {
        class Echo : public FakeWindow {
          public:
            using FakeWindow::FakeWindow;
            void push_control(const ControlRecord& control) override {
                FakeWindow::push_control(control);
                if (control.kind == ControlKind::Edit)
                    dispatch_event(record(), control.id, EVENT_CHANGED);
            }
        };
        parents.push_back(parent);
        (void)modal;
        return std::make_unique<Echo>(record);
    }
};

TEST(WindowsEcho, ProgramWritesRaiseNoChangeEvents) {
    TestTemplates templates;
    EchoingWindowSystem system;
    DIALOG_RECORD dialog;
    ASSERT_TRUE(DIALOG_INIT(TEST_DIALOG, dialog));
    int changes = 0;
    DIALOG_SET_CALLBACK(dialog, ID_EDIT, [&](DIALOG_RECORD&, int, int) { ++changes; });
    ASSERT_TRUE(DIALOG_SHOW_MODELESS(dialog));
    DIALOG_SET_TEXT(dialog, ID_EDIT, "program");
    DIALOG_SET_INT(dialog, ID_EDIT, 12, PROP_TEXT_LENGTH);
    EXPECT_EQ(changes, 0);
    dispatch_event(dialog, ID_EDIT, EVENT_CHANGED); // the user typed
    EXPECT_EQ(changes, 1);
}

TEST_F(Windows, ReadsSeeWhatTheUserChangedUnlessAWriteIsPending) {
    show();
    window().user_value(ID_EDIT).text = "typed";
    window().user_value(ID_EDIT).caret = 5;
    std::string text;
    ASSERT_TRUE(DIALOG_GET_TEXT(dialog, ID_EDIT, text, 6));
    EXPECT_EQ(text, "typed ");
    DIALOG_SET_CALLBACK(dialog, ID_BUTTON, [&](DIALOG_RECORD& d, int, int) {
        DIALOG_SET_TEXT(d, ID_EDIT, "pending");
        window().user_value(ID_EDIT).text = "ignored while a write is pending";
        DIALOG_GET_TEXT(d, ID_EDIT, text, 7);
    });
    dispatch_event(dialog, ID_BUTTON, EVENT_CLICKED);
    EXPECT_EQ(text, "pending");
}

TEST_F(Windows, AWriteKeepsTheOtherPropertiesTheUserChanged) {
    show();
    window().user_value(ID_EDIT).text = "user text";
    DIALOG_SET_FLAG(dialog, ID_EDIT, false, PROP_ENABLED);
    EXPECT_EQ(window().shown(ID_EDIT).text, "user text");
    EXPECT_FALSE(window().shown(ID_EDIT).enabled);
}

TEST_F(Windows, NotificationsWhileBusyOrFromUnknownControlsAreIgnored) {
    show();
    int calls = 0;
    DIALOG_SET_CALLBACK(dialog, ID_EDIT, [&](DIALOG_RECORD&, int, int) { ++calls; });
    dialog.busy = true;
    dispatch_event(dialog, ID_EDIT, EVENT_CHANGED);
    dialog.busy = false;
    dispatch_event(dialog, 0, EVENT_CHANGED);
    dispatch_event(dialog, 12345, EVENT_CHANGED);
    dispatch_event(dialog, ID_EDIT, EVENT_CLICKED); // not an event of an edit
    EXPECT_EQ(calls, 0);
    dispatch_event(dialog, ID_EDIT, EVENT_CHANGED);
    EXPECT_EQ(calls, 1);
}

TEST_F(Windows, APushButtonWithoutRoutineClosesTheModelessDialogWithItsId) {
    show();
    window().user_value(ID_EDIT).text = "last words";
    dispatch_event(dialog, ID_BUTTON, EVENT_CLICKED);
    EXPECT_EQ(dialog.return_value, ID_BUTTON);
    EXPECT_FALSE(dialog.window);
    EXPECT_EQ(events.back(), (Event{TEST_DIALOG, EVENT_DESTROY}));
    std::string text;
    DIALOG_GET_TEXT(dialog, ID_EDIT, text, 10);
    EXPECT_EQ(text, "last words") << "values are read back when the window closes";
    // The record can be shown again.
    show();
    EXPECT_EQ(window().shown(ID_EDIT).text, "last words");
}

TEST_F(Windows, AModalRunReturnsTheClickedButtonsIdAndEscapeGivesTwo) {
    struct Row {
        const char* action;
        int result;
    };
    for (const Row& row : {Row{"button", ID_BUTTON}, Row{"ok", ID_OK}, Row{"escape", ID_CANCEL},
                           Row{"enter", ID_OK}}) {
        const std::string action = row.action;
        system.during_modal = [&](FakeWindow& w) {
            if (action == "button") dispatch_event(w.record(), ID_BUTTON, EVENT_CLICKED);
            if (action == "ok") dispatch_event(w.record(), ID_OK, EVENT_CLICKED);
            if (action == "escape") dialog_command(w.record(), 2);
            if (action == "enter") dialog_command(w.record(), enter_command_id(w.record()));
        };
        EXPECT_EQ(DIALOG_RUN_MODAL(dialog), row.result) << row.action;
        EXPECT_FALSE(dialog.window);
    }
}

TEST_F(Windows, AModalRunFailsWithMinusOneWhenNoWindowCanBeMade) {
    system.can_create = false;
    EXPECT_EQ(DIALOG_RUN_MODAL(dialog), -1);
    EXPECT_FALSE(DIALOG_SHOW_MODELESS(dialog));
}

TEST_F(Windows, CommandsFollowTheKeyboardRules) {
    show();
    // Escape reaches the hidden but enabled CANCEL button, which has the default routine.
    dialog_command(dialog, 2);
    EXPECT_FALSE(dialog.window);
    EXPECT_EQ(dialog.return_value, 2);

    // A disabled button does not take its command; an unknown id is ignored.
    show();
    dialog_command(dialog, ID_DISABLED_BUTTON);
    dialog_command(dialog, 777);
    EXPECT_TRUE(dialog.window);

    // A dialog without a CANCEL control still closes on Escape, and Enter finds no id 1.
    DIALOG_RECORD bare;
    ASSERT_TRUE(DIALOG_INIT(TEST_DIALOG_NO_DEFAULT, bare));
    ASSERT_TRUE(DIALOG_SHOW_MODELESS(bare));
    EXPECT_EQ(enter_command_id(bare), 1);
    dialog_command(bare, enter_command_id(bare));
    EXPECT_TRUE(bare.window);
    dialog_command(bare, 2);
    EXPECT_FALSE(bare.window);
    EXPECT_EQ(bare.return_value, 2);
}

TEST_F(Windows, KeyMessagesGoToTheActiveModelessDialog) {
    DialogMessage escape;
    escape.key = DialogMessage::Key::Escape;
    EXPECT_FALSE(DIALOG_IS_DIALOG_MESSAGE(escape)) << "no active modeless dialog";
    show();
    dialog_activated(dialog, true);
    DialogMessage other;
    EXPECT_FALSE(DIALOG_IS_DIALOG_MESSAGE(other));
    int clicks = 0;
    DIALOG_SET_CALLBACK(dialog, ID_OK, [&](DIALOG_RECORD&, int, int) { ++clicks; });
    DialogMessage enter;
    enter.key = DialogMessage::Key::Enter;
    EXPECT_TRUE(DIALOG_IS_DIALOG_MESSAGE(enter));
    EXPECT_EQ(clicks, 1) << "Enter clicks the default button";
    enter.focus_id = ID_BUTTON;
    EXPECT_TRUE(DIALOG_IS_DIALOG_MESSAGE(enter));
    EXPECT_FALSE(dialog.window) << "Enter on a focused push button clicks that button";
    EXPECT_EQ(active_modeless_dialog(), nullptr);
}

TEST_F(Windows, ParentsFollowModalRunsAndRunningRoutines) {
    show(); // no routine running: no parent
    DIALOG_RECORD modal;
    DIALOG_RECORD inner;
    ASSERT_TRUE(DIALOG_INIT(TEST_DIALOG, modal));
    ASSERT_TRUE(DIALOG_INIT(TEST_DIALOG, inner));
    DIALOG_SET_CALLBACK(dialog, ID_BUTTON, [&](DIALOG_RECORD&, int, int) {
        system.during_modal = [&](FakeWindow& w) {
            if (&w.record() == &modal) {
                DIALOG_RUN_MODAL(inner); // opened while the outer modal run is in progress
                dialog_command(modal, 2);
            } else {
                dialog_command(inner, 2);
            }
        };
        DIALOG_RUN_MODAL(modal);
    });
    dispatch_event(dialog, ID_BUTTON, EVENT_CLICKED);
    ASSERT_EQ(system.parents.size(), 3U);
    EXPECT_EQ(system.parents[0], nullptr);
    EXPECT_EQ(system.parents[1], dialog.window.get()) << "owned by the running routine's dialog";
    EXPECT_NE(system.parents[2], nullptr) << "owned by the modal run in progress";
    EXPECT_NE(system.parents[2], dialog.window.get());
}

TEST_F(Windows, AModelessDialogIsDestroyedWithItsOwner) {
    show();
    DIALOG_RECORD summary;
    ASSERT_TRUE(DIALOG_INIT(TEST_DIALOG, summary));
    std::vector<Event> summary_events;
    DIALOG_SET_CALLBACK(summary, TEST_DIALOG, [&](DIALOG_RECORD&, int id, int event) {
        summary_events.push_back({id, event});
    });
    DIALOG_SET_CALLBACK(dialog, ID_CHECK, [&](DIALOG_RECORD&, int, int) {
        EXPECT_TRUE(DIALOG_SHOW_MODELESS(summary));
        EXPECT_TRUE(DIALOG_SHOW_MODELESS(summary)) << "a second show brings it to the front";
    });
    dispatch_event(dialog, ID_CHECK, EVENT_CLICKED);
    ASSERT_TRUE(summary.window);
    EXPECT_EQ(system.parents.back(), dialog.window.get());
    dispatch_event(dialog, ID_BUTTON, EVENT_CLICKED); // closes the owner
    EXPECT_FALSE(summary.window);
    EXPECT_EQ(summary_events.back(), (Event{TEST_DIALOG, EVENT_DESTROY}));
}

TEST_F(Windows, DestroyRunsTheDialogRoutineAndTheLoopEndsWithItsExitCode) {
    DIALOG_SET_CALLBACK(dialog, TEST_DIALOG, [](DIALOG_RECORD&, int, int event) {
        if (event == EVENT_DESTROY) post_quit_message(0);
    });
    show();
    system.during_loop = [&] { dialog_command(dialog, 2); };
    EXPECT_EQ(run_message_loop(), 0);
    EXPECT_FALSE(dialog.window);
}

TEST_F(Windows, ResizeRunsTheResizeRoutine) {
    int resized = 0;
    DIALOG_SET_CALLBACK(
        dialog, TEST_DIALOG,
        [&](DIALOG_RECORD&, int id, int event) {
            EXPECT_EQ(id, TEST_DIALOG);
            EXPECT_EQ(event, EVENT_RESIZE);
            ++resized;
        },
        EVENT_RESIZE);
    show();
    dialog_resized(dialog);
    EXPECT_EQ(resized, 1);
}

TEST_F(Windows, ReleaseDestroysTheWindowAndEmptiesTheRecord) {
    show();
    DIALOG_RELEASE(dialog);
    EXPECT_FALSE(dialog.window);
    EXPECT_TRUE(dialog.controls.empty());
    EXPECT_EQ(events.back(), (Event{TEST_DIALOG, EVENT_DESTROY}));
}

} // namespace
} // namespace binora::testing
