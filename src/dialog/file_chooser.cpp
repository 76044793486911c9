#include "dialog/file_chooser.hpp"

#include <filesystem>
#include <system_error>
#include <utility>

namespace binora {

namespace {
SaveFileHandler handler;
} // namespace

SaveFileHandler set_save_file_handler(SaveFileHandler new_handler) {
    return std::exchange(handler, std::move(new_handler));
}

std::optional<std::string> choose_save_file(const SaveFileRequest& request) {
    if (!handler) return std::nullopt;
    const SaveFileHandler current = handler;
    return current(request);
}

std::string current_directory() {
    std::error_code error;
    auto path = std::filesystem::current_path(error);
    return error ? std::string{} : path.string();
}

} // namespace binora
