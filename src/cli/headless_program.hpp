#pragma once

// The program started without a window: the shared state at its load-time values, the
// program's templates installed and the main dialog built exactly as the window program
// builds it (minus showing it), in the chosen language. Message boxes become lines
// "<caption>: <text>" on the error stream instead of waiting for a click.
//
// One instance at a time: it owns the shared state, the shell's records and the message-box
// handler while it lives, and gives the handler back when it ends.

#include "dialog/dialog_record.hpp"
#include "dialog/message_box.hpp"

#include <cstddef>
#include <functional>
#include <ostream>
#include <string_view>
#include <utility>

namespace binora::cli {

class HeadlessProgram {
  public:
    // Starts the program in language `lang` (1 Romanian, 2 English); see started().
    HeadlessProgram(int lang, std::ostream& errors);
    ~HeadlessProgram();
    HeadlessProgram(const HeadlessProgram&) = delete;
    HeadlessProgram& operator=(const HeadlessProgram&) = delete;

    // False when start-up failed (a template is missing); the reason is on the error stream.
    bool started() const { return started_; }

    DIALOG_RECORD& main_dialog();

    // How many message boxes have been shown so far.
    std::size_t message_count() const { return message_count_; }

    // Writes "binora-cli: <message>" on the error stream: problems the window cannot have.
    void report(std::string_view message);

    // `hook` runs before each message (box or report) goes to the error stream, so that
    // output gathered for earlier values can go to its stream first.
    void before_message(std::function<void()> hook) { before_message_ = std::move(hook); }

  private:
    void announce_message() {
        if (before_message_) before_message_();
    }

    std::ostream& errors_;
    std::function<void()> before_message_;
    MessageBoxHandler previous_handler_;
    std::size_t message_count_ = 0;
    bool started_ = false;
};

} // namespace binora::cli
