#pragma once

// Offscreen GUI tests with real widgets. Link binora_test_support_qt instead of gtest_main:
// its main() creates the test process's QApplication (on the offscreen platform unless
// QT_QPA_PLATFORM says otherwise). Derive test fixtures from GuiTest: each test runs with the
// Qt dialog layer installed and a modal watchdog (modal_watchdog.hpp) on duty.

#include "modal_watchdog.hpp"

#include "dialog/dialog_record.hpp"
#include "dialog/dialog_window.hpp"
#include "dialog/file_chooser.hpp"
#include "dialog/message_box.hpp"

#include <QFileDialog>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>

namespace binora {
class DialogWidget;
}

namespace binora::testing {

class GuiTest : public ::testing::Test {
  protected:
    // Installs a fresh Qt window system and the Qt message-box and save-file handlers (the
    // previous ones come back in TearDown) and starts the watchdog.
    void SetUp() override;
    // Fails for expected modal windows that never appeared, deletes the windows destroyed
    // during the test and restores what SetUp replaced.
    void TearDown() override;

    ModalWatchdog& watchdog() { return *watchdog_; }

  private:
    std::unique_ptr<ModalWatchdog> watchdog_;
    std::unique_ptr<WindowSystem> system_; // one per test: no quit posted by one reaches another
    WindowSystem* previous_system_ = nullptr;
    MessageBoxHandler previous_message_box_;
    SaveFileHandler previous_save_file_;
};

// Lets queued events, timers and deferred deletions run for a moment.
void settle_events();

// Types `name` over the name field of a file dialog, as its user would, and accepts it as its
// Save button does: the dialog then asks, closes or stays open as it would for the user.
void accept_file_name(QFileDialog& dialog, const QString& name);

// The window of a record shown by the Qt dialog layer, and the widget of one of its controls
// (nullptr when the record has no Qt window or no such control).
DialogWidget* dialog_widget(const DIALOG_RECORD& record);
QWidget* control_widget(DIALOG_RECORD& record, int id);

// A widget of the record's control, cast to the widget class the layer makes for its kind.
template <class Widget> Widget* control(DIALOG_RECORD& record, int id) {
    return qobject_cast<Widget*>(control_widget(record, id));
}

} // namespace binora::testing
