#include "engine/sub_near.hpp"

#include "current/current_x.hpp"
#include "dialog/dialog_operations.hpp"
#include "model/comun.hpp"
#include "model/format_traits.hpp"
#include "readout/parameter_rows.hpp"
#include "resources/resource.hpp"

namespace binora {

namespace {

constexpr int X_PLUS_ROW = 4;

} // namespace

void SUB_NEAR(DIALOG_RECORD& dialog) {
    DIALOG_SET_TEXT(dialog, IDC_CURSOR_POS, "");
    const FormatTraits* format = find_format(COMUN.KIND_REAL);
    if (format == nullptr) return;
    bool binary = false;
    DIALOG_GET_FLAG(dialog, IDC_BINARY_XPM, binary, PROP_STATE);
    const bool upward = COMUN.LIST_INDEX == X_PLUS_ROW;
    COMUN.LANG = LANG_ROMANIAN;
    DIALOG_GET_FLAG(dialog, IDC_LANG_RO, COMUN.LANG_RO, PROP_STATE);
    if (!COMUN.LANG_RO) COMUN.LANG = LANG_ENGLISH;
    NumberText room;
    const RowText row =
        neighbour_row(*format, word_of_x(format->kind), upward, binary, COMUN.LANG, room);
    DIALOG_SET_TEXT(dialog, IDC_NEAREST, row.text);
    DIALOG_SET_TEXT(dialog, IDC_NEAREST_LABEL, row.caption);
}

} // namespace binora
