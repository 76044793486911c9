#pragma once

// The program's image resources (indexed images found through the dialog layer's image source)
// as Qt pixmaps and icons.

#include <QIcon>
#include <QPixmap>

namespace binora {

// The image with this id; a null pixmap when there is none or its data cannot be read.
QPixmap image_pixmap(int image_id);

// The image as an icon; a null icon when there is none.
QIcon image_icon(int image_id);

} // namespace binora
