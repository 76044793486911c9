#include "dialog/qt/image_pixmaps.hpp"

#include "dialog/dialog_template.hpp"

namespace binora {

QPixmap image_pixmap(int image_id) {
    const ImageResource* image = find_image_resource(image_id);
    if (image == nullptr || image->xpm == nullptr) return {};
    return QPixmap(image->xpm);
}

QIcon image_icon(int image_id) {
    const QPixmap pixmap = image_pixmap(image_id);
    return pixmap.isNull() ? QIcon() : QIcon(pixmap);
}

} // namespace binora
