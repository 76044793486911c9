#include "engine/sub_ulp.hpp"

#include "current/current_x.hpp"
#include "dialog/dialog_operations.hpp"
#include "model/comun.hpp"
#include "model/fixed_text.hpp"
#include "model/format_traits.hpp"
#include "readout/parameter_rows.hpp"
#include "resources/resource.hpp"

namespace binora {

void SUB_ULP(DIALOG_RECORD& dialog) {
    const FormatTraits* format = find_format(COMUN.KIND_REAL);
    if (format == nullptr) return;
    // VALUE_CHAR is the work text: the controller reads the value edit into it again before
    // it parses a typed value, so overwriting it here loses nothing. The widest text, a
    // binary128 ULP with a four-digit exponent, has 41 characters and fits.
    NumberText room;
    const Word128 word = word_of_x(format->kind);
    // Padded in place: VALUE_CHAR keeps its storage.
    COMUN.VALUE_CHAR.assign(cut_to(ulp_number(*format, word, room), VALUE_CHAR_LENGTH));
    COMUN.VALUE_CHAR.resize(VALUE_CHAR_LENGTH, ' ');
    DIALOG_SET_TEXT(dialog, IDC_NEAREST, trim_blanks(COMUN.VALUE_CHAR));
    DIALOG_SET_TEXT(dialog, IDC_NEAREST_LABEL, ulp_row(*format, word, room).caption);
}

} // namespace binora
