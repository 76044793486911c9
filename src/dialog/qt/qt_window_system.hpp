#pragma once

// The Qt window system of the dialog layer, and the one call that puts the whole Qt side of
// the layer in place.

#include "dialog/dialog_window.hpp"

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
    // Ends the loop with `exit_code` once control is back in it (like a posted quit message).
    void post_quit(int exit_code) override;
};

// Installs the Qt window system, the message-box handler and the save-file handler, and
// leaves ending the program to the layer (closing the last window does not quit). Call once
// a QApplication exists.
void install_qt_dialog_layer();

} // namespace binora
