#pragma once

// The whole program on real widgets, offscreen, as a desktop user meets it: the main dialog
// shown as at start-up, with helpers to click, type a value, pick a parameter row and look
// at the About, Info and Summary dialogs while they are open. Link
// binora_test_program_on_screen.

#include "gui_test.hpp"

#include "dialog/dialog_record.hpp"

#include <functional>

class QWidget;

namespace binora::testing {

class ProgramOnScreen : public GuiTest {
  protected:
    void SetUp() override;
    void TearDown() override;

    static DIALOG_RECORD& main_dialog();
    static DIALOG_RECORD& summary_dialog();
    static QWidget& main_window();

    // Clicks a button, radio button or check box of the main dialog.
    void click(int id);
    // Types `value` over the value edit's text, then clicks into the binary32 significand,
    // which rebuilds X from the bits and enables the parameter list.
    void enter_value(const char* value);
    // Clicks 1-based row `row` of the parameter list.
    void select_row(int row);
    // Clicks the main dialog's button `id` that opens a modal dialog, calls `look` with that
    // dialog's window while it is open, then closes it with Escape.
    void while_open(int id, const std::function<void(QWidget& dialog)>& look);
};

} // namespace binora::testing
