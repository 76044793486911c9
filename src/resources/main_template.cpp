// IDD_MAIN: the main dialog, in template order (which is also the tab order).

#include "resources/dialog_templates.hpp"
#include "resources/resource.hpp"

#include <string>

namespace binora {

namespace {

using K = ControlKind;

constexpr unsigned EDIT = STYLE_AUTO_HSCROLL;
constexpr unsigned EXPONENT_EDIT = STYLE_NUMBER | STYLE_AUTO_HSCROLL | STYLE_STATIC_EDGE;
constexpr unsigned READ_ONLY_EDIT = STYLE_READ_ONLY | STYLE_AUTO_HSCROLL;

ControlTemplate label(const char* caption, DialogUnits rect, unsigned style = 0) {
    return {K::Static, IDC_STATIC, caption, rect, style, 0};
}

// Names for screen readers: the caption of the label beside the control, or a fixed name in
// Romanian and English where the only label is a field width or the marker "X", or where a
// button shows a picture (the "?" buttons are named for the dialog they open).
AccessibleName labelled_by(int label_id) {
    return {label_id, {}, 0};
}

AccessibleName named(const char* romanian, const char* english) {
    return {0, {romanian, english}, 0};
}

AccessibleName selects_language(int language) {
    return {0, {}, language};
}

AccessibleName sign_bit(const std::string& kind) {
    return named(("Bit de semn (" + kind + ")").c_str(), ("Sign bit (" + kind + ")").c_str());
}

AccessibleName exponent(int bits, const std::string& kind) {
    const std::string width = std::to_string(bits);
    return named(("Exponent, " + width + " biti (" + kind + ")").c_str(),
                 ("Exponent, " + width + " bits (" + kind + ")").c_str());
}

AccessibleName significand(const std::string& romanian_part, const std::string& english_part,
                           const std::string& kind) {
    return named(("Semnificand, " + romanian_part + " (" + kind + ")").c_str(),
                 ("Significand, " + english_part + " (" + kind + ")").c_str());
}

} // namespace

DialogTemplate make_main_template() {
    DialogTemplate t;
    t.id = IDD_MAIN;
    t.caption = "Binora (Binary Format)";
    t.rect = {40, 40, 428, 318};
    t.font_name = "MS Sans Serif";
    t.font_points = 8;
    t.style = DIALOG_MINIMIZE_BOX | DIALOG_APP_WINDOW;
    // clang-format off
    t.controls = {
        {K::PushButton, IDC_EXIT, "Exit", {376, 295, 45, 15}, 0, 0},
        {K::GroupBox, IDC_GROUP_DATA, "Data", {7, 18, 323, 86}, 0, 0},
        {K::GroupBox, IDC_GROUP_REPR, "Binora", {8, 108, 413, 174}, 0, 0},
        {K::PushButton, IDCANCEL, "CANCEL", {8, 295, 40, 15}, STYLE_HIDDEN, 0},
        {K::Edit, IDC_VALUE_X, "", {21, 39, 171, 12}, EDIT, 0,
         named("X (valoare zecimala)", "X (decimal value)")},
        {K::RadioButton, IDC_KIND32, "32      (Binary32)", {347, 47, 67, 10}, STYLE_GROUP, 0},
        {K::RadioButton, IDC_KIND64, "64      (Binary64)", {347, 66, 67, 10}, 0, 0},
        {K::RadioButton, IDC_KIND128, "128    (Binary128)", {347, 85, 67, 10}, 0, 0},
        {K::Edit, IDC_S128, "", {25, 258, 10, 12}, EDIT, 0, sign_bit("binary128")},
        {K::Edit, IDC_E128, "", {35, 258, 67, 12}, EXPONENT_EDIT, 0, exponent(15, "binary128")},
        {K::Edit, IDC_F128_48, "", {102, 258, 199, 12}, EDIT, 0,
         significand("primii 48 biti", "first 48 bits", "binary128")},
        {K::Edit, IDC_F128_64, "", {25, 226, 262, 12}, EDIT, 0,
         significand("ultimii 64 biti", "last 64 bits", "binary128")},
        {K::Edit, IDC_S32, "", {25, 138, 10, 12}, EDIT, 0, sign_bit("binary32")},
        {K::Edit, IDC_E32, "", {35, 138, 38, 12}, EXPONENT_EDIT, 0, exponent(8, "binary32")},
        {K::Edit, IDC_F32, "", {73, 138, 97, 12}, EDIT, 0,
         significand("23 biti", "23 bits", "binary32")},
        {K::Edit, IDC_S64, "", {25, 180, 10, 12}, EDIT, 0, sign_bit("binary64")},
        {K::Edit, IDC_E64, "", {35, 180, 50, 12}, EXPONENT_EDIT, 0, exponent(11, "binary64")},
        {K::Edit, IDC_F64, "", {84, 180, 213, 12}, EDIT, 0,
         significand("52 biti", "52 bits", "binary64")},
        {K::PushButton, IDC_ZEROS, "0's", {222, 143, 20, 14}, 0, 0},
        {K::PushButton, IDC_ONES, "1's", {269, 143, 20, 14}, 0, 0},
        {K::PushButton, IDC_FLIP, "0 <--> 1", {316, 143, 30, 14}, 0, 0},
        {K::Edit, IDC_DATATYPE, "", {200, 39, 100, 12}, READ_ONLY_EDIT, 0,
         labelled_by(IDC_DATATYPE_LABEL)},
        {K::Edit, IDC_NEAREST, "", {21, 83, 171, 12}, READ_ONLY_EDIT, 0,
         {IDC_NEAREST_LABEL, {"Valoarea parametrului", "Parameter value"}, 0}},
        {K::Static, IDC_NEAREST_LABEL, "Nearest > X; Significand: last 16 bits",
         {76, 70, 116, 10}, 0, 0},
        {K::PushButton, IDC_ABOUT, "DESPRE", {191, 294, 44, 16}, STYLE_TRANSPARENT, 0},
        {K::PushButton, IDC_HELP_PARAM, "?", {301, 75, 21, 20}, STYLE_ICON, IDI_HELP_PARAM,
         named("Info: ULP, X+, si X-", "Info: ULP, X+, and X-")},
        {K::GroupBox, IDC_GROUP_FORMAT, "Format", {336, 18, 85, 86}, 0, 0},
        {K::Static, IDC_FORMAT_LABEL, "Bits     (Name)", {357, 32, 52, 10}, 0, 0},
        {K::Edit, IDC_CURSOR_POS, "", {334, 202, 17, 12}, READ_ONLY_EDIT, 0,
         labelled_by(IDC_CURSOR_LABEL)},
        {K::Static, IDC_POSITION_LABEL, "Pozitie (Modificare /Actualizare)", {355, 200, 61, 17},
         0, 0},
        {K::Static, IDC_CURSOR_LABEL, "Cursor Position in Field\n(msb = 1)", {334, 180, 73, 18},
         0, 0},
        {K::Edit, IDC_FIELD_WIDTH, "", {334, 225, 17, 12}, READ_ONLY_EDIT, 0,
         labelled_by(IDC_WIDTH_LABEL)},
        {K::Static, IDC_WIDTH_LABEL, "Field Width", {355, 226, 52, 10}, 0, 0},
        {K::CheckBox, IDC_BINARY_XPM, "Binary X+ -", {21, 70, 48, 10}, 0, 0},
        {K::Static, IDC_DATATYPE_LABEL, "Data Type   (click a format field) ", {200, 27, 122, 8},
         0, 0},
        {K::ListBox, IDC_PARAM_LIST, "", {200, 77, 91, 18},
         STYLE_NOTIFY | STYLE_VSCROLL | STYLE_NO_INTEGRAL_HEIGHT, 0,
         labelled_by(IDC_PARAM_LABEL)},
        {K::Static, IDC_PARAM_LABEL, "Parameter  (Finite Numbers)", {200, 64, 101, 10}, 0, 0},
        {K::PushButton, IDC_HELP_REPR, "?", {390, 137, 21, 20}, STYLE_ICON, IDI_HELP_REPR,
         named("Rezumat: Date in virgula flotanta", "Summary: Floating-Point Data")},
        {K::RadioButton, IDC_ALL_FIELDS, "Toate campurile", {222, 121, 63, 11}, STYLE_GROUP, 0},
        {K::RadioButton, IDC_CURRENT_FIELD, "Current Field  (click a field)", {294, 121, 123, 11},
         0, 0},
        {K::RadioButton, IDC_LANG_RO, "RO", {187, 7, 22, 10}, STYLE_GROUP, 0, selects_language(1)},
        {K::RadioButton, IDC_LANG_EN, "EN", {219, 7, 21, 10}, 0, 0, selects_language(2)},
        // Field widths above each row, the arrows that join the two binary128 significand
        // parts, the marker of the value edit, and the ends of the binary64 fields.
        label("1", {27, 247, 8, 10}),
        label("15", {65, 247, 9, 10}),
        label("64", {173, 215, 11, 10}),
        label("(112)", {270, 215, 18, 10}),
        label("48", {173, 247, 10, 10}),
        label("8", {51, 126, 8, 9}),
        label("1", {27, 168, 8, 10}),
        label("52", {173, 169, 10, 10}),
        label("11", {54, 168, 8, 10}),
        label("23", {111, 126, 10, 10}),
        label("1", {27, 126, 8, 10}),
        label("-->", {304, 259, 9, 10}),
        label("-->", {14, 227, 9, 10}),
        label("X", {107, 28, 8, 8}),
        label("lsb", {288, 194, 10, 8}, STYLE_NO_WORD_WRAP),
        label("lsb", {73, 194, 10, 8}, STYLE_NO_WORD_WRAP),
        label("msb", {35, 194, 14, 8}),
        label("msb", {85, 194, 14, 8}),
    };
    // clang-format on
    return t;
}

} // namespace binora
