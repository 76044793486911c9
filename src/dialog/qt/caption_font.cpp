#include "dialog/qt/caption_font.hpp"

#include <QFontMetrics>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>

#include <limits>

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

int overflowing_captions(const std::vector<ShownCaption>& captions, const QFont& font,
                         const QStyle& style) {
    int count = 0;
    for (const auto& caption : captions)
        if (!caption_fits(caption, font, style)) ++count;
    return count;
}

} // namespace

QFont caption_font(const std::vector<ShownCaption>& captions, const QFont& dialog_font,
                   const QStyle& style) {
    const double full = dialog_font.pointSizeF();
    QFont best = dialog_font;
    int fewest = std::numeric_limits<int>::max();
    for (double points = full; points >= full * SMALLEST_CAPTION_SCALE;
         points -= SIZE_STEP_POINTS) {
        QFont candidate = dialog_font;
        candidate.setPointSizeF(points);
        const int overflowing = overflowing_captions(captions, candidate, style);
        if (overflowing == 0) return candidate;
        if (overflowing < fewest) {
            fewest = overflowing;
            best = candidate;
        }
    }
    return best;
}

} // namespace binora
