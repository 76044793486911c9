#include "controller/retrieve_output_value.hpp"

#include "bitedit/get_edits_retrieve_real.hpp"
#include "bitedit/show_cursor_position.hpp"
#include "dialog/dialog_operations.hpp"
#include "engine/output_value.hpp"
#include "resources/resource.hpp"

namespace binora {

void RETRIEVEANDOUTPUTVALUE(DIALOG_RECORD& dialog, int id, int event) {
    SHOWCURSORPOSITION_FIELD(dialog, id, event);
    DIALOG_SET_TEXT(dialog, IDC_CURSOR_POS, "0");
    GETEDITSANDRETRIEVEREAL(dialog, id, event);
    OUTPUTVALUE(dialog, id, event);
}

} // namespace binora
