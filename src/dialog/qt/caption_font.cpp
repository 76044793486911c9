#include "dialog/qt/caption_font.hpp"

#include "dialog/qt/control_widgets.hpp"
#include "dialog/qt/cp1252_codec.hpp"

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

QString shown_caption(const ControlTemplate& item) {
    QString caption = with_plain_line_breaks(from_cp1252(item.caption));
    if (item.kind != ControlKind::Static) caption.remove(QLatin1Char('&')); // mnemonic marks
    return caption;
}

bool label_fits(const QFontMetrics& metrics, const QString& caption, const ControlTemplate& item,
                const QRect& room) {
    if (has(item.style, STYLE_NO_WORD_WRAP)) {
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
QRect caption_room(const ControlTemplate& item, const QRect& rect, const QFont& font,
                   const QStyle& style) {
    QStyleOptionButton option;
    option.rect = QRect(QPoint(0, 0), rect.size());
    option.fontMetrics = QFontMetrics(font);
    option.text = shown_caption(item);
    if (has(item.style, STYLE_DEFAULT_BUTTON))
        option.features |= QStyleOptionButton::AutoDefaultButton;
    switch (item.kind) {
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

bool caption_fits(const ControlTemplate& item, const QRect& rect, const QFont& font,
                  const QStyle& style) {
    const QString caption = shown_caption(item);
    if (caption.isEmpty() || has(item.style, STYLE_ICON) || has(item.style, STYLE_BITMAP))
        return true;
    const QFontMetrics metrics(font);
    if (item.kind == ControlKind::Static) {
        const int frame = has(item.style, STYLE_SUNKEN) ? 1 : 0;
        return label_fits(metrics, caption, item, rect.adjusted(frame, frame, -frame, -frame));
    }
    if (item.kind == ControlKind::Edit || item.kind == ControlKind::ListBox) return true;
    if (item.kind == ControlKind::GroupBox)
        return metrics.horizontalAdvance(caption) <= rect.width();
    const QSize needed = metrics.size(Qt::TextSingleLine, caption);
    const QRect room = caption_room(item, rect, font, style);
    return needed.width() <= room.width() && needed.height() <= room.height();
}

int overflowing_captions(const DialogTemplate& dialog, const QFont& font,
                         const DialogBaseUnits& base, const QStyle& style) {
    int count = 0;
    for (const auto& item : dialog.controls)
        if (!caption_fits(item, dialog_units_to_pixels(item.rect, base), font, style)) ++count;
    return count;
}

} // namespace

QFont caption_font(const DialogTemplate& dialog, const QFont& dialog_font,
                   const DialogBaseUnits& base, const QStyle& style) {
    const double full = dialog_font.pointSizeF();
    QFont best = dialog_font;
    int fewest = std::numeric_limits<int>::max();
    for (double points = full; points >= full * SMALLEST_CAPTION_SCALE;
         points -= SIZE_STEP_POINTS) {
        QFont candidate = dialog_font;
        candidate.setPointSizeF(points);
        const int overflowing = overflowing_captions(dialog, candidate, base, style);
        if (overflowing == 0) return candidate;
        if (overflowing < fewest) {
            fewest = overflowing;
            best = candidate;
        }
    }
    return best;
}

} // namespace binora
