#include "dialog/file_chooser.hpp"

#include "dialog/cp1252.hpp"

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

std::optional<FileDialogQuestion> question_before_choosing(const SaveFileRequest& request,
                                                           const std::string& path) {
    if (!request.create_prompt) return std::nullopt;
    const std::filesystem::path chosen(path);
    std::error_code error;
    if (std::filesystem::status(chosen, error).type() != std::filesystem::file_type::not_found)
        return std::nullopt;
    return FileDialogQuestion{request.title,
                              cp1252_from_utf8(chosen.filename().string()) +
                                  "\nThis file does not exist.\nDo you want to create it?"};
}

std::string current_directory() {
    std::error_code error;
    auto path = std::filesystem::current_path(error);
    return error ? std::string{} : path.string();
}

} // namespace binora
