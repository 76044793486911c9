#include "resources/templates.hpp"

#include "resources/dialog_templates.hpp"
#include "resources/program_images.hpp"

#include <array>

namespace binora {

const DialogTemplate* program_template(int id) {
    static const std::array<DialogTemplate, 5> templates{
        make_main_template(), make_about_template(), make_info_template(), make_summary_template(),
        make_arith_template()};
    for (const auto& t : templates)
        if (t.id == id) return &t;
    return nullptr;
}

const ImageResource* program_image(int id) {
    for (const auto& image : program_images())
        if (image.id == id) return &image;
    return nullptr;
}

void install_program_resources() {
    set_template_source(program_template);
    set_image_source(program_image);
}

} // namespace binora
