#include "arithwindow/sub_arith.hpp"

#include "arithwindow/arith_inputs.hpp"
#include "arithwindow/arith_state.hpp"
#include "arithwindow/arith_titles.hpp"
#include "arithwindow/lessons.hpp"
#include "arithwindow/show_arithmetic.hpp"
#include "dialog/dialog_operations.hpp"
#include "resources/resource.hpp"

#include <cstddef>

namespace binora {

void SUB_ARITH(DIALOG_RECORD& dialog, int id, int /*event*/) {
    switch (id) {
    case IDC_AR_LANG_RO:
    case IDC_AR_LANG_EN:
        ARITH.LANG = id == IDC_AR_LANG_RO ? Language::romanian : Language::english;
        SET_ARITH_TITLES(dialog);
        break;
    case IDC_AR_LESSON:
        APPLY_LESSON(dialog);
        break;
    case IDC_AR_MODES: {
        int row = 0;
        DIALOG_GET_INT(dialog, IDC_AR_MODES, row, 1);
        if (row >= 1 && row <= static_cast<int>(ROUNDING_RADIOS.size()))
            DIALOG_SET_FLAG(dialog, ROUNDING_RADIOS[static_cast<std::size_t>(row - 1)], true);
        break;
    }
    default:
        break;
    }
    SHOW_ARITHMETIC(dialog);
}

} // namespace binora
