#pragma once

// Holds back the painting of every window of the application while a fuzz input runs, and
// paints, when it is let go, what the input changed: in the windows open before the hold,
// the parts Qt marked for repainting (the widgets whose values, carets or states changed),
// in one pass per window; the windows shown while it held and still open, whole. Painting
// after every action was the largest part of an action's cost on the offscreen platform,
// and painting the whole main window once per input the largest part of an input's that
// changed little; neither paints anything the checks look at. Every widget the input
// changed still runs its paint routine on the state the input left. Installs itself as an
// application event filter.

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <vector>

namespace binora::fuzz {

class PaintHold final : public QObject {
  public:
    PaintHold();
    ~PaintHold() override;
    PaintHold(const PaintHold&) = delete;
    PaintHold& operator=(const PaintHold&) = delete;

    // Holds the painting of every window, open now or shown later.
    void hold();
    // Lets go: paints what changed in the windows open at the hold, and the windows shown
    // since, whole.
    void release();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool holding_ = false;
    std::vector<QPointer<QWidget>> requested_; // windows whose update request was held
    std::vector<QPointer<QWidget>> shown_;     // windows shown while holding
};

} // namespace binora::fuzz
