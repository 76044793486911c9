#include "testing/windowless_program.hpp"

#include "resources/resource.hpp"
#include "resources/templates.hpp"
#include "shell/binora_globals.hpp"
#include "startup/start_up.hpp"
#include "state/comun.hpp"
#include "testing/user_input.hpp"

#include <algorithm>
#include <string>

namespace binora {

namespace {

// A box as one line: its text's line breaks become blanks.
void print_box(std::ostream& errors, const MessageBoxRequest& request) {
    std::string text = request.text;
    std::replace(text.begin(), text.end(), '\n', ' ');
    std::replace(text.begin(), text.end(), '\r', ' ');
    errors << request.caption << ": " << text << '\n';
}

} // namespace

WindowlessProgram::WindowlessProgram(Language lang, std::ostream& errors) : errors_(errors) {
    previous_handler_ = set_message_box_handler(
        [this](const MessageBoxRequest& request) { print_box(errors_, request); });
    reset_shared_state();
    reset_shell_state();
    install_program_resources();
    started_ = build_program_records();
    if (!started_) {
        message_box("Error initializing application Binora", "Error", MessageIcon::None);
        return;
    }
    if (lang == Language::english) user_click(main_dialog(), IDC_LANG_EN);
}

WindowlessProgram::~WindowlessProgram() {
    reset_shell_state();
    reset_shared_state();
    set_message_box_handler(std::move(previous_handler_));
}

DIALOG_RECORD& WindowlessProgram::main_dialog() {
    return BINORAGLOBALS.MAIN_DIALOG;
}

} // namespace binora
