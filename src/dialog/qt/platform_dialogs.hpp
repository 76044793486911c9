#pragma once

// The platform's standard dialogs on Qt: the message box and the file dialog that the
// layer's message_box and choose_save_file show.

#include "dialog/file_chooser.hpp"
#include "dialog/message_box.hpp"

namespace binora {

// An application-modal QMessageBox without parent: the request's icon, caption and text
// (each line break in the text starts a new line), an OK button only, centred on the window
// that is active when it opens; returns when closed.
void show_qt_message_box(const MessageBoxRequest& request);

// A QFileDialog for saving: the title, the filters in order with the requested one selected,
// the default suffix, the start directory; it asks before replacing an existing file and,
// when the request wants it, before choosing one that does not exist yet. The
// chosen file's absolute path in the file system's own encoding (so that the file is written
// where the user chose), or nothing when the user cancelled.
std::optional<std::string> choose_save_file_with_qt(const SaveFileRequest& request);

// Puts the text (Windows-1252) on the application's clipboard.
void copy_text_with_qt(const std::string& text);

} // namespace binora
