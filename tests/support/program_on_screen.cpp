#include "program_on_screen.hpp"

#include "dialog/dialog_operations.hpp"
#include "resources/resource.hpp"
#include "resources/templates.hpp"
#include "shell/binora_globals.hpp"
#include "startup/start_up.hpp"
#include "state/comun.hpp"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

namespace binora::testing {

void ProgramOnScreen::SetUp() {
    GuiTest::SetUp();
    reset_shared_state();
    reset_shell_state();
    install_program_resources();
    ASSERT_TRUE(build_program_records());
    ASSERT_TRUE(DIALOG_SHOW_MODELESS(main_dialog()));
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main_window()));
}

void ProgramOnScreen::TearDown() {
    reset_shell_state();
    reset_shared_state();
    GuiTest::TearDown();
}

DIALOG_RECORD& ProgramOnScreen::main_dialog() {
    return BINORAGLOBALS.MAIN_DIALOG;
}

DIALOG_RECORD& ProgramOnScreen::summary_dialog() {
    return BINORAGLOBALS.SUMMARY_DIALOG;
}

QWidget& ProgramOnScreen::main_window() {
    return *control_widget(main_dialog(), IDC_VALUE_X)->window();
}

void ProgramOnScreen::click(int id) {
    auto* button = control<QAbstractButton>(main_dialog(), id);
    ASSERT_NE(button, nullptr) << "control " << id;
    // Near the left edge: on the indicator of a radio button or check box, inside a button.
    QTest::mouseClick(button, Qt::LeftButton, {},
                      QPoint(button->height() / 2, button->height() / 2));
    settle_events();
}

void ProgramOnScreen::enter_value(const char* value) {
    auto* edit = control<QLineEdit>(main_dialog(), IDC_VALUE_X);
    QTest::mouseClick(edit, Qt::LeftButton);
    edit->selectAll();
    QTest::keyClicks(edit, value);
    QTest::mouseClick(control<QLineEdit>(main_dialog(), IDC_F32), Qt::LeftButton);
    settle_events();
}

void ProgramOnScreen::select_row(int row) {
    auto* list = control<QListWidget>(main_dialog(), IDC_PARAM_LIST);
    QListWidgetItem* item = list->item(row - 1);
    ASSERT_NE(item, nullptr) << "row " << row;
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
    settle_events();
    ASSERT_EQ(list->currentRow(), row - 1);
}

void ProgramOnScreen::while_open(int id, const std::function<void(QWidget& dialog)>& look) {
    bool opened = false;
    watchdog().expect_modal([&](QWidget& dialog) {
        opened = true;
        look(dialog);
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    click(id);
    EXPECT_TRUE(opened) << "button " << id << " opened no modal dialog";
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

} // namespace binora::testing
