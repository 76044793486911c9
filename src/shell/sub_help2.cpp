#include "shell/sub_help2.hpp"

#include "dialog/dialog_operations.hpp"
#include "model/fixed_text.hpp"
#include "shell/binora_globals.hpp"
#include "state/comun.hpp"

#include <cstddef>

namespace binora {

void SUB_HELP2(DIALOG_RECORD&, int, int) {
    auto& g = BINORAGLOBALS;
    for (std::size_t i = 0; i < g.STATIC_2.size(); ++i)
        DIALOG_SET_TEXT(g.SUMMARY_DIALOG, g.ID_STATIC_2[i],
                        trim_right(in_language(g.STATIC_2[i], COMUN.LANG)));
    DIALOG_SHOW_MODELESS(g.SUMMARY_DIALOG, SW_SHOWNORMAL);
}

} // namespace binora
