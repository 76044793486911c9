#pragma once

// Watches for modal windows during an offscreen GUI test. A test that expects one (a message
// box, a file dialog, a modal dialog of the layer) says so beforehand and answers it; any
// other modal window fails the test and is closed, so that no test ever hangs on a box.

#include <QMessageBox>
#include <QTimer>

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace binora::testing {

struct SeenMessageBox {
    std::string caption; // UTF-8
    std::string text;    // UTF-8
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

class ModalWatchdog {
  public:
    // Answers a modal window; it must close the window (click a button, reject, ...).
    using Answer = std::function<void(QWidget& modal)>;

    ModalWatchdog();
    ~ModalWatchdog();
    ModalWatchdog(const ModalWatchdog&) = delete;
    ModalWatchdog& operator=(const ModalWatchdog&) = delete;

    // The next modal window that appears goes to `answer`.
    void expect_modal(Answer answer);
    // The next modal window must be a message box: it is recorded and its OK button clicked.
    void expect_message_box();

    // The message boxes answered by expect_message_box, in order.
    const std::vector<SeenMessageBox>& message_boxes() const { return seen_; }
    // Expectations whose window has not appeared yet.
    int pending() const { return static_cast<int>(answers_.size()); }

  private:
    void check();

    QTimer timer_;
    std::deque<Answer> answers_;
    std::vector<SeenMessageBox> seen_;
    std::vector<QWidget*> answering_; // windows whose answers are due or running
};

} // namespace binora::testing
