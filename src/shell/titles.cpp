#include "shell/titles.hpp"

#include "dialog/dialog_operations.hpp"
#include "model/fixed_text.hpp"
#include "resources/resource.hpp"
#include "shell/binora_globals.hpp"
#include "state/comun.hpp"

#include <cstddef>

namespace binora {

namespace {

struct Caption {
    int id; // the control it labels; IDD_MAIN for the window caption
    const char* romanian;
    const char* english;
};

// Captions 1 to 14, in the order they are applied. The runs of blanks are part of the texts;
// "\n" breaks a label into two lines.
constexpr Caption captions[] = {
    {IDD_MAIN, "Binora (Format binar)", "Binora (Binary Format)"},
    {IDC_GROUP_DATA, "Data", "Datum"},
    {IDC_GROUP_REPR, "Binora", "Binora"},
    {IDC_GROUP_FORMAT, "Format", "Format"},
    {IDC_FORMAT_LABEL, "Biti     (Nume)", "Bits     (Name)"},
    {IDC_DATATYPE_LABEL, "Tip data  (click pe un camp din format)",
     "Data Type  (click a format field) "},
    {IDC_PARAM_LABEL, "Parametru  (Numere finite)", "Parameter  (Finite Numbers)"},
    {IDC_BINARY_XPM, "Binar: X+ -", "Binary: X+ -"},
    {IDC_ALL_FIELDS, "Toate campurile", "All Fields"},
    {IDC_CURRENT_FIELD, "Campul curent  (click pe un camp)", "Current Field  (click a field)"},
    {IDC_CURSOR_LABEL, "Pozitie cursor in camp\n(msb = 1)", "Cursor Position in Field\n(msb = 1)"},
    {IDC_POSITION_LABEL, "Pozitie (Modificare /Actualizare)", "Position\n(Change/Update)"},
    {IDC_WIDTH_LABEL, "Latime camp", "Field Width"},
    {IDC_ABOUT, "DESPRE", "ABOUT"},
};

} // namespace

void INITITLES() {
    auto& title = BINORAGLOBALS.TITLE;
    for (auto& entry : title)
        entry = {repeat(' ', TITLE_LENGTH), repeat(' ', TITLE_LENGTH)};
    for (std::size_t j = 0; j < std::size(captions); ++j)
        title[j] = {pad_to(captions[j].romanian, TITLE_LENGTH),
                    pad_to(captions[j].english, TITLE_LENGTH)};
}

void SETTITLES(DIALOG_RECORD& dialog) {
    const auto& title = BINORAGLOBALS.TITLE;
    DIALOG_SET_TITLE(dialog, in_language(title[0], COMUN.LANG));
    for (std::size_t j = 1; j < std::size(captions); ++j) {
        // The check box's label is its caption; every other entry is the control's text.
        const int property = captions[j].id == IDC_BINARY_XPM ? PROP_CAPTION : PROP_DEFAULT;
        DIALOG_SET_TEXT(dialog, captions[j].id, in_language(title[j], COMUN.LANG), property);
    }
}

} // namespace binora
