#include "dialog/qt/glyph_line.hpp"

#include <QFontMetricsF>
#include <QPainter>
#include <QPointF>

namespace binora {

namespace {

// True for a character that is drawn as its own glyph, left to right, whatever comes before
// or after it: Latin letters with precomposed accents, digits, punctuation, spaces and the
// general punctuation, superscripts, letterlike, arrows and mathematical blocks. Combining
// marks, right-to-left and complex scripts, surrogates (characters beyond the basic plane),
// and the invisible characters that steer a layout (soft hyphen, zero-width and direction
// marks, line and paragraph separators) are not.
bool needs_no_shaping(QChar c) {
    const char16_t u = c.unicode();
    const bool in_blocks =
        (u >= 0x20 && u < 0x7f) || (u >= 0xa0 && u < 0x250) || (u >= 0x2000 && u < 0x2300);
    const QChar::Category category = c.category();
    return in_blocks && category != QChar::Other_Format && category != QChar::Separator_Line &&
           category != QChar::Separator_Paragraph;
}

} // namespace

GlyphLine::GlyphLine(const QRawFont& raw, const QFont& font, const QString& text) : text_(text) {
    bool plain = raw.isValid();
    for (const QChar c : text)
        plain = plain && needs_no_shaping(c);
    QList<quint32> glyphs;
    if (plain) {
        glyphs = raw.glyphIndexesForString(text);
        for (const quint32 glyph : glyphs)
            plain = plain && glyph != 0; // 0: the font has no glyph; Qt would fall back to another
    }
    if (!plain) {
        shaped_ = true;
        font_ = font;
        width_ = QFontMetricsF(font).horizontalAdvance(text);
        ascent_ = QFontMetricsF(font).ascent();
        return;
    }
    const QList<QPointF> advances = raw.advancesForGlyphIndexes(glyphs, QRawFont::KernedAdvances);
    QList<QPointF> positions;
    positions.reserve(advances.size());
    ascent_ = raw.ascent();
    qreal x = 0;
    for (const QPointF& advance : advances) {
        positions.push_back(QPointF(x, ascent_));
        x += advance.x();
    }
    width_ = x;
    run_.setRawFont(raw);
    run_.setGlyphIndexes(glyphs);
    run_.setPositions(positions);
}

void GlyphLine::draw(QPainter& painter, const QPointF& top_left) const {
    if (shaped_) {
        painter.save();
        painter.setFont(font_);
        painter.drawText(top_left + QPointF(0, ascent_), text_);
        painter.restore();
        return;
    }
    if (!run_.isEmpty()) painter.drawGlyphRun(top_left, run_);
}

} // namespace binora
