#include "engine/output_value.hpp"

#include "current/window_read_out.hpp"
#include "dialog/dialog_operations.hpp"
#include "resources/resource.hpp"

namespace binora {

void OUTPUTVALUE(DIALOG_RECORD& dialog, int /*id*/, int /*event*/) {
    DIALOG_SET_TEXT(dialog, IDC_VALUE_X, window_read_out().value);
}

} // namespace binora
