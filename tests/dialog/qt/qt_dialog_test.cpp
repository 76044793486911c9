#include "qt_dialog_test.hpp"

#include "dialog/qt/dialog_widget.hpp"

#include <QTest>

#include <algorithm>

namespace binora::testing {

void QtDialogTest::SetUp() {
    GuiTest::SetUp();
    ASSERT_TRUE(DIALOG_INIT(EDIT_DIALOG, dialog));
}

void QtDialogTest::TearDown() {
    DIALOG_RELEASE(dialog);
    GuiTest::TearDown();
}

void QtDialogTest::show() {
    ASSERT_TRUE(DIALOG_SHOW_MODELESS(dialog));
    ASSERT_NE(dialog_widget(dialog), nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog_widget(dialog)));
}

void QtDialogTest::count(int id, int event) {
    DIALOG_SET_CALLBACK(
        dialog, id,
        [this](DIALOG_RECORD&, int control, int kind) { raised.emplace_back(control, kind); },
        event);
}

int QtDialogTest::events(int id, int event) const {
    return static_cast<int>(std::count(raised.begin(), raised.end(), std::make_pair(id, event)));
}

std::string QtDialogTest::text(int id) {
    int length = 0;
    DIALOG_GET_INT(dialog, id, length, PROP_TEXT_LENGTH);
    std::string value;
    DIALOG_GET_TEXT(dialog, id, value, static_cast<std::size_t>(length));
    return value;
}

} // namespace binora::testing
