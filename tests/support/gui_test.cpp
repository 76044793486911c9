#include "gui_test.hpp"

#include "dialog/qt/dialog_widget.hpp"
#include "dialog/qt/qt_dialog_window.hpp"
#include "dialog/qt/qt_window_system.hpp"

#include <QCoreApplication>
#include <QLineEdit>
#include <QTest>

namespace binora::testing {

namespace {
constexpr int SETTLE_MILLISECONDS = 20;
} // namespace

void GuiTest::SetUp() {
    previous_system_ = window_system();
    previous_message_box_ = set_message_box_handler(nullptr);
    previous_save_file_ = set_save_file_handler(nullptr);
    install_qt_dialog_layer();
    system_ = std::make_unique<QtWindowSystem>();
    set_window_system(system_.get());
    watchdog_ = std::make_unique<ModalWatchdog>();
}

void GuiTest::TearDown() {
    EXPECT_EQ(watchdog_->pending(), 0) << "an expected modal window never appeared";
    settle_events();
    watchdog_.reset();
    set_window_system(previous_system_);
    system_.reset();
    set_message_box_handler(std::move(previous_message_box_));
    set_save_file_handler(std::move(previous_save_file_));
}

void settle_events() {
    QTest::qWait(SETTLE_MILLISECONDS);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void accept_file_name(QFileDialog& dialog, const QString& name) {
    auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(edit, nullptr) << "the file dialog has no name field";
    edit->selectAll();
    QTest::keyClicks(edit, name);
    static_cast<QDialog&>(dialog).accept();
}

DialogWidget* dialog_widget(const DIALOG_RECORD& record) {
    const auto* window = dynamic_cast<const QtDialogWindow*>(record.window.get());
    return window != nullptr ? window->widget() : nullptr;
}

QWidget* control_widget(DIALOG_RECORD& record, int id) {
    DialogWidget* dialog = dialog_widget(record);
    const ControlRecord* found = find_control(record, id);
    if (dialog == nullptr || found == nullptr) return nullptr;
    return dialog->control_widget(static_cast<int>(found - record.controls.data()));
}

} // namespace binora::testing
