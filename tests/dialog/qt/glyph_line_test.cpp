// A glyph line draws a text as Qt's own text drawing does, pixel for pixel, and measures it as
// the font's metrics do, whether it is laid out from the font's character map or falls back
// to Qt's shaping.

#include "dialog/qt/glyph_line.hpp"

#include <QApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <functional>

namespace binora::testing {

namespace {

QImage drawn(const QFont& font, qreal scale, const std::function<void(QPainter&)>& draw) {
    QImage image(static_cast<int>(700 * scale), static_cast<int>(40 * scale),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale); // a screen at that scale factor
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    draw(painter);
    return image;
}

TEST(GlyphLineTest, DrawsAndMeasuresAsQtDrawsTheText) {
    struct Case {
        const char16_t* text;
        bool shaped; // left to Qt's shaping
    };
    const Case cases[] = {
        {u"", false},
        {u"3FD3333333333334", false},
        {u"+2.9999999999999998889776975374843E-01", false},
        {u"lower neighbour: 2.99999…E-01 − 1", false},
        {u"rotunjit \u00eent\u00e2i, \u0219i \u021b", false}, // Romanian letters
        {u"e\u0301t\u00e9", true},                            // a combining accent
        {u"\u05e9\u05dc\u05d5\u05dd 12", true},               // right to left
        {u"\U0001D7D9", true},                                // beyond the basic plane
        {u"12\u00ad34 5\u200f6", true}, // invisible characters that steer a layout
    };
    const QFont font = QApplication::font();
    const QRawFont raw = QRawFont::fromFont(font);
    for (const Case& c : cases) {
        const QString text = QString::fromUtf16(c.text);
        const GlyphLine line(raw, font, text);
        EXPECT_EQ(line.text(), text);
        EXPECT_EQ(line.shaped(), c.shaped) << text.toStdString();
        EXPECT_NEAR(line.width(), QFontMetricsF(font).horizontalAdvance(text), 0.5)
            << text.toStdString();
        const qreal ascent = QFontMetricsF(font).ascent();
        for (const qreal scale : {1.0, 2.0}) {
            const QImage by_line =
                drawn(font, scale, [&](QPainter& p) { line.draw(p, QPointF(7, 5)); });
            const QImage by_qt =
                drawn(font, scale, [&](QPainter& p) { p.drawText(QPointF(7, 5 + ascent), text); });
            EXPECT_TRUE(by_line == by_qt) << text.toStdString() << " at scale " << scale;
        }
    }
}

TEST(GlyphLineTest, AGlyphTheFontLacksIsLeftToQtsFallback) {
    // A private-use character: no font a system ships draws it, so Qt draws its own box.
    const QFont font = QApplication::font();
    const GlyphLine line(QRawFont::fromFont(font), font, QString::fromUtf16(u"1\ue000"));
    EXPECT_TRUE(line.shaped());
}

} // namespace

} // namespace binora::testing
