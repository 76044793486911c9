// Loaded into a Qt program with LD_PRELOAD: ends the process with status 0 as soon as its
// first window has been exposed and the events queued until then (its first paint) have run,
// or with status 3 when no window is shown within ten seconds. The start-up benchmark times
// programs with it from their start to their first frame.

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

#include <unistd.h>

namespace {

constexpr int NO_WINDOW_STATUS = 3;
constexpr int GIVE_UP_MS = 10000;

class FirstFrame final : public QObject {
  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && watched->isWindowType() && !exposed_) {
            exposed_ = true; // the window paints while this event is handled; then end
            QTimer::singleShot(0, [] { _exit(0); });
        }
        return false;
    }

  private:
    bool exposed_ = false;
};

void watch_for_first_frame() {
    static FirstFrame first_frame;
    QCoreApplication::instance()->installEventFilter(&first_frame);
    QTimer::singleShot(GIVE_UP_MS, [] { _exit(NO_WINDOW_STATUS); });
}

// Runs when the library is loaded: the watch starts with the application object.
[[gnu::constructor]] void install() {
    qAddPreRoutine(watch_for_first_frame);
}

} // namespace
