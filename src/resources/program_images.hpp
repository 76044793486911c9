#pragma once

#include "dialog/dialog_template.hpp"

#include <array>

namespace binora {

// The icons 112, 110, 109, 104 and the bitmap 113, as indexed images ready to be shown.
const std::array<ImageResource, 6>& program_images();

} // namespace binora
