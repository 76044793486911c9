// Edits on real widgets: change events per keystroke and paste, none for the program's own
// writes, deferred writes inside routines, focus events, number-only key filtering, the edge
// of a flat edit.

#include "qt_dialog_test.hpp"

#include "dialog/message_box.hpp"
#include "dialog/qt/control_widgets.hpp"
#include "dialog/qt/dialog_widget.hpp"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QTest>
#include <qdrawutil.h>

#include <algorithm>

namespace binora::testing {

namespace {

using EditEventsTest = QtDialogTest;

TEST_F(EditEventsTest, EachKeystrokeRaisesOneChangeThatSeesTheTextTypedSoFar) {
    std::vector<std::string> seen;
    DIALOG_SET_CALLBACK(dialog, ID_VALUE, [&](DIALOG_RECORD& d, int id, int) {
        std::string typed;
        DIALOG_GET_TEXT(d, id, typed, 5);
        seen.push_back(typed);
    });
    show();
    QTest::keyClicks(control<QLineEdit>(dialog, ID_VALUE), "1.5");
    EXPECT_EQ(seen, (std::vector<std::string>{"1    ", "1.   ", "1.5  "}));
}

TEST_F(EditEventsTest, ProgramWritesRaiseNoEventsAndShowAtOnce) {
    count(ID_VALUE, EVENT_CHANGED);
    count(ID_LIST, EVENT_SELECTION_CHANGED);
    show();
    DIALOG_SET_TEXT(dialog, ID_VALUE, "42   ");
    DIALOG_SET_TEXT(dialog, ID_LIST, "row", PROP_APPEND_ITEM);
    DIALOG_SET_INT(dialog, ID_LIST, 1, 1);
    EXPECT_TRUE(raised.empty());
    EXPECT_EQ(control<QLineEdit>(dialog, ID_VALUE)->text(), "42");
    EXPECT_EQ(control<QListWidget>(dialog, ID_LIST)->currentRow(), 0);
}

TEST_F(EditEventsTest, WritesInsideTheDialogsRoutineReachTheWindowOnReturnOrFlush) {
    struct Case {
        bool flush;
        const char* shown_inside;
    };
    for (const Case c : {Case{false, ""}, Case{true, "written"}}) {
        QString inside;
        DIALOG_SET_CALLBACK(dialog, ID_VALUE, [&](DIALOG_RECORD& d, int, int) {
            DIALOG_SET_TEXT(d, ID_SECOND, "written");
            if (c.flush) DIALOG_FLUSH(d);
            inside = control<QLineEdit>(d, ID_SECOND)->text();
        });
        show();
        QTest::keyClick(control<QLineEdit>(dialog, ID_VALUE), Qt::Key_1);
        EXPECT_EQ(inside, c.shown_inside) << "flush " << c.flush;
        EXPECT_EQ(control<QLineEdit>(dialog, ID_SECOND)->text(), "written");
        DIALOG_EXIT(dialog);
        DIALOG_SET_TEXT(dialog, ID_SECOND, "");
    }
}

TEST_F(EditEventsTest, ARoutineMayCorrectTheTextOfItsOwnEditWhileTheUserTypes) {
    // Like the bit edits: a typed character other than 0 or 1 is replaced by 1.
    int changes = 0;
    DIALOG_SET_CALLBACK(dialog, ID_VALUE, [&](DIALOG_RECORD& d, int id, int) {
        ++changes;
        std::string bits = text(id);
        std::replace_if(
            bits.begin(), bits.end(), [](char c) { return c != '0' && c != '1'; }, '1');
        DIALOG_SET_TEXT(d, id, bits);
    });
    show();
    auto* edit = control<QLineEdit>(dialog, ID_VALUE);
    QTest::keyClicks(edit, "0x0");
    EXPECT_EQ(edit->text(), "010");
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(edit->cursorPosition(), 3);
}

TEST_F(EditEventsTest, EnteringAnEditByMouseOrTabRaisesFocusGained) {
    count(ID_VALUE, EVENT_FOCUS_GAINED);
    count(ID_NUMBER, EVENT_FOCUS_GAINED);
    count(ID_SECOND, EVENT_FOCUS_GAINED);
    show();
    QTest::mouseClick(control<QLineEdit>(dialog, ID_SECOND), Qt::LeftButton);
    EXPECT_EQ(events(ID_SECOND, EVENT_FOCUS_GAINED), 1);
    QTest::mouseClick(control<QLineEdit>(dialog, ID_VALUE), Qt::LeftButton);
    QTest::keyClick(control<QLineEdit>(dialog, ID_VALUE), Qt::Key_Tab);
    EXPECT_EQ(events(ID_VALUE, EVENT_FOCUS_GAINED), 1);
    EXPECT_EQ(events(ID_NUMBER, EVENT_FOCUS_GAINED), 1);
    EXPECT_EQ(raised.size(), 3U);
}

TEST_F(EditEventsTest, ClosingAMessageBoxDoesNotRaiseFocusGainedAgain) {
    count(ID_VALUE, EVENT_FOCUS_GAINED);
    DIALOG_SET_CALLBACK(dialog, ID_VALUE, [](DIALOG_RECORD&, int, int) {
        message_box("Invalid Value", "Error", MessageIcon::Error);
    });
    show();
    auto* edit = control<QLineEdit>(dialog, ID_VALUE);
    QTest::mouseClick(edit, Qt::LeftButton);
    watchdog().expect_message_box();
    QTest::keyClick(edit, Qt::Key_X);
    ASSERT_EQ(watchdog().message_boxes().size(), 1U);
    EXPECT_EQ(watchdog().message_boxes()[0].text, "Invalid Value");
    EXPECT_EQ(watchdog().message_boxes()[0].icon, QMessageBox::Critical);
    dialog_widget(dialog)->activateWindow(); // what the window manager does when the box goes
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog_widget(dialog)));
    EXPECT_TRUE(edit->hasFocus());
    EXPECT_EQ(events(ID_VALUE, EVENT_FOCUS_GAINED), 1);
}

TEST_F(EditEventsTest, NumberEditRefusesTypedLettersButTakesALongPasteWhole) {
    count(ID_NUMBER, EVENT_CHANGED);
    show();
    auto* edit = control<QLineEdit>(dialog, ID_NUMBER);
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::keyClicks(edit, "1a2-b");
    EXPECT_EQ(text(ID_NUMBER), "12");
    EXPECT_EQ(events(ID_NUMBER, EVENT_CHANGED), 2);

    const std::string pasted = std::string(4999, '0') + "x";
    QGuiApplication::clipboard()->setText(QString::fromStdString(pasted));
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(events(ID_NUMBER, EVENT_CHANGED), 3);
    EXPECT_EQ(text(ID_NUMBER), pasted);
}

// A flat read-out draws its own sunken edge and its own panel: drawing Qt's shaded rectangle
// over what it shows changes no pixel, at every size, enabled or not.
TEST_F(EditEventsTest, AFlatEditShowsTheSunkenEdgeOfQtsShadedRectangle) {
    for (const QSize size : {QSize(4, 4), QSize(5, 5), QSize(21, 21), QSize(805, 21)}) {
        for (const bool enabled : {true, false}) {
            EditBox edit(STYLE_FLAT | STYLE_READ_ONLY, nullptr);
            edit.setText(QStringLiteral("0101"));
            edit.resize(size);
            edit.setEnabled(enabled);
            const QImage shown = edit.grab().toImage();
            QImage edged = shown.copy();
            {
                QPainter painter(&edged);
                qDrawShadeRect(&painter, edit.rect(), edit.palette(), true, 1);
            }
            EXPECT_TRUE(shown == edged)
                << size.width() << "x" << size.height() << (enabled ? " enabled" : " disabled");
        }
    }
}

} // namespace

} // namespace binora::testing
