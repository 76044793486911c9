// Drawings decoded when the program is compiled show as Qt's own XPM reader reads them: the
// same palette (16-bit channels rounded as Qt rounds them, None transparent, the colour
// names), the same pixels and, through image_pixmap, the same pixmap.

#include "dialog/dialog_template.hpp"
#include "dialog/qt/image_pixmaps.hpp"
#include "resources/xpm_pixels.hpp"

#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>

namespace binora::testing {

namespace {

// clang-format off
// Channels around the rounding steps from 16 to 8 bits, and both ends.
constexpr const char* rounding[] = {
    "4 1 4 1 ", "a c #00800081017F", "b c #0180FF7FFF80", "c c #7FFF80008080",
    "d c #FFFF0000FFFE", "abcd"};
// Short hexadecimal colours, transparency, names in any case, two keys of one colour.
constexpr const char* named[] = {
    "4 1 6 1", "  c None", ". c SeaGreen", "X c seagreen", "o c #1f4E9c", "O c black",
    "+ c White", " .Xo"};
constexpr const char* opaque[] = {
    "4 1 2 1", "O c black", "+ c White", "O++O"};
// clang-format on

TEST(ImagePixmaps, DecodedDrawingsShowAsQtReadsTheirXpmRows) {
    constexpr auto rounded = decode_xpm<4, 1>(rounding);
    constexpr auto with_names = decode_xpm<4, 1>(named);
    constexpr auto without_alpha = decode_xpm<4, 1>(opaque);
    const struct {
        const char* what;
        const char* const* rows;
        const XpmPixels<4, 1>& image;
    } drawings[] = {{"rounding", rounding, rounded},
                    {"named", named, with_names},
                    {"opaque", opaque, without_alpha}};
    for (const auto& drawing : drawings) {
        const XpmPixels<4, 1>& pixels = drawing.image;
        const ImageResource image{
            1, 4, 1, pixels.indices.data(), pixels.palette.data(), pixels.colours};
        const ImageSource previous =
            set_image_source([&image](int id) { return id == image.id ? &image : nullptr; });
        const QImage read_by_qt(drawing.rows);
        const QImage shown = image_pixmap(image.id).toImage();
        set_image_source(previous);

        QImage indexed(pixels.indices.data(), 4, 1, 4, QImage::Format_Indexed8);
        indexed.setColorTable(
            QList<QRgb>(pixels.palette.data(), pixels.palette.data() + pixels.colours));
        EXPECT_EQ(indexed, read_by_qt) << drawing.what;
        EXPECT_EQ(shown, QPixmap::fromImage(read_by_qt).toImage()) << drawing.what;
    }
}

} // namespace

} // namespace binora::testing
