#include "dialog/qt/caption_font.hpp"

#include <QFontMetrics>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>

#include <limits>
#include <optional>

namespace binora {

namespace {

constexpr double SIZE_STEP_POINTS = 0.25;

bool has(unsigned style, unsigned bit) {
    return (style & bit) != 0;
}

// The caption as drawn: buttons show '&' as the underline of the next character.
QString drawn_text(const ShownCaption& caption) {
    QString text = caption.text;
    if (caption.kind != ControlKind::Static) text.remove(QLatin1Char('&'));
    return text;
}

bool label_fits(const QFontMetrics& metrics, const QString& caption, unsigned style,
                const QRect& room) {
    if (has(style, STYLE_NO_WORD_WRAP)) {
        const QSize needed = metrics.size(0, caption);
        return needed.width() <= room.width() && needed.height() <= room.height();
    }
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    for (const QString& word : caption.split(blanks, Qt::SkipEmptyParts))
        if (metrics.horizontalAdvance(word) > room.width()) return false;
    const QRect needed = metrics.boundingRect(QRect(0, 0, room.width(), 0),
                                              Qt::AlignLeft | Qt::TextWordWrap, caption);
    return needed.height() <= room.height();
}

// Whether a wrapping label has to break one of the lines its text was written in.
bool breaks_written_line(const QFontMetrics& metrics, const ShownCaption& caption) {
    if (caption.kind != ControlKind::Static || has(caption.style, STYLE_NO_WORD_WRAP) ||
        has(caption.style, STYLE_ICON) || has(caption.style, STYLE_BITMAP))
        return false;
    const int frame = has(caption.style, STYLE_SUNKEN) ? 2 : 0;
    const QRect room(0, 0, caption.rect.width() - frame, 0);
    const int one_line = metrics.boundingRect(room, Qt::AlignLeft, QStringLiteral("X")).height();
    for (const QString& line : caption.text.split(QLatin1Char('\n')))
        if (metrics.boundingRect(room, Qt::AlignLeft | Qt::TextWordWrap, line).height() > one_line)
            return true; // laid out as Qt lays out the label: more than one line
    return false;
}

// The room a button-like control leaves its caption, from the style.
QRect caption_room(const ShownCaption& caption, const QFont& font, const QStyle& style) {
    QStyleOptionButton option;
    option.rect = QRect(QPoint(0, 0), caption.rect.size());
    option.fontMetrics = QFontMetrics(font);
    option.text = drawn_text(caption);
    if (has(caption.style, STYLE_DEFAULT_BUTTON))
        option.features |= QStyleOptionButton::AutoDefaultButton;
    switch (caption.kind) {
    case ControlKind::RadioButton:
        return style.subElementRect(QStyle::SE_RadioButtonContents, &option);
    case ControlKind::CheckBox:
        return style.subElementRect(QStyle::SE_CheckBoxContents, &option);
    case ControlKind::PushButton:
        return style.subElementRect(QStyle::SE_PushButtonContents, &option);
    default:
        return option.rect;
    }
}

bool caption_fits(const ShownCaption& caption, const QFont& font, const QStyle& style) {
    const QString text = drawn_text(caption);
    if (text.isEmpty() || has(caption.style, STYLE_ICON) || has(caption.style, STYLE_BITMAP))
        return true;
    const QFontMetrics metrics(font);
    const QRect& rect = caption.rect;
    switch (caption.kind) {
    case ControlKind::Static: {
        const int frame = has(caption.style, STYLE_SUNKEN) ? 1 : 0;
        return label_fits(metrics, text, caption.style,
                          rect.adjusted(frame, frame, -frame, -frame));
    }
    case ControlKind::GroupBox:
        return metrics.horizontalAdvance(text) <= rect.width();
    case ControlKind::Edit:
    case ControlKind::ListBox:
        return true;
    case ControlKind::PushButton:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
        break;
    }
    const QSize needed = metrics.size(Qt::TextSingleLine, text);
    const QRect room = caption_room(caption, font, style);
    return needed.width() <= room.width() && needed.height() <= room.height();
}

// How well the captions take a font: how many do not fit, then how many labels have to
// break a line of their text (lower is better in both).
struct Fit {
    int overflowing = 0;
    int broken_lines = 0;
};

Fit fit_of(const std::vector<ShownCaption>& captions, const QFont& font, const QStyle& style) {
    const QFontMetrics metrics(font);
    Fit fit;
    for (const auto& caption : captions) {
        if (!caption_fits(caption, font, style)) ++fit.overflowing;
        if (breaks_written_line(metrics, caption)) ++fit.broken_lines;
    }
    return fit;
}

} // namespace

QFont caption_font(const std::vector<ShownCaption>& captions, const QFont& dialog_font,
                   const QStyle& style) {
    const double full = dialog_font.pointSizeF();
    std::optional<QFont> fitting; // the largest size at which every caption fits
    QFont best = dialog_font;
    int fewest = std::numeric_limits<int>::max();
    for (double points = full; points >= full * SMALLEST_CAPTION_SCALE;
         points -= SIZE_STEP_POINTS) {
        QFont candidate = dialog_font;
        candidate.setPointSizeF(points);
        const Fit fit = fit_of(captions, candidate, style);
        if (fit.overflowing == 0 && fit.broken_lines == 0) return candidate;
        if (fit.overflowing == 0 && !fitting) fitting = candidate;
        if (fit.overflowing < fewest) {
            fewest = fit.overflowing;
            best = candidate;
        }
    }
    return fitting.value_or(best);
}

} // namespace binora
