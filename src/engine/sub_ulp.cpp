#include "engine/sub_ulp.hpp"

#include "dialog/dialog_operations.hpp"
#include "model/comun.hpp"
#include "model/fixed_text.hpp"
#include "numeric/current_x.hpp"
#include "numeric/number_format.hpp"
#include "numeric/ulp.hpp"
#include "resources/resource.hpp"

namespace binora {

void SUB_ULP(DIALOG_RECORD& dialog) {
    // VALUE_CHAR is the work text: the controller reads the value edit into it again before
    // it parses a typed value, so overwriting it here loses nothing. The widest text, a
    // binary128 ULP with a four-digit exponent, has 41 characters and fits.
    with_current_x([](const auto& x, auto traits) {
        using T = decltype(traits);
        // Padded in place: VALUE_CHAR keeps its storage.
        NumberText number;
        COMUN.VALUE_CHAR.assign(
            cut_to(format_number(ulp(x), kind_form(T::kind), number), VALUE_CHAR_LENGTH));
        COMUN.VALUE_CHAR.resize(VALUE_CHAR_LENGTH, ' ');
    });
    DIALOG_SET_TEXT(dialog, IDC_NEAREST, trim_blanks(COMUN.VALUE_CHAR));
    DIALOG_SET_TEXT(dialog, IDC_NEAREST_LABEL, "        ULP(X)");
}

} // namespace binora
