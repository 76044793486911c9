#pragma once

// The font a dialog's captions are drawn with. Templates are laid out in dialog units for a
// narrow dialog font; the desktop's fonts are wider in places (digits, blanks, punctuation),
// so a caption that fills its rectangle in the template's units may not fit when drawn. The
// window keeps the template geometry (dialog units of the dialog font) and, where needed,
// draws the captions a little smaller.

#include "dialog/dialog_template.hpp"

#include <QFont>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QStyle>

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

class QFontMetrics;

namespace binora {

// The smallest caption size tried, as a fraction of the dialog font's size, and the step
// from one size tried to the next smaller.
constexpr double SMALLEST_CAPTION_SCALE = 0.75;
constexpr double SIZE_STEP_POINTS = 0.25;

// A caption as the window shows it: the control's kind and template style, the text (line
// breaks as "\n") and the control's rectangle in pixels.
struct ShownCaption {
    ControlKind kind = ControlKind::Static;
    unsigned style = 0;
    QString text;
    QRect rect;
};

// Whether the caption fits its rectangle drawn in `font`. Labels wrap their captions at
// blanks unless they have the no-wrap style; buttons, check boxes and radio buttons keep them
// on one line beside the style's indicator or inside its bevel; edits and list boxes have no
// caption.
bool caption_fits(const ShownCaption& caption, const QFont& font, const QStyle& style);

// Whether a label that wraps has to break one of the lines its text was written in, laid out
// as Qt lays out the label in the font of `metrics`.
bool breaks_written_line(const QFontMetrics& metrics, const ShownCaption& caption);

// What the caption font's search has measured: for each caption (kind, style, text and
// rectangle's size) and each size tried, whether it fits and whether a label breaks a line
// its text was written in. Kept across searches, it lets a refit after captions changed
// measure only the captions it has not measured before. Holds the measures of one dialog font
// and style, and of at most MEMO_CAPTIONS captions: asked about another font or style, or
// full, it starts afresh.
class CaptionFitMemo {
  public:
    static constexpr std::size_t MEMO_CAPTIONS = 1024;

    // A caption's measures, by the index of the size tried (largest first); -1 where not yet
    // measured.
    struct Measures {
        std::vector<std::int8_t> fits;
        std::vector<std::int8_t> breaks_line;
    };

    // Makes the memo one of `dialog_font` and `style`, with room for `sizes` sizes.
    void begin(const QFont& dialog_font, const QStyle& style, std::size_t sizes);
    // The measures of `caption`; they stay where they are until the next begin().
    Measures& of(const ShownCaption& caption);

  private:
    struct Key {
        ControlKind kind;
        unsigned style;
        QString text;
        int width;
        int height;
        bool operator==(const Key&) const = default;
    };
    struct KeyHash {
        std::size_t operator()(const Key& key) const;
    };

    QString font_key_;             // QFont::key() of the dialog font
    QPointer<const QStyle> style_; // null once the style is gone, so never taken for another
    std::size_t sizes_ = 0;
    std::unordered_map<Key, Measures, KeyHash> measures_;
};

// The largest size from the dialog font's down to SMALLEST_CAPTION_SCALE of it, in steps of
// SIZE_STEP_POINTS, at which every caption fits and no label has to break a line its text
// was written in; else the largest at which every caption fits; else the one at which the
// fewest do not (the larger of equals).
// Measures what `memo` does not hold yet, and keeps it there.
QFont caption_font(const std::vector<ShownCaption>& captions, const QFont& dialog_font,
                   const QStyle& style, CaptionFitMemo& memo);

} // namespace binora
