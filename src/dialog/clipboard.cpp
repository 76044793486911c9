#include "dialog/clipboard.hpp"

#include <utility>

namespace binora {

namespace {
ClipboardHandler handler;
} // namespace

ClipboardHandler set_clipboard_handler(ClipboardHandler new_handler) {
    return std::exchange(handler, std::move(new_handler));
}

bool copy_to_clipboard(std::string_view text) {
    if (!handler) return false;
    const ClipboardHandler current = handler; // the handler may replace itself
    current(std::string(text));
    return true;
}

} // namespace binora
