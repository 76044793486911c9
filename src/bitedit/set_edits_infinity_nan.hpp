#pragma once

#include "dialog/dialog_record.hpp"

namespace binora {

// Fills the bit edits of the current kind with the infinity (IS_INFINITY, sign INF_SIGN) or
// the all-ones NaN (sign NAN_SIGN) pattern. Neither validates nor rebuilds X.
void SETEDITSFORINFINITY_NAN(DIALOG_RECORD& dialog, int id, int event);

} // namespace binora
