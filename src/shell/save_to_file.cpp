#include "shell/save_to_file.hpp"

#include "dialog/cp1252.hpp"
#include "dialog/file_chooser.hpp"
#include "dialog/message_box.hpp"
#include "shell/replace_file.hpp"
#include "shell/summary_file.hpp"
#include "state/comun.hpp"

#include <optional>
#include <string>

namespace binora {

namespace {

// The file dialog of the summary: "Saved Topic", starting in the current directory with the
// text-file filter; a name typed without an extension gets ".txt". The dialog itself asks
// whether to create a file that does not exist yet, and before an existing one is replaced.
SaveFileRequest summary_file_request() {
    SaveFileRequest request;
    request.title = "Saved Topic";
    request.filters = {{"Text Files (*.txt)", "*.txt"},
                       {"Data Files (*.dat)", "*.dat"},
                       {"All files (*.*)", "*.*"}};
    request.filter_index = 1;
    request.default_extension = "txt";
    request.initial_directory = current_directory();
    request.create_prompt = true;
    return request;
}

} // namespace

void SAVE_TO_FILE(DIALOG_RECORD&, int, int) {
    const std::optional<std::string> path = choose_save_file(summary_file_request());
    if (!path) return;
    // The path is in the file system's encoding (so is a path a failure names); the boxes
    // show code-page texts.
    const std::string shown_path = cp1252_from_utf8(*path);
    if (const auto failure = replace_file_contents(*path, summary_file_contents(COMUN.LANG))) {
        message_box("The summary could not be saved to \"" + shown_path +
                        "\": " + cp1252_from_utf8(*failure) + ".",
                    "Error", MessageIcon::Error);
        return;
    }
    message_box(shown_path, "Saved to File", MessageIcon::Information);
}

} // namespace binora
