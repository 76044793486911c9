#include "engine/sub_exponent.hpp"

#include "bitedit/format_controls.hpp"
#include "current/class_state.hpp"
#include "dialog/dialog_operations.hpp"
#include "model/comun.hpp"
#include "model/format_traits.hpp"
#include "readout/parameter_rows.hpp"
#include "resources/resource.hpp"

#include <string>

namespace binora {

void SUB_EXPONENT(DIALOG_RECORD& dialog) {
    const FormatTraits* f = find_format(COMUN.KIND_REAL);
    if (f == nullptr) return;
    std::string c_exp;
    DIALOG_GET_TEXT(dialog, controls_of(f->kind).exponent().edit, c_exp,
                    static_cast<std::size_t>(f->exponent_bits));
    NumberText room;
    const RowText row =
        exponent_row(*f, word_from_bit_string(c_exp), current_class_flags(), COMUN.LANG, room);
    DIALOG_SET_TEXT(dialog, IDC_NEAREST, row.text);
    DIALOG_SET_TEXT(dialog, IDC_NEAREST_LABEL, row.caption);
}

} // namespace binora
