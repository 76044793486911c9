#pragma once

// Binora's dialog templates and images, as data. `install_program_resources` makes them the
// dialog layer's template and image sources.

#include "dialog/dialog_template.hpp"

namespace binora {

// The program's template with this id (IDD_MAIN, IDD_ABOUT, IDD_INFO, IDD_SUMMARY,
// IDD_ARITH), or nullptr.
const DialogTemplate* program_template(int id);

// The program's icon or bitmap with this id, or nullptr.
const ImageResource* program_image(int id);

// Installs program_template and program_image as the dialog layer's sources.
void install_program_resources();

} // namespace binora
