#pragma once

// Message boxes without owner that still open where the user is looking.

#include <QMessageBox>
#include <QPointer>

namespace binora {

// A QMessageBox without parent that opens centred on the window the user works in when it is
// made (the active window; between two windows, the one that was active last), moved back
// onto that window's screen where it would stick out. With no such window it opens where Qt
// places a box without parent.
class MessageBoxOverActiveWindow final : public QMessageBox {
  public:
    MessageBoxOverActiveWindow(Icon icon, const QString& caption, const QString& text,
                               StandardButtons buttons);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QPointer<QWidget> over_;
};

} // namespace binora
