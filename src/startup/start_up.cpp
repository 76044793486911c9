#include "startup/start_up.hpp"

#include "bitedit/enable_bit_edits.hpp"
#include "controller/retrieve_output_value.hpp"
#include "controller/sub_represent.hpp"
#include "dialog/dialog_events.hpp"
#include "dialog/dialog_operations.hpp"
#include "dialog/message_box.hpp"
#include "engine/sub_list.hpp"
#include "model/fixed_text.hpp"
#include "resources/resource.hpp"
#include "shell/binora_globals.hpp"
#include "shell/save_to_file.hpp"
#include "shell/sub_about.hpp"
#include "shell/sub_help.hpp"
#include "shell/sub_help2.hpp"
#include "shell/summary_paragraphs.hpp"
#include "shell/titles.hpp"
#include "state/comun.hpp"

#include <array>
#include <cstddef>

namespace binora {

namespace {

// The bit edits in registration order.
constexpr std::array<int, 10> bit_edits{IDC_S32, IDC_E32,  IDC_F32,  IDC_S64,     IDC_E64,
                                        IDC_F64, IDC_S128, IDC_E128, IDC_F128_48, IDC_F128_64};

void register_routines() {
    auto& main = BINORAGLOBALS.MAIN_DIALOG;
    DIALOG_SET_CALLBACK(main, IDC_VALUE_X, SUB_REPRESENT);
    for (int id : bit_edits)
        DIALOG_SET_CALLBACK(main, id, SUB_REPRESENT);
    DIALOG_SET_CALLBACK(main, IDC_CURSOR_POS, SUB_REPRESENT);
    DIALOG_SET_CALLBACK(main, IDC_ABOUT, SUB_ABOUT);
    DIALOG_SET_CALLBACK(main, IDC_HELP_PARAM, SUB_HELP);
    DIALOG_SET_CALLBACK(main, IDC_HELP_REPR, SUB_HELP2);
    DIALOG_SET_CALLBACK(main, IDC_PARAM_LIST, SUB_LIST);
    for (int id : bit_edits)
        DIALOG_SET_CALLBACK(main, id, RETRIEVEANDOUTPUTVALUE, EVENT_FOCUS_GAINED);
    for (int id : {IDC_KIND32, IDC_KIND64, IDC_KIND128})
        DIALOG_SET_CALLBACK(main, id, SUB_REPRESENT);
    for (int id : {IDC_ZEROS, IDC_ONES, IDC_FLIP})
        DIALOG_SET_CALLBACK(main, id, SUB_REPRESENT);
    DIALOG_SET_CALLBACK(BINORAGLOBALS.SUMMARY_DIALOG, IDC_SAVE_TO_FILE, SAVE_TO_FILE);
    for (int id : {IDC_LANG_RO, IDC_LANG_EN})
        DIALOG_SET_CALLBACK(main, id, SUB_REPRESENT);
}

void set_bit_edit_lengths() {
    struct Length {
        int id;
        int bits;
    };
    // IDC_S64 keeps its template text: it shows the "S" of the binary64 legend.
    constexpr Length lengths[] = {{IDC_S32, 1},   {IDC_E32, 8},      {IDC_F32, 23},
                                  {IDC_E64, 11},  {IDC_F64, 52},     {IDC_S128, 1},
                                  {IDC_E128, 15}, {IDC_F128_48, 48}, {IDC_F128_64, 64}};
    for (const auto& l : lengths)
        DIALOG_SET_INT(BINORAGLOBALS.MAIN_DIALOG, l.id, l.bits, PROP_TEXT_LENGTH);
}

void fill_parameter_list() {
    auto& g = BINORAGLOBALS;
    const char* rows[] = {
        "Exponent", "Semnificand", "ULP", "X+ = Nearest(x,+1.0)", "X- = Nearest(x,-1.0)", "Epsilon",
    };
    for (std::size_t i = 0; i < g.PARAM.size(); ++i) {
        g.PARAM[i] = pad_to(rows[i], PARAM_LENGTH);
        DIALOG_SET_TEXT(g.MAIN_DIALOG, IDC_PARAM_LIST, g.PARAM[i], PROP_APPEND_ITEM);
    }
    DIALOG_SET_INT(g.MAIN_DIALOG, IDC_PARAM_LIST, 0, 1);
    DIALOG_SET_FLAG(g.MAIN_DIALOG, IDC_PARAM_LIST, false, PROP_ENABLED);
}

void set_summary_paragraphs() {
    auto& g = BINORAGLOBALS;
    for (std::size_t i = 0; i < g.STATIC_2.size(); ++i)
        DIALOG_SET_TEXT(g.SUMMARY_DIALOG, g.ID_STATIC_2[i],
                        trim_right(in_language(g.STATIC_2[i], COMUN.LANG)));
}

int start_up_failed() {
    message_box("Error initializing application Binora", "Error", MessageIcon::None);
    return 0;
}

} // namespace

void BINORASUB(DIALOG_RECORD& dialog, int /*id*/, int event) {
    if (event == EVENT_DESTROY) {
        post_quit_message(0);
        return;
    }
    if (event == EVENT_INIT) {
        dialog_set_window_icon(dialog, IDI_APP_SMALL);
        dialog_set_control_image(dialog, IDC_HELP_PARAM, IDI_HELP_PARAM);
        dialog_set_control_image(dialog, IDC_HELP_REPR, IDI_HELP_REPR);
    }
}

bool build_program_records() {
    auto& g = BINORAGLOBALS;
    auto& main = g.MAIN_DIALOG;
    if (!DIALOG_INIT(IDD_MAIN, main)) return false;
    DIALOG_SET_CALLBACK(main, IDD_MAIN, BINORASUB);
    if (!DIALOG_INIT(IDD_SUMMARY, g.SUMMARY_DIALOG)) return false;
    register_routines();

    DIALOG_SET_FLAG(main, IDC_KIND32, true);
    COMUN.KIND_REAL = 4;
    DIALOG_SET_FLAG(main, IDC_LANG_RO, true);
    COMUN.LANG = Language::romanian;
    COMUN.LANG_RO = true;
    INITITLES();
    SETTITLES(main);
    DIALOG_SET_FLAG(main, IDC_ALL_FIELDS, true);
    DIALOG_SET_TEXT(main, IDC_VALUE_X, "0");
    DIALOG_SET_TEXT(main, IDC_NEAREST_LABEL, "");
    set_bit_edit_lengths();
    ENABLEBITEDITS(main, IDC_KIND32, EVENT_CLICKED);
    DIALOG_SET_FLAG(main, IDC_BINARY_XPM, false, PROP_DEFAULT);
    DIALOG_SET_FLAG(main, IDC_BINARY_XPM, false, PROP_ENABLED);

    g.BIT8_0 = repeat('0', 8);
    g.BIT23_0 = repeat('0', 23);
    DIALOG_SET_TEXT(main, IDC_S32, "0");
    DIALOG_SET_TEXT(main, IDC_E32, g.BIT8_0);
    DIALOG_SET_TEXT(main, IDC_F32, g.BIT23_0);
    DIALOG_SET_TEXT(main, IDC_S64, "S");
    DIALOG_SET_TEXT(main, IDC_E64, "   Exponent");
    DIALOG_SET_TEXT(main, IDC_F64, repeat(' ', 25) + "Semnificand (Fractia)");

    fill_parameter_list();
    COMUN.STR_0 = repeat('0', BIT_SOURCE_LENGTH);
    COMUN.STR_1 = repeat('1', BIT_SOURCE_LENGTH);
    INITIALIZE_STATIC_2();
    set_summary_paragraphs();
    return true;
}

int run_binora(int show_command) {
    auto& g = BINORAGLOBALS;
    if (!build_program_records()) return start_up_failed();
    if (!DIALOG_SHOW_MODELESS(g.MAIN_DIALOG, show_command)) return start_up_failed();
    const int exit_code = run_message_loop();
    DIALOG_RELEASE(g.MAIN_DIALOG);
    DIALOG_RELEASE(g.SUMMARY_DIALOG);
    return exit_code;
}

} // namespace binora
