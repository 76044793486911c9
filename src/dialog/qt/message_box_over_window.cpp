#include "dialog/qt/message_box_over_window.hpp"

#include "dialog/qt/dialog_widget.hpp"
#include "dialog/qt/window_placement.hpp"

#include <QApplication>

namespace binora {

namespace {

// The window the user works in: the active one; while activation is on its way between
// windows (a window has just closed), the modal window that holds the input, or else the
// dialog window that was active last.
QWidget* window_in_use() {
    for (QWidget* window : {QApplication::activeWindow(), QApplication::activeModalWidget(),
                            static_cast<QWidget*>(DialogWidget::last_activated())})
        if (window != nullptr && window->isVisible()) return window;
    return nullptr;
}

} // namespace

MessageBoxOverActiveWindow::MessageBoxOverActiveWindow(Icon icon, const QString& caption,
                                                       const QString& text, StandardButtons buttons)
    : QMessageBox(icon, caption, text, buttons), over_(window_in_use()) {}

void MessageBoxOverActiveWindow::showEvent(QShowEvent* event) {
    QMessageBox::showEvent(event); // gives the box its final size
    if (over_ == nullptr || !over_->isVisible()) return;
    move(centred_on(over_->frameGeometry(), frame_size(*over_, size()), work_area_of(*over_)));
}

} // namespace binora
