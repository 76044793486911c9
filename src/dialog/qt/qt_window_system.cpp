#include "dialog/qt/qt_window_system.hpp"

#include "dialog/clipboard.hpp"
#include "dialog/dialog_events.hpp"
#include "dialog/dialog_operations.hpp"
#include "dialog/qt/dialog_widget.hpp"
#include "dialog/qt/number_line_view.hpp"
#include "dialog/qt/platform_dialogs.hpp"
#include "dialog/qt/qt_dialog_window.hpp"
#include "dialog/qt/standard_icon_cache.hpp"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>

#include <utility>

namespace binora {

namespace {

DialogMessage::Key message_key(int key) {
    switch (key) {
    case Qt::Key_Escape:
        return DialogMessage::Key::Escape;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return DialogMessage::Key::Enter;
    default:
        return DialogMessage::Key::Other;
    }
}

// Offers Escape and Enter, on their way to a widget of the active modeless dialog, to the
// dialog's keyboard handling before the widget sees them.
class DialogMessageFilter final : public QObject {
  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
        const DialogMessage::Key key = message_key(static_cast<QKeyEvent*>(event)->key());
        if (key == DialogMessage::Key::Other) return false;
        auto* target = static_cast<QWidget*>(watched);
        auto* dialog = dynamic_cast<DialogWidget*>(target->window());
        if (dialog == nullptr || dialog->modal() || dialog->record() == nullptr) return false;
        if (dialog->record() != active_modeless_dialog()) return false;
        // A key travels from the focus widget up to the window; offer it once, at its start.
        const QWidget* focus = dialog->focusWidget();
        if (target != (focus != nullptr ? focus : dialog)) return false;
        const HandlerScope scope;
        return DIALOG_IS_DIALOG_MESSAGE({key, dialog->focused_control_id()});
    }
};

} // namespace

std::unique_ptr<DialogWindow> QtWindowSystem::create_window(DIALOG_RECORD& record,
                                                            DialogWindow* parent, bool modal) {
    if (record.source == nullptr) return nullptr;
    return std::make_unique<QtDialogWindow>(record, dynamic_cast<QtDialogWindow*>(parent), modal);
}

int QtWindowSystem::run_message_loop() {
    if (pending_quit_) return *std::exchange(pending_quit_, std::nullopt);
    DialogMessageFilter filter;
    QCoreApplication::instance()->installEventFilter(&filter);
    looping_ = true;
    const int exit_code = QCoreApplication::exec();
    looping_ = false;
    QCoreApplication::instance()->removeEventFilter(&filter);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return exit_code;
}

void QtWindowSystem::post_quit(int exit_code) {
    // QCoreApplication::exit outside QCoreApplication::exec would make every later modal
    // loop return at once, so the quit waits for a loop of ours.
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [this, exit_code] {
            if (looping_)
                QCoreApplication::exit(exit_code);
            else
                pending_quit_ = exit_code;
        },
        Qt::QueuedConnection);
}

void install_qt_dialog_layer() {
    static QtWindowSystem system;
    set_window_system(&system);
    set_message_box_handler(show_qt_message_box);
    set_save_file_handler(choose_save_file_with_qt);
    set_clipboard_handler(copy_text_with_qt);
    static const bool factory_installed = [] {
        QAccessible::installFactory(number_line_accessible);
        return true;
    }();
    (void)factory_installed;
    QGuiApplication::setQuitOnLastWindowClosed(false);
    cache_standard_icons();
}

} // namespace binora
