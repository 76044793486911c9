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
    bool create_prompt = false;    // ask before choosing a file that does not exist yet
};

// A question with the answers Yes and No, in the code page of the program's texts; the lines
// of `text` are separated by "\n".
struct FileDialogQuestion {
    std::string caption;
    std::string text;
};

// What the file dialog asks when the user accepts `path` (full, in the file system's
// encoding): for a request with the create prompt and a path where nothing exists, whether to
// create that file, under the dialog's title: the file's name, "This file does not exist.",
// "Do you want to create it?". Nothing when the dialog may close on the path at once (also
// when the path cannot be looked at: saving then reports why). Yes closes the dialog with the
// path; No keeps it open for another choice.
std::optional<FileDialogQuestion> question_before_choosing(const SaveFileRequest& request,
                                                           const std::string& path);

// Shows the file dialog for the request. The chosen file's full path in the file system's
// encoding (UTF-8), or nothing when the user cancelled (including declining to replace an
// existing file) or the dialog failed. The handler asks question_before_choosing over the
// dialog for each name the user accepts, and closes only on a name it may close on.
using SaveFileHandler = std::function<std::optional<std::string>(const SaveFileRequest&)>;

// Installs the handler; returns the previous one.
SaveFileHandler set_save_file_handler(SaveFileHandler handler);

// Runs the file dialog; nothing when no handler is installed.
std::optional<std::string> choose_save_file(const SaveFileRequest& request);

// The process's current directory; empty when it cannot be read.
std::string current_directory();

} // namespace binora
