#include "dialog/dialog_template.hpp"

#include <utility>

namespace binora {

namespace {
TemplateSource template_source;
ImageSource image_source;
} // namespace

TemplateSource set_template_source(TemplateSource source) {
    return std::exchange(template_source, std::move(source));
}

const DialogTemplate* find_dialog_template(int id) {
    return template_source ? template_source(id) : nullptr;
}

ImageSource set_image_source(ImageSource source) {
    return std::exchange(image_source, std::move(source));
}

const ImageResource* find_image_resource(int id) {
    return image_source ? image_source(id) : nullptr;
}

} // namespace binora
