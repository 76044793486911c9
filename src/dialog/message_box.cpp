#include "dialog/message_box.hpp"

#include <cstdio>
#include <utility>

namespace binora {

namespace {
MessageBoxHandler handler;
} // namespace

MessageBoxHandler set_message_box_handler(MessageBoxHandler new_handler) {
    return std::exchange(handler, std::move(new_handler));
}

void message_box(std::string_view text, std::string_view caption, MessageIcon icon) {
    MessageBoxRequest request{std::string(text), std::string(caption), icon};
    if (handler) {
        // A copy, so that a handler that replaces itself is not destroyed while it runs.
        const MessageBoxHandler current = handler;
        current(request);
        return;
    }
    std::fprintf(stderr, "%s: %s\n", request.caption.c_str(), request.text.c_str());
}

} // namespace binora
