#pragma once

// Holds back the painting of every window of the application while a fuzz input runs, and
// paints each open window once, whole, when it is let go. Painting after every action is
// the largest part of an action's cost on the offscreen platform, and paints nothing the
// checks look at; one paint per input still runs every widget's paint routine on the state the
// input left. Installs itself as an application event filter: windows shown while it holds
// are held too.

#include <QObject>

namespace binora::fuzz {

class PaintHold final : public QObject {
  public:
    PaintHold();
    ~PaintHold() override;
    PaintHold(const PaintHold&) = delete;
    PaintHold& operator=(const PaintHold&) = delete;

    // Holds the painting of every window, open now or shown later.
    void hold();
    // Lets go, painting every visible window once.
    void release();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool holding_ = false;
};

} // namespace binora::fuzz
