#include "engine/output_value.hpp"

#include "current/current_x.hpp"
#include "dialog/dialog_operations.hpp"
#include "model/comun.hpp"
#include "model/format_traits.hpp"
#include "readout/parameter_rows.hpp"
#include "resources/resource.hpp"

namespace binora {

void OUTPUTVALUE(DIALOG_RECORD& dialog, int /*id*/, int /*event*/) {
    const FormatTraits* format = find_format(COMUN.KIND_REAL);
    if (format == nullptr) return;
    NumberText room;
    DIALOG_SET_TEXT(dialog, IDC_VALUE_X, canonical_value(*format, word_of_x(format->kind), room));
}

} // namespace binora
