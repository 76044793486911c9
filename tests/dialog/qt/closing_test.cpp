// Ending dialogs on real widgets: Escape, the close box and a push button without routine
// end the message loop through the dialog-level routine; Enter follows the default button;
// modal runs return the id that closed them.

#include "qt_dialog_test.hpp"

#include "dialog/dialog_events.hpp"
#include "dialog/qt/dialog_widget.hpp"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace binora::testing {

namespace {

constexpr int LOOP_TIMEOUT_MILLISECONDS = 5000;
constexpr int TIMED_OUT = -99;

// Runs the message loop with `action` done from inside it; TIMED_OUT if nothing ends it.
int run_loop_with(const std::function<void()>& action) {
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(TIMED_OUT); });
    guard.start(LOOP_TIMEOUT_MILLISECONDS);
    QTimer::singleShot(0, action);
    return run_message_loop();
}

class ClosingTest : public QtDialogTest {
  protected:
    void SetUp() override {
        QtDialogTest::SetUp();
        DIALOG_SET_CALLBACK(
            dialog, EDIT_DIALOG,
            [this](DIALOG_RECORD&, int, int event) {
                if (event == EVENT_DESTROY) {
                    destroyed = true;
                    post_quit_message(0);
                }
            },
            EVENT_DESTROY);
    }
    bool destroyed = false;
};

TEST_F(ClosingTest, EscapeCloseBoxAndExitEndTheMessageLoopThroughTheDialogRoutine) {
    struct Case {
        const char* name;
        std::function<void(DIALOG_RECORD&)> act;
        int return_value;
    };
    const Case cases[] = {
        {"Escape in an edit",
         [](DIALOG_RECORD& d) { QTest::keyClick(control<QLineEdit>(d, ID_VALUE), Qt::Key_Escape); },
         ID_CANCEL},
        {"close box", [](DIALOG_RECORD& d) { dialog_widget(d)->close(); }, ID_CANCEL},
        {"Exit button",
         [](DIALOG_RECORD& d) {
             QTest::mouseClick(control<QPushButton>(d, ID_EXIT), Qt::LeftButton);
         },
         ID_EXIT},
    };
    for (const Case& c : cases) {
        destroyed = false;
        show();
        EXPECT_EQ(active_modeless_dialog(), &dialog) << c.name;
        EXPECT_EQ(run_loop_with([&] { c.act(dialog); }), 0) << c.name;
        EXPECT_TRUE(destroyed) << c.name;
        EXPECT_EQ(dialog.window, nullptr) << c.name;
        EXPECT_EQ(dialog.return_value, c.return_value) << c.name;
    }
}

TEST_F(ClosingTest, TheLoopReturnsTheCodeOfThePostedQuit) {
    EXPECT_EQ(run_loop_with([] { post_quit_message(7); }), 7);
}

TEST_F(ClosingTest, AQuitPostedOutsideTheLoopEndsOnlyTheNextLoop) {
    post_quit_message(3);
    settle_events();
    DIALOG_RECORD modal;
    ASSERT_TRUE(DIALOG_INIT(MODAL_DIALOG, modal));
    watchdog().expect_modal([&](QWidget&) {
        QTest::mouseClick(control<QPushButton>(modal, ID_OTHER), Qt::LeftButton);
    });
    EXPECT_EQ(DIALOG_RUN_MODAL(modal), ID_OTHER);
    EXPECT_EQ(run_loop_with([] {}), 3);
}

TEST_F(ClosingTest, EnterInAnEditOfADialogWithoutDefaultButtonDoesNothing) {
    count(ID_EXIT, EVENT_CLICKED);
    show();
    auto* edit = control<QLineEdit>(dialog, ID_VALUE);
    QTest::mouseClick(edit, Qt::LeftButton);
    EXPECT_EQ(run_loop_with([edit] {
                  QTest::keyClick(edit, Qt::Key_Return);
                  QTest::keyClick(edit, Qt::Key_Enter);
                  post_quit_message(5);
              }),
              5);
    EXPECT_NE(dialog.window, nullptr);
    EXPECT_TRUE(raised.empty());
}

TEST_F(ClosingTest, DisablingCancelDisablesTheCloseBox) {
    show();
    DIALOG_SET_FLAG(dialog, ID_CANCEL, false, PROP_ENABLED);
    DialogWidget* window = dialog_widget(dialog);
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    window->close();
    QTest::keyClick(control<QLineEdit>(dialog, ID_VALUE), Qt::Key_Escape);
    EXPECT_NE(dialog.window, nullptr);
    DIALOG_SET_FLAG(dialog, ID_CANCEL, true, PROP_ENABLED);
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    window->close();
    EXPECT_EQ(dialog.window, nullptr);
}

TEST_F(ClosingTest, ModalRunReturnsTheIdThatClosedIt) {
    struct Case {
        const char* name;
        std::function<void(DIALOG_RECORD&)> act;
        int result;
    };
    const Case cases[] = {
        {"click Other",
         [](DIALOG_RECORD& d) {
             QTest::mouseClick(control<QPushButton>(d, ID_OTHER), Qt::LeftButton);
         },
         ID_OTHER},
        {"Escape",
         [](DIALOG_RECORD& d) { QTest::keyClick(control<QLineEdit>(d, ID_VALUE), Qt::Key_Escape); },
         ID_CANCEL},
        {"Enter in the edit: the default button",
         [](DIALOG_RECORD& d) { QTest::keyClick(control<QLineEdit>(d, ID_VALUE), Qt::Key_Return); },
         ID_OK},
        {"close box", [](DIALOG_RECORD& d) { dialog_widget(d)->close(); }, ID_CANCEL},
    };
    for (const Case& c : cases) {
        DIALOG_RECORD modal;
        ASSERT_TRUE(DIALOG_INIT(MODAL_DIALOG, modal));
        watchdog().expect_modal([&](QWidget& window) {
            EXPECT_EQ(&window, dialog_widget(modal)) << c.name;
            c.act(modal);
        });
        EXPECT_EQ(DIALOG_RUN_MODAL(modal), c.result) << c.name;
        EXPECT_EQ(modal.window, nullptr) << c.name;
    }
}

} // namespace

} // namespace binora::testing
