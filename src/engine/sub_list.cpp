#include "engine/sub_list.hpp"

#include "dialog/dialog_operations.hpp"
#include "engine/sub_exponent.hpp"
#include "engine/sub_fraction.hpp"
#include "engine/sub_near.hpp"
#include "engine/sub_ulp.hpp"
#include "model/comun.hpp"
#include "resources/resource.hpp"

#include <string>

namespace binora {

namespace {

// The definition of epsilon for the current kind, with the literal one written in the kind's
// notation (single, double, quadruple precision); blank for any other kind.
void show_epsilon(DIALOG_RECORD& dialog) {
    std::string_view text;
    switch (COMUN.KIND_REAL) {
    case 4:
        text = "Epsilon = ULP(1.0).";
        break;
    case 8:
        text = "Epsilon = ULP(1.D0).";
        break;
    case 16:
        text = "Epsilon = ULP(1.Q0).";
        break;
    default:
        break;
    }
    DIALOG_SET_TEXT(dialog, IDC_NEAREST, text);
    DIALOG_SET_TEXT(dialog, IDC_NEAREST_LABEL, "Epsilon");
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
