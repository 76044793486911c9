#pragma once

// One line of plain text laid out from the font's own character map and advances, without
// going through Qt's text shaping. Shaping a line costs about a microsecond a character;
// a window that rewrites hundreds of characters of numbers at every keystroke spends most
// of the keystroke there. Texts of this kind (digits, Latin letters with their accents,
// punctuation, the few mathematical signs the read-outs use) need no shaping: each
// character is one glyph, placed after the one before by its advance, kerned as the font's
// kerning table says. A text with any other character, or one the font has no glyph for, is
// left to Qt's shaping (`shaped()` is then true and drawing goes through QPainter::drawText),
// so that nothing is ever drawn wrong, only more slowly.

#include <QFont>
#include <QGlyphRun>
#include <QRawFont>
#include <QString>

class QPainter;
class QPointF;

namespace binora {

class GlyphLine {
  public:
    GlyphLine() = default;
    // `text` laid out in `font` (as QRawFont::fromFont(font) gives it; the caller keeps one
    // per font, since making it costs more than a line). The text's width is measured either
    // way, by Qt's shaping where the line falls back to it.
    GlyphLine(const QRawFont& raw, const QFont& font, const QString& text);

    const QString& text() const { return text_; }
    qreal width() const { return width_; }
    bool shaped() const { return shaped_; }

    // Draws the line with its top left at `top_left` (the baseline is the font's ascent
    // below it), in the painter's pen.
    void draw(QPainter& painter, const QPointF& top_left) const;

  private:
    QString text_;
    QGlyphRun run_;
    QFont font_; // set only where the line is shaped
    qreal width_ = 0;
    qreal ascent_ = 0;
    bool shaped_ = false;
};

} // namespace binora
