#include "engine/sub_list.hpp"

#include "dialog/dialog_operations.hpp"
#include "engine/sub_exponent.hpp"
#include "engine/sub_fraction.hpp"
#include "engine/sub_near.hpp"
#include "engine/sub_ulp.hpp"
#include "model/comun.hpp"
#include "model/format_traits.hpp"
#include "readout/parameter_rows.hpp"
#include "resources/resource.hpp"

namespace binora {

namespace {

// The definition of epsilon for the current kind; blank for any other kind.
void show_epsilon(DIALOG_RECORD& dialog) {
    const FormatTraits* format = find_format(COMUN.KIND_REAL);
    const RowText row = format != nullptr ? epsilon_row(*format) : RowText{"", "Epsilon"};
    DIALOG_SET_TEXT(dialog, IDC_NEAREST, row.text);
    DIALOG_SET_TEXT(dialog, IDC_NEAREST_LABEL, row.caption);
}

} // namespace

void SUB_LIST(DIALOG_RECORD& dialog, int /*id*/, int /*event*/) {
    // The check box choosing the neighbours' layout is usable only while X+ or X- is shown.
    DIALOG_SET_FLAG(dialog, IDC_BINARY_XPM, false, PROP_ENABLED);
    int row = 0;
    DIALOG_GET_INT(dialog, IDC_PARAM_LIST, row, 1);
    COMUN.LIST_INDEX = row;
    switch (COMUN.LIST_INDEX) {
    case 1:
        SUB_EXPONENT(dialog);
        break;
    case 2:
        SUB_FRACTION(dialog);
        break;
    case 3:
        SUB_ULP(dialog);
        break;
    case 4:
    case 5:
        DIALOG_SET_FLAG(dialog, IDC_BINARY_XPM, true, PROP_ENABLED);
        SUB_NEAR(dialog);
        break;
    case 6:
        show_epsilon(dialog);
        break;
    default:
        break; // no selection: the read-out keeps what it shows
    }
}

} // namespace binora
