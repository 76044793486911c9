#include "controller/language_click.hpp"

#include "current/current_x.hpp"
#include "current/window_read_out.hpp"
#include "dialog/dialog_operations.hpp"
#include "model/fixed_text.hpp"
#include "resources/resource.hpp"
#include "shell/titles.hpp"
#include "state/comun.hpp"

#include <cstddef>
#include <string>
#include <string_view>

namespace binora {

namespace {

// Length of the buffer the binary64 legend is inspected in: enough for its first word.
constexpr std::size_t LEGEND_PROBE_LENGTH = 40;

// The binary64 significand edit shows this legend while binary64 is not the selected format.
constexpr std::string_view romanian_legend = "                         Semnificand (Fractia)";
constexpr std::string_view english_legend =
    "                         Trailing Significand (Fraction)";

constexpr std::string_view significand_word(bool romanian) {
    return romanian ? "Semnificand" : "Significand";
}

// Translates the legend of IDC_F64; bits shown there (binary64 selected) are left alone.
void translate_binary64_legend(DIALOG_RECORD& dialog, bool romanian) {
    std::string text;
    DIALOG_GET_TEXT(dialog, IDC_F64, text, LEGEND_PROBE_LENGTH);
    const std::string_view shown = trim_left(text);
    if (romanian && shown.starts_with("Trailing"))
        DIALOG_SET_TEXT(dialog, IDC_F64, romanian_legend);
    else if (!romanian && shown.starts_with("Semnificand"))
        DIALOG_SET_TEXT(dialog, IDC_F64, english_legend);
}

// Rewrites the class text in the new language, asking the core for X's class. An empty
// read-out stays empty: it was cleared because X changed without a rebuild (or the kind did),
// so it would show the class of a value that is gone (or, right after start-up, of none at
// all). While it shows a class, X is the word rebuilt last in the current kind.
void translate_class_text(DIALOG_RECORD& dialog) {
    std::string shown;
    DIALOG_GET_TEXT(dialog, IDC_DATATYPE, shown, LEGEND_PROBE_LENGTH);
    if (trim_right(shown).empty()) return;
    const FormatTraits& format = current_format();
    DIALOG_SET_TEXT(dialog, IDC_DATATYPE,
                    read_out_for_window(format, word_of_x(format), PART_CLASS).class_text);
}

// While the significand row of the parameter list is shown, its caption follows the language.
// A caption that was cleared (the value changed since) is not brought back.
void translate_significand_caption(DIALOG_RECORD& dialog, bool romanian) {
    int row = 0;
    DIALOG_GET_INT(dialog, IDC_PARAM_LIST, row, 1);
    if (row != 2) return;
    std::string caption;
    DIALOG_GET_TEXT(dialog, IDC_NEAREST_LABEL, caption, LEGEND_PROBE_LENGTH);
    if (trim_right(caption).empty()) return;
    DIALOG_SET_TEXT(dialog, IDC_NEAREST_LABEL, significand_word(romanian));
}

} // namespace

void switch_language(DIALOG_RECORD& dialog, int id) {
    if (id != IDC_LANG_RO && id != IDC_LANG_EN) return;
    const bool romanian = id == IDC_LANG_RO;
    COMUN.LANG = romanian ? Language::romanian : Language::english;
    COMUN.LANG_RO = romanian;
    SETTITLES(dialog);
    DIALOG_SET_TEXT(dialog, IDC_PARAM_LIST, significand_word(romanian), 2);
    translate_binary64_legend(dialog, romanian);
    translate_class_text(dialog);
    translate_significand_caption(dialog, romanian);
}

} // namespace binora
