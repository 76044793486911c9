#include "main_dialog_test.hpp"

#include "bit_patterns.hpp"
#include "dialog/dialog_operations.hpp"
#include "model/fixed_text.hpp"
#include "model/format_traits.hpp"
#include "resources/templates.hpp"
#include "shell/binora_globals.hpp"
#include "startup/start_up.hpp"
#include "state/comun.hpp"
#include "testing/words.hpp"

namespace binora::testing {

void MainDialogTest::SetUp() {
    reset_shared_state();
    reset_shell_state();
    install_program_resources();
    ASSERT_TRUE(build_program_records());
}

void MainDialogTest::TearDown() {
    reset_shell_state();
    reset_shared_state();
}

DIALOG_RECORD& MainDialogTest::dialog() {
    return BINORAGLOBALS.MAIN_DIALOG;
}

std::string MainDialogTest::text(int id) {
    const ControlRecord* control = find_control(dialog(), id);
    if (control == nullptr) {
        ADD_FAILURE() << "no control " << id;
        return {};
    }
    std::string value;
    DIALOG_GET_TEXT(dialog(), id, value, control->text.size());
    return std::string(trim_right(value));
}

bool MainDialogTest::enabled(int id) {
    bool value = false;
    EXPECT_TRUE(DIALOG_GET_FLAG(dialog(), id, value, PROP_ENABLED)) << id;
    return value;
}

bool MainDialogTest::checked(int id) {
    bool value = false;
    EXPECT_TRUE(DIALOG_GET_FLAG(dialog(), id, value, PROP_STATE)) << id;
    return value;
}

int MainDialogTest::selected_row(int id) {
    int row = -1;
    EXPECT_TRUE(DIALOG_GET_INT(dialog(), id, row, 1)) << id;
    return row;
}

std::vector<std::string> MainDialogTest::items(int id) {
    const ControlRecord* control = find_control(dialog(), id);
    return control != nullptr ? control->items : std::vector<std::string>{};
}

std::vector<std::string> MainDialogTest::all_texts() {
    std::vector<std::string> texts;
    for (const auto& control : dialog().controls)
        texts.push_back(control.text);
    return texts;
}

std::string MainDialogTest::shown_hex(int kind) {
    std::string bits;
    for (const Field& field : fields_of(kind))
        bits += text(field.edit);
    const int storage_bits = find_format(kind)->storage_bits;
    if (bits.size() != static_cast<std::size_t>(storage_bits)) return "bad length " + bits;
    return hex_string(word_from_bit_string(bits), storage_bits);
}

void MainDialogTest::show_word(int kind, Word128 word) {
    const std::string bits = bit_string(word, find_format(kind)->storage_bits);
    std::size_t at = 0;
    for (const Field& field : fields_of(kind)) {
        DIALOG_SET_TEXT(dialog(), field.edit, bits.substr(at, field.bits));
        at += field.bits;
    }
}

} // namespace binora::testing
