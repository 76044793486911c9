#include "modal_watchdog.hpp"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QPushButton>

#include <algorithm>
#include <gtest/gtest.h>

namespace binora::testing {

namespace {

constexpr int POLL_MILLISECONDS = 10;

std::string describe(const QWidget& modal) {
    QString text = QString::fromLatin1(modal.metaObject()->className()) + QStringLiteral(" \"") +
                   modal.windowTitle() + QLatin1Char('"');
    if (const auto* box = qobject_cast<const QMessageBox*>(&modal))
        text += QStringLiteral(": ") + box->text();
    return text.toStdString();
}

// Closes a window nobody expected, the way its user would most likely dismiss it.
void dismiss(QWidget& modal) {
    if (auto* box = qobject_cast<QMessageBox*>(&modal)) {
        if (QAbstractButton* escape = box->escapeButton()) {
            escape->click();
            return;
        }
        if (QAbstractButton* any = box->buttons().value(0)) {
            any->click();
            return;
        }
    }
    if (auto* dialog = qobject_cast<QDialog*>(&modal)) dialog->reject();
    if (modal.isVisible()) modal.hide();
}

} // namespace

ModalWatchdog::ModalWatchdog() {
    timer_.setInterval(POLL_MILLISECONDS);
    QObject::connect(&timer_, &QTimer::timeout, [this] { check(); });
    timer_.start();
}

ModalWatchdog::~ModalWatchdog() {
    timer_.stop();
}

void ModalWatchdog::expect_modal(Answer answer) {
    answers_.push_back(std::move(answer));
}

void ModalWatchdog::expect_message_box() {
    expect_modal([this](QWidget& modal) {
        auto* box = qobject_cast<QMessageBox*>(&modal);
        if (box == nullptr) {
            ADD_FAILURE() << "expected a message box, got " << describe(modal);
            dismiss(modal);
            return;
        }
        seen_.push_back({box->windowTitle().toStdString(), box->text().toStdString(), box->icon()});
        QAbstractButton* ok = box->button(QMessageBox::Ok);
        if (ok != nullptr)
            ok->click();
        else
            dismiss(modal);
    });
}

void ModalWatchdog::check() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible() ||
        std::find(answering_.begin(), answering_.end(), modal) != answering_.end())
        return;
    if (answers_.empty()) {
        ADD_FAILURE() << "unexpected modal window: " << describe(*modal);
        dismiss(*modal);
        return;
    }
    // The answer runs once this timer event is over: a timer does not fire again while it is
    // being handled, and the answer may open another modal window (a question the window asks
    // when it is answered) that this watchdog must then answer in the nested loop.
    answering_.push_back(modal);
    QMetaObject::invokeMethod(
        &timer_,
        [this, modal, alive = QPointer<QWidget>(modal), answer = std::move(answers_.front())] {
            if (alive != nullptr) answer(*modal);
            answering_.erase(std::find(answering_.begin(), answering_.end(), modal));
        },
        Qt::QueuedConnection);
    answers_.pop_front();
}

} // namespace binora::testing
