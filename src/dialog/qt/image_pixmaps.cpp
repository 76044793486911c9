#include "dialog/qt/image_pixmaps.hpp"

#include "dialog/dialog_template.hpp"

#include <QImage>

namespace binora {

QPixmap image_pixmap(int image_id) {
    const ImageResource* image = find_image_resource(image_id);
    if (image == nullptr || image->indices == nullptr || image->palette == nullptr ||
        image->width <= 0 || image->height <= 0 || image->colours <= 0)
        return {};
    // The image reads the resource's indices in place; the pixmap made from it is a copy.
    QImage indexed(image->indices, image->width, image->height, image->width,
                   QImage::Format_Indexed8);
    indexed.setColorTable(QList<QRgb>(image->palette, image->palette + image->colours));
    return QPixmap::fromImage(indexed);
}

QIcon image_icon(int image_id) {
    const QPixmap pixmap = image_pixmap(image_id);
    return pixmap.isNull() ? QIcon() : QIcon(pixmap);
}

} // namespace binora
