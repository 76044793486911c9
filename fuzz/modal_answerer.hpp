#pragma once

// Answers every modal window of the application (message boxes, the About and Info dialogs)
// as its user would, from within the window's own event loop: once the window is active it
// is looked at, then answered with the next answer byte: Enter, Escape, a click on its OK
// button, its close box, Space, Tab or Shift+Tab. Answers that leave it open are followed by
// more; once the answers are used up it is closed with Enter, then Escape, then its close
// box, and a window that stays open after all three is a finding.

#include "action_bytes.hpp"

#include <QObject>
#include <QPointer>

#include <functional>

class QWidget;

namespace binora::fuzz {

class ModalAnswerer final : public QObject {
  public:
    // `look` runs once for each modal window, when it has become active, before the first
    // answer. Installs itself as an application event filter.
    explicit ModalAnswerer(std::function<void(QWidget& modal)> look);
    ~ModalAnswerer() override;
    ModalAnswerer(const ModalAnswerer&) = delete;
    ModalAnswerer& operator=(const ModalAnswerer&) = delete;

    // The bytes the answers are read from (nullptr: none, the windows are closed at once).
    void answer_from(ActionBytes* bytes) { bytes_ = bytes; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // How far the answering of one window has come.
    struct Progress {
        int waits = 0; // event-loop turns spent waiting for it to become active
        bool looked = false;
        int forced = 0; // closing answers given after the input was used up
    };

    void answer(const QPointer<QWidget>& modal, Progress progress);
    void later(const QPointer<QWidget>& modal, Progress progress);

    std::function<void(QWidget& modal)> look_;
    ActionBytes* bytes_ = nullptr;
};

} // namespace binora::fuzz
