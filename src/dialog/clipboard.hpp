#pragma once

// Putting a text on the desktop's clipboard, through one facility with a replaceable
// handler: the window system puts it there; tests record it. Without a handler nothing is
// copied.

#include <functional>
#include <string>
#include <string_view>

namespace binora {

// Receives the text, in the code page of the program's texts.
using ClipboardHandler = std::function<void(const std::string& text)>;

// Installs the handler; returns the previous one.
ClipboardHandler set_clipboard_handler(ClipboardHandler handler);

// Puts `text` on the clipboard; false when no handler is installed.
bool copy_to_clipboard(std::string_view text);

} // namespace binora
