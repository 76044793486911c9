#pragma once

// Builders of the program's dialog templates, one per file; templates.cpp keeps one copy of
// each for the whole run.

#include "dialog/dialog_template.hpp"

namespace binora {

DialogTemplate make_main_template();
DialogTemplate make_about_template();
DialogTemplate make_info_template();
DialogTemplate make_summary_template();
DialogTemplate make_arith_template();

} // namespace binora
