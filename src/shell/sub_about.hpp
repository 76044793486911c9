#pragma once

#include "dialog/dialog_record.hpp"

namespace binora {

// The About box, modal, in the current language; built and released here.
void SUB_ABOUT(DIALOG_RECORD& dialog, int id, int event);

} // namespace binora
