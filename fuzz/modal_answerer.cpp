#include "modal_answerer.hpp"

#include "action_trace.hpp"
#include "dialog/dialog_constants.hpp"
#include "dialog/qt/dialog_widget.hpp"
#include "fuzz_check.hpp"
#include "widget_checks.hpp"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <utility>

namespace binora::fuzz {

namespace {

// Event-loop turns a shown modal window may take to become active.
constexpr int ACTIVATION_WAITS = 50;

enum class Answer { enter, escape, ok_button, close_box, space, tab, backtab, count };

// The button that accepts the window: a message box's first button, a dialog's OK.
QAbstractButton* ok_button(QWidget& modal) {
    if (auto* box = qobject_cast<QMessageBox*>(&modal)) return box->buttons().value(0);
    if (auto* dialog = dynamic_cast<DialogWidget*>(&modal))
        if (dialog->record() != nullptr)
            return qobject_cast<QAbstractButton*>(control_widget_of(*dialog->record(), IDOK));
    return nullptr;
}

// A key pressed and released on the window, as the window system delivers it: to the
// window's focus widget.
void press(QWidget& modal, Qt::Key key, const QString& text = {},
           Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    if (QWindow* window = modal.windowHandle())
        QTest::sendKeyEvent(QTest::Click, window, key, text, modifiers);
}

void give(QWidget& modal, Answer answer) {
    switch (answer) {
    case Answer::enter:
        press(modal, Qt::Key_Return, QStringLiteral("\r"));
        break;
    case Answer::escape:
        press(modal, Qt::Key_Escape, QStringLiteral("\x1b"));
        break;
    case Answer::ok_button:
        if (QAbstractButton* ok = ok_button(modal); ok != nullptr && ok->isVisible())
            QTest::mouseClick(ok, Qt::LeftButton);
        break;
    case Answer::close_box:
        if (QWindow* window = modal.windowHandle()) window->close();
        break;
    case Answer::space:
        press(modal, Qt::Key_Space, QStringLiteral(" "));
        break;
    case Answer::tab:
        press(modal, Qt::Key_Tab, QStringLiteral("\t"));
        break;
    case Answer::backtab:
        press(modal, Qt::Key_Backtab, {}, Qt::ShiftModifier);
        break;
    case Answer::count:
        break;
    }
}

} // namespace

ModalAnswerer::ModalAnswerer(std::function<void(QWidget& modal)> look) : look_(std::move(look)) {
    QCoreApplication::instance()->installEventFilter(this);
}

ModalAnswerer::~ModalAnswerer() {
    QCoreApplication::instance()->removeEventFilter(this);
}

bool ModalAnswerer::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        // The answer runs in the window's own event loop, which starts once it is shown.
        if (widget->isWindow() && widget->isModal()) later(widget, {});
    }
    return false;
}

void ModalAnswerer::later(const QPointer<QWidget>& modal, Progress progress) {
    QTimer::singleShot(0, this, [this, modal, progress] { answer(modal, progress); });
}

void ModalAnswerer::answer(const QPointer<QWidget>& modal, Progress progress) {
    if (modal == nullptr || !modal->isVisible()) return; // closed
    if (QApplication::activeWindow() != modal) {
        check(++progress.waits <= ACTIVATION_WAITS, "a modal window becomes active");
        modal->activateWindow();
        later(modal, progress);
        return;
    }
    if (!std::exchange(progress.looked, true)) look_(*modal);
    Answer answer;
    if (bytes_ != nullptr && !bytes_->done()) {
        answer = static_cast<Answer>(bytes_->byte() % static_cast<int>(Answer::count));
    } else {
        constexpr Answer closing[] = {Answer::enter, Answer::escape, Answer::close_box};
        check(progress.forced < 3, "a modal window closes on Enter, Escape or its close box");
        answer = closing[progress.forced++];
    }
    constexpr const char* names[] = {"Enter", "Escape", "OK",       "close box",
                                     "Space", "Tab",    "Shift+Tab"};
    trace(QStringLiteral("answer \"%1\" with %2")
              .arg(modal->windowTitle(), names[static_cast<int>(answer)]));
    give(*modal, answer);
    later(modal, progress);
}

} // namespace binora::fuzz
