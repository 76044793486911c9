#include "engine/output_value.hpp"

#include "dialog/dialog_operations.hpp"
#include "engine/number_format.hpp"
#include "model/comun.hpp"
#include "model/fixed_text.hpp"
#include "model/format_traits.hpp"
#include "shell/resources/resource.hpp"

#include <string>

namespace binora {

namespace {

constexpr std::size_t READ_OUT_LENGTH = 64;

} // namespace

void OUTPUTVALUE(DIALOG_RECORD& dialog, int /*id*/, int /*event*/) {
    if (find_format(COMUN.KIND_REAL) == nullptr) return;
    const NumberForm form = kind_form(COMUN.KIND_REAL, true);
    std::string text;
    switch (COMUN.KIND_REAL) {
    case 4:
        text = format_number(COMUN.X4, form);
        break;
    case 8:
        text = format_number(COMUN.X8, form);
        break;
    default:
        text = format_number(COMUN.X16, form);
        break;
    }
    DIALOG_SET_TEXT(dialog, IDC_VALUE_X, trim_left(cut_to(text, READ_OUT_LENGTH)));
}

} // namespace binora
