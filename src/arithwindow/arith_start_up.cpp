#include "arithwindow/arith_start_up.hpp"

#include "arithwindow/arith_inputs.hpp"
#include "arithwindow/arith_state.hpp"
#include "arithwindow/arith_titles.hpp"
#include "arithwindow/copy_command.hpp"
#include "arithwindow/lessons.hpp"
#include "arithwindow/show_arithmetic.hpp"
#include "arithwindow/sub_arith.hpp"
#include "dialog/dialog_events.hpp"
#include "dialog/dialog_operations.hpp"
#include "dialog/message_box.hpp"
#include "resources/resource.hpp"

namespace binora {

namespace {

void register_routines(DIALOG_RECORD& dialog) {
    DIALOG_SET_CALLBACK(dialog, IDD_ARITH, ARITHSUB);
    for (int id : OPERAND_EDITS)
        DIALOG_SET_CALLBACK(dialog, id, SUB_ARITH);
    for (int id : {IDC_AR_FORMAT, IDC_AR_OPERATION, IDC_AR_SOURCE, IDC_AR_LESSON, IDC_AR_MODES})
        DIALOG_SET_CALLBACK(dialog, id, SUB_ARITH);
    for (int id : ROUNDING_RADIOS)
        DIALOG_SET_CALLBACK(dialog, id, SUB_ARITH);
    for (int id : {IDC_AR_LANG_RO, IDC_AR_LANG_EN})
        DIALOG_SET_CALLBACK(dialog, id, SUB_ARITH);
    DIALOG_SET_CALLBACK(dialog, IDC_AR_COPY, SUB_COPY);
}

// The lists' items (their texts in the language come with the captions) and first rows.
void fill_lists(DIALOG_RECORD& dialog) {
    for (const FormatChoice& choice : format_choices()) {
        DIALOG_SET_TEXT(dialog, IDC_AR_FORMAT, choice.format->name, PROP_APPEND_ITEM);
        DIALOG_SET_TEXT(dialog, IDC_AR_SOURCE, choice.format->name, PROP_APPEND_ITEM);
    }
    DIALOG_SET_INT(dialog, IDC_AR_FORMAT, format_row(FORMATS[1]), 1);
    DIALOG_SET_INT(dialog, IDC_AR_SOURCE, format_row(FORMATS[1]), 1);
    for (std::size_t i = 0; i < OPERATION_NAMES.size(); ++i)
        DIALOG_SET_TEXT(dialog, IDC_AR_OPERATION, OPERATION_NAMES[i], PROP_APPEND_ITEM);
    DIALOG_SET_INT(dialog, IDC_AR_OPERATION, 1, 1);
    for (std::size_t i = 0; i <= lessons().size(); ++i)
        DIALOG_SET_TEXT(dialog, IDC_AR_LESSON, "-", PROP_APPEND_ITEM);
    DIALOG_SET_INT(dialog, IDC_AR_LESSON, 1, 1);
    for (const Rounding rounding : ALL_ROUNDINGS)
        DIALOG_SET_TEXT(dialog, IDC_AR_MODES, rounding_name(rounding), PROP_APPEND_ITEM);
}

int start_up_failed() {
    message_box("Error initializing application Binora", "Error", MessageIcon::None);
    return 0;
}

} // namespace

void ARITHSUB(DIALOG_RECORD& dialog, int /*id*/, int event) {
    if (event == EVENT_DESTROY) {
        post_quit_message(0);
        return;
    }
    if (event == EVENT_INIT) dialog_set_window_icon(dialog, IDI_ARITH_SMALL);
}

bool build_arith_record(Language lang) {
    auto& dialog = ARITH.ARITH_DIALOG;
    if (!DIALOG_INIT(IDD_ARITH, dialog)) return false;
    register_routines(dialog);
    ARITH.LANG = lang;
    DIALOG_SET_FLAG(dialog, lang == Language::romanian ? IDC_AR_LANG_RO : IDC_AR_LANG_EN, true);
    DIALOG_SET_FLAG(dialog, IDC_AR_RNE, true);
    fill_lists(dialog);
    SET_ARITH_TITLES(dialog);
    SHOW_ARITHMETIC(dialog);
    return true;
}

int run_binora_arith(Language lang, int show_command) {
    auto& dialog = ARITH.ARITH_DIALOG;
    if (!build_arith_record(lang)) return start_up_failed();
    if (!DIALOG_SHOW_MODELESS(dialog, show_command)) return start_up_failed();
    const int exit_code = run_message_loop();
    DIALOG_RELEASE(dialog);
    return exit_code;
}

} // namespace binora
