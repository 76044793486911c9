#include "shell/binora_globals.hpp"

#include "dialog/dialog_operations.hpp"

namespace binora {

BinoraGlobals BINORAGLOBALS;

void reset_shell_state() {
    auto& g = BINORAGLOBALS;
    DIALOG_RELEASE(g.MAIN_DIALOG);
    DIALOG_RELEASE(g.SUMMARY_DIALOG);
    g.TITLE = {};
    g.PARAM = {};
    g.STATIC_2 = {};
    g.ID_STATIC_2 = {};
    g.BIT8_0.clear();
    g.BIT23_0.clear();
}

} // namespace binora
