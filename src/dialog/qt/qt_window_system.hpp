#pragma once

// The Qt window system of the dialog layer, and the one call that puts the whole Qt side of
// the layer in place.

#include "dialog/dialog_window.hpp"

#include <optional>

namespace binora {

class QtWindowSystem final : public WindowSystem {
  public:
    // A QDialog-based window for the record (nullptr if the record has no template); owned
    // by `parent`'s window when given; a modal window runs application-modal.
    std::unique_ptr<DialogWindow> create_window(DIALOG_RECORD& record, DialogWindow* parent,
                                                bool modal) override;
    // QApplication::exec. Meanwhile key presses of Escape and Enter aimed at a modeless
    // dialog are first offered to DIALOG_IS_DIALOG_MESSAGE. Windows destroyed while the loop
    // ran are deleted before it returns.
    int run_message_loop() override;
    // Like a posted quit message: ends the running loop (and any modal run inside it) with
    // `exit_code` once control is back in it; posted while no loop runs, it ends the next
    // loop at once, and nothing else (a modal run meanwhile is not cut short).
    void post_quit(int exit_code) override;

  private:
    bool looping_ = false;
    std::optional<int> pending_quit_;
};

// Installs the Qt window system, the message-box, save-file and clipboard handlers and the
// screen readers' view of number lines, leaves
// ending the program to the layer (closing the last window does not quit) and has the style
// make each standard icon once (standard_icon_cache.hpp). Call once a QApplication exists.
void install_qt_dialog_layer();

} // namespace binora
