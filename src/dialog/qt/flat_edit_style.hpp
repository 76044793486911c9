#pragma once

// The style of flat edits: the application's style, except that an edit's panel is only its
// inside, filled with the base colour. A flat edit draws its own sunken edge over the two
// pixels all round where the style's frame would be, so the style's frame (an antialiased
// rounded outline) drawn at each repaint of a read-out was never seen. Where a logical pixel
// is not one device pixel, the panel is the application style's own.

#include <QProxyStyle>

class QStyle;

namespace binora {

class FlatEditStyle final : public QProxyStyle {
  public:
    // A new instance of the application's style, wrapped.
    FlatEditStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
};

// The one FlatEditStyle of the running application (made at the first call, owned by the
// application object).
QStyle* flat_edit_style();

} // namespace binora
