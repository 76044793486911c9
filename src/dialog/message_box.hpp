#pragma once

// Message boxes without owner window and with an OK button only: one facility for the whole
// program. The window system installs a handler that shows a real box; tests and the
// windowless program install their own (record, print). Without any handler the message is
// written to standard error.

#include <functional>
#include <string>
#include <string_view>

namespace binora {

// Icon flags. The values are the dialog layer's own convention for the four icons.
enum class MessageIcon { None = 0, Error = 16, Exclamation = 48, Information = 64 };

struct MessageBoxRequest {
    std::string text;
    std::string caption;
    MessageIcon icon = MessageIcon::Information;
};

using MessageBoxHandler = std::function<void(const MessageBoxRequest& request)>;

// Installs the handler; returns the previous one.
MessageBoxHandler set_message_box_handler(MessageBoxHandler handler);

// Shows the box and returns when the user has closed it.
void message_box(std::string_view text, std::string_view caption, MessageIcon icon);

} // namespace binora
