#pragma once

#include "dialog/dialog_record.hpp"

namespace binora {

// Writes X of the current kind into IDC_VALUE_X in its canonical form, as the read-out core
// gave it at the rebuild just made (GETEDITSANDRETRIEVEREAL): "(SP,1pE)" for binary32,
// "(SP,1pD)" for binary64 and binary128, without leading blanks; 0.1 read in binary32 shows
// "+1.0000000E-01". Program writes raise no events, so this starts no new read. `id` and
// `event` are those of the calling routine, unused.
void OUTPUTVALUE(DIALOG_RECORD& dialog, int id, int event);

} // namespace binora
