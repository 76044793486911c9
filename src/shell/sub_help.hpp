#pragma once

#include "dialog/dialog_record.hpp"

namespace binora {

// The Info dialog on ULP, X+ and X-, modal, in the current language; built and released here.
void SUB_HELP(DIALOG_RECORD& dialog, int id, int event);

} // namespace binora
