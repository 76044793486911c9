#pragma once

// The program started without a window, for fuzz targets and benchmarks that drive its
// routines: the shared state at its load-time values, the program's templates installed and
// the main dialog built exactly as the window program builds it (minus showing it), in the
// chosen language. Message boxes become lines "<caption>: <text>" on the error stream
// instead of waiting for a click.
//
// One instance at a time: it owns the shared state, the shell's records and the message-box
// handler while it lives, and gives the handler back when it ends.

#include "dialog/dialog_record.hpp"
#include "dialog/message_box.hpp"
#include "model/language.hpp"

#include <ostream>

namespace binora {

class WindowlessProgram {
  public:
    // Starts the program in language `lang`; see started().
    WindowlessProgram(Language lang, std::ostream& errors);
    ~WindowlessProgram();
    WindowlessProgram(const WindowlessProgram&) = delete;
    WindowlessProgram& operator=(const WindowlessProgram&) = delete;

    // False when start-up failed (a template is missing); the reason is on the error stream.
    bool started() const { return started_; }

    DIALOG_RECORD& main_dialog();

  private:
    std::ostream& errors_;
    MessageBoxHandler previous_handler_;
    bool started_ = false;
};

} // namespace binora
