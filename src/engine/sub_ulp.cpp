#include "engine/sub_ulp.hpp"

#include "dialog/dialog_operations.hpp"
#include "engine/number_format.hpp"
#include "engine/ulp.hpp"
#include "model/comun.hpp"
#include "model/fixed_text.hpp"
#include "shell/resources/resource.hpp"

namespace binora {

void SUB_ULP(DIALOG_RECORD& dialog) {
    // VALUE_CHAR is the work text: the controller reads the value edit into it again before
    // it parses a typed value, so overwriting it here loses nothing. The widest text, a
    // binary128 ULP with a four-digit exponent, has 41 characters and fits.
    switch (COMUN.KIND_REAL) {
    case 4:
        COMUN.VALUE_CHAR = pad_to(format_number(ULP4(COMUN.X4), kind_form(4)), VALUE_CHAR_LENGTH);
        break;
    case 8:
        COMUN.VALUE_CHAR = pad_to(format_number(ULP8(COMUN.X8), kind_form(8)), VALUE_CHAR_LENGTH);
        break;
    case 16:
        COMUN.VALUE_CHAR =
            pad_to(format_number(ULP16(COMUN.X16), kind_form(16)), VALUE_CHAR_LENGTH);
        break;
    default:
        break;
    }
    DIALOG_SET_TEXT(dialog, IDC_NEAREST, trim_blanks(COMUN.VALUE_CHAR));
    DIALOG_SET_TEXT(dialog, IDC_NEAREST_LABEL, "        ULP(X)");
}

} // namespace binora
