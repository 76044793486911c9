// IDD_ARITH: the arithmetic window, in template order, which is also the tab order: the
// operand edits first (the focus starts in A, and Tab goes on to B and C), then the
// operation's inputs, the lessons, the read-outs and the line.

#include "resources/dialog_templates.hpp"
#include "resources/resource.hpp"

#include <string>

namespace binora {

namespace {

using K = ControlKind;

constexpr unsigned EDIT = STYLE_AUTO_HSCROLL;
// The read-outs: flat, so that rewriting them at every keystroke repaints them alone.
constexpr unsigned READ_ONLY_EDIT = STYLE_READ_ONLY | STYLE_AUTO_HSCROLL | STYLE_FLAT;
constexpr unsigned INDICATOR = STYLE_READ_ONLY;

AccessibleName labelled_by(int label_id) {
    return {label_id, {}, 0};
}

AccessibleName named(const std::string& romanian, const std::string& english) {
    return {0, {romanian, english}, 0};
}

AccessibleName selects_language(int language) {
    return {0, {}, language};
}

ControlTemplate label(int id, const char* caption, DialogUnits rect) {
    return {K::Static, id, caption, rect, STYLE_NO_WORD_WRAP, 0};
}

// An operand's edit, its label and the words beside it while it cannot be read.
void add_operand(std::vector<ControlTemplate>& controls, char name, int label_id, int edit_id,
                 int status_id, int y) {
    const std::string letter(1, name);
    controls.push_back(label(label_id, ("&" + letter + " =").c_str(), {14, y + 2, 17, 10}));
    controls.push_back({K::Edit,
                        edit_id,
                        "",
                        {32, y, 200, 12},
                        EDIT,
                        0,
                        named("Operandul " + letter, "Operand " + letter)});
    controls.push_back(label(status_id, "", {238, y + 2, 308, 10}));
}

// An operand's stored value and its sign, exponent and significand fields.
void add_stored(std::vector<ControlTemplate>& controls, char name, int label_id, int first_id,
                int y) {
    const std::string letter(1, name);
    controls.push_back(label(label_id, name == 'A' ? "s&tored:" : "&stored:", {14, y + 2, 30, 10}));
    controls.push_back({K::Edit,
                        first_id,
                        "",
                        {46, y, 120, 12},
                        READ_ONLY_EDIT,
                        0,
                        named(letter + " memorat", letter + " as stored")});
    controls.push_back({K::Edit,
                        first_id + 1,
                        "",
                        {170, y, 10, 12},
                        READ_ONLY_EDIT,
                        0,
                        named(letter + ", bitul de semn", letter + ", sign bit")});
    controls.push_back({K::Edit,
                        first_id + 2,
                        "",
                        {182, y, 64, 12},
                        READ_ONLY_EDIT,
                        0,
                        named(letter + ", exponent", letter + ", exponent")});
    controls.push_back({K::Edit,
                        first_id + 3,
                        "",
                        {248, y, 298, 12},
                        READ_ONLY_EDIT,
                        0,
                        named(letter + ", semnificand", letter + ", significand")});
}

} // namespace

DialogTemplate make_arith_template() {
    DialogTemplate t;
    t.id = IDD_ARITH;
    t.caption = "Binora - IEEE 754 Arithmetic";
    t.rect = {40, 40, 560, 492};
    t.font_name = "MS Sans Serif";
    t.font_points = 8;
    t.style = DIALOG_MINIMIZE_BOX | DIALOG_APP_WINDOW;
    auto& c = t.controls;
    // clang-format off
    c = {
        {K::GroupBox, IDC_AR_GROUP_INPUTS, "Operation", {7, 40, 546, 44}, 0, 0},
        {K::GroupBox, IDC_AR_GROUP_OPERANDS, "Operands", {7, 88, 546, 104}, 0, 0},
        {K::GroupBox, IDC_AR_GROUP_RESULT, "Result", {7, 196, 546, 78}, 0, 0},
    };
    add_operand(c, 'A', IDC_AR_A_LABEL, IDC_AR_A, IDC_AR_A_STATUS, 100);
    add_operand(c, 'B', IDC_AR_B_LABEL, IDC_AR_B, IDC_AR_B_STATUS, 132);
    add_operand(c, 'C', IDC_AR_C_LABEL, IDC_AR_C, IDC_AR_C_STATUS, 164);
    c.insert(c.end(), {
        label(IDC_AR_FORMAT_LABEL, "&Format:", {14, 54, 30, 10}),
        {K::ComboBox, IDC_AR_FORMAT, "", {46, 52, 70, 12}, 0, 0, labelled_by(IDC_AR_FORMAT_LABEL)},
        label(IDC_AR_OPERATION_LABEL, "&Operation:", {124, 54, 40, 10}),
        {K::ComboBox, IDC_AR_OPERATION, "", {166, 52, 110, 12}, 0, 0,
         labelled_by(IDC_AR_OPERATION_LABEL)},
        label(IDC_AR_SOURCE_LABEL, "Fro&m:", {284, 54, 28, 10}),
        {K::ComboBox, IDC_AR_SOURCE, "", {314, 52, 70, 12}, STYLE_DISABLED, 0,
         labelled_by(IDC_AR_SOURCE_LABEL)},
        label(IDC_AR_ROUNDING_LABEL, "Rounding:", {14, 69, 40, 10}),
        {K::RadioButton, IDC_AR_RNE, "&1 rne (to even)", {56, 68, 94, 10}, STYLE_GROUP, 0},
        {K::RadioButton, IDC_AR_RNA, "&2 rna (away)", {154, 68, 94, 10}, 0, 0},
        {K::RadioButton, IDC_AR_RTZ, "&3 rtz (to 0)", {252, 68, 94, 10}, 0, 0},
        {K::RadioButton, IDC_AR_RUP, "&4 rup (to +inf)", {350, 68, 94, 10}, 0, 0},
        {K::RadioButton, IDC_AR_RDN, "&5 rdn (to -inf)", {448, 68, 94, 10}, 0, 0},
        label(IDC_AR_LESSON_LABEL, "&Lesson:", {7, 7, 34, 10}),
        {K::ComboBox, IDC_AR_LESSON, "", {42, 5, 250, 12}, 0, 0, labelled_by(IDC_AR_LESSON_LABEL)},
        {K::PushButton, IDC_AR_COPY, "Co&py as command", {300, 4, 100, 14}, 0, 0},
        {K::RadioButton, IDC_AR_LANG_RO, "&RO", {470, 6, 26, 10}, STYLE_GROUP, 0, selects_language(1)},
        {K::RadioButton, IDC_AR_LANG_EN, "&EN", {500, 6, 26, 10}, 0, 0, selects_language(2)},
        {K::Static, IDC_AR_LESSON_TEXT, "", {7, 20, 546, 18}, 0, 0},
    });
    add_stored(c, 'A', IDC_AR_A_STORED_LABEL, IDC_AR_A_VALUE, 114);
    add_stored(c, 'B', IDC_AR_B_STORED_LABEL, IDC_AR_B_VALUE, 146);
    add_stored(c, 'C', IDC_AR_C_STORED_LABEL, IDC_AR_C_VALUE, 178);
    c.insert(c.end(), {
        label(IDC_AR_RESULT_LABEL, "Res&ult:", {14, 210, 30, 10}),
        {K::Edit, IDC_AR_S, "", {46, 208, 10, 12}, READ_ONLY_EDIT, 0,
         named("Rezultat, bitul de semn", "Result, sign bit")},
        {K::Edit, IDC_AR_E, "", {58, 208, 64, 12}, READ_ONLY_EDIT, 0,
         named("Rezultat, exponent", "Result, exponent")},
        {K::Edit, IDC_AR_F, "", {124, 208, 278, 12}, READ_ONLY_EDIT, 0,
         named("Rezultat, semnificand", "Result, significand")},
        label(IDC_AR_HEX_LABEL, "&hex:", {408, 210, 16, 10}),
        {K::Edit, IDC_AR_HEX, "", {426, 208, 120, 12}, READ_ONLY_EDIT, 0, labelled_by(IDC_AR_HEX_LABEL)},
        label(IDC_AR_VALUE_LABEL, "&value:", {14, 226, 30, 10}),
        {K::Edit, IDC_AR_VALUE, "", {46, 224, 170, 12}, READ_ONLY_EDIT, 0,
         labelled_by(IDC_AR_VALUE_LABEL)},
        label(IDC_AR_EXACT_LABEL, "stored exactl&y:", {222, 226, 56, 10}),
        {K::Edit, IDC_AR_EXACT, "", {280, 224, 266, 12}, READ_ONLY_EDIT, 0,
         labelled_by(IDC_AR_EXACT_LABEL)},
        label(IDC_AR_REAL_LABEL, "exact res&ult (real):", {14, 242, 70, 10}),
        {K::Edit, IDC_AR_REAL, "", {86, 240, 460, 12}, READ_ONLY_EDIT, 0, labelled_by(IDC_AR_REAL_LABEL)},
        label(IDC_AR_ULPS_LABEL, "error (&ULP):", {14, 258, 44, 10}),
        {K::Edit, IDC_AR_ULPS, "", {60, 256, 56, 12}, READ_ONLY_EDIT, 0, labelled_by(IDC_AR_ULPS_LABEL)},
        label(IDC_AR_GRS_LABEL, "guard, round, st&icky:", {122, 258, 76, 10}),
        {K::Edit, IDC_AR_GRS, "", {200, 256, 22, 12}, READ_ONLY_EDIT, 0, labelled_by(IDC_AR_GRS_LABEL)},
        label(IDC_AR_FLAGS_LABEL, "Fla&gs:", {226, 258, 32, 10}),
        {K::CheckBox, IDC_AR_INVALID, "invalid", {260, 257, 40, 10}, INDICATOR, 0},
        {K::CheckBox, IDC_AR_DIVBYZERO, "divbyzero", {302, 257, 50, 10}, INDICATOR, 0},
        {K::CheckBox, IDC_AR_OVERFLOW, "overflow", {354, 257, 46, 10}, INDICATOR, 0},
        {K::CheckBox, IDC_AR_UNDERFLOW, "underflow", {402, 257, 50, 10}, INDICATOR, 0},
        {K::CheckBox, IDC_AR_INEXACT, "inexact", {454, 257, 44, 10}, INDICATOR, 0},
        label(IDC_AR_MODES_LABEL, "Roun&ding in each direction:", {7, 279, 200, 10}),
        {K::Table, IDC_AR_MODES, "direction\tword\tvalue\tflags", {7, 290, 546, 70}, 0, 0,
         labelled_by(IDC_AR_MODES_LABEL)},
        label(IDC_AR_LINE_LABEL, "&Number line:", {7, 364, 200, 10}),
        {K::NumberLine, IDC_AR_LINE, "", {7, 375, 546, 92}, 0, 0, labelled_by(IDC_AR_LINE_LABEL)},
        {K::PushButton, IDC_AR_EXIT, "E&xit", {498, 472, 55, 14}, 0, 0},
    });
    // clang-format on
    return t;
}

} // namespace binora
