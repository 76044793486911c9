#pragma once

// The window side of the dialog layer, as seen by the record part: a small interface that a
// window system (Qt, or a fake in tests) implements. The record part decides when to push
// and read values; the window only carries them.

#include <memory>
#include <string>

namespace binora {

struct ControlRecord;
struct DIALOG_RECORD;

class DialogWindow {
  public:
    DialogWindow() = default;
    DialogWindow(const DialogWindow&) = delete;
    DialogWindow& operator=(const DialogWindow&) = delete;
    // Destroys the window. Must be safe while one of the window's own events is being
    // handled (the window may be deleted later, but it raises no more events).
    virtual ~DialogWindow() = default;

    virtual void set_caption(const std::string& caption) = 0;
    // Shows every value of the control record in the window.
    virtual void push_control(const ControlRecord& control) = 0;
    // Copies the window's current values of the control into the record.
    virtual void read_control(ControlRecord& control) = 0;
    // Shows a modeless window with a show command (SW_*) and brings it to the front.
    virtual void show(int show_command) = 0;
    // Runs the window modally; returns after end_modal.
    virtual void run_modal() = 0;
    virtual void end_modal() = 0;
    // Decorations: the title-bar icon, and an icon shown on a push button instead of text.
    virtual void set_window_icon(int image_id) = 0;
    virtual void set_control_image(int control_id, int image_id) = 0;
};

class WindowSystem {
  public:
    WindowSystem() = default;
    WindowSystem(const WindowSystem&) = delete;
    WindowSystem& operator=(const WindowSystem&) = delete;
    virtual ~WindowSystem() = default;

    // A new, not yet shown window for the record's template; nullptr if it cannot be made.
    virtual std::unique_ptr<DialogWindow> create_window(DIALOG_RECORD& record, DialogWindow* parent,
                                                        bool modal) = 0;
    // Runs the thread's message loop until post_quit; returns the exit value.
    virtual int run_message_loop() = 0;
    virtual void post_quit(int exit_code) = 0;
};

// Installs the window system (nullptr: records stay windowless); returns the previous one.
WindowSystem* set_window_system(WindowSystem* system);
WindowSystem* window_system();

} // namespace binora
