#pragma once

// Choosing a file to save to, through one facility with a replaceable handler: the window
// system shows its file dialog; tests answer like a user would.

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace binora {

struct FileFilter {
    std::string description; // "Text Files (*.txt)"
    std::string pattern;     // "*.txt"
};

struct SaveFileRequest {
    std::string title;
    std::vector<FileFilter> filters;
    int filter_index = 1;          // 1-based filter selected at first
    std::string default_extension; // appended to a name typed without one
    std::string initial_directory; // empty: the dialog's choice
};

// The chosen file's full path in the file system's encoding (UTF-8), or nothing when the user
// cancelled (including declining to replace an existing file) or the dialog failed.
using SaveFileHandler = std::function<std::optional<std::string>(const SaveFileRequest&)>;

// Installs the handler; returns the previous one.
SaveFileHandler set_save_file_handler(SaveFileHandler handler);

// Runs the file dialog; nothing when no handler is installed.
std::optional<std::string> choose_save_file(const SaveFileRequest& request);

// The process's current directory; empty when it cannot be read.
std::string current_directory();

} // namespace binora
