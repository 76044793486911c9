#include "arithwindow/arith_state.hpp"

#include "dialog/dialog_operations.hpp"

namespace binora {

ArithGlobals ARITH;

void reset_arith_state() {
    DIALOG_RELEASE(ARITH.ARITH_DIALOG);
    ARITH.LANG = Language::english;
}

} // namespace binora
