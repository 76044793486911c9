#include "dialog/qt/caption_font.hpp"

#include "dialog/qt/control_widgets.hpp"

#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>
#include <limits>
#include <numeric>
#include <optional>

namespace binora {

namespace {

bool has(unsigned style, unsigned bit) {
    return (style & bit) != 0;
}

// The caption as drawn: '&' shows as the underline of the next character (labels have
// mnemonics only where they name the control after them).
QString drawn_text(const ShownCaption& caption) {
    return without_mnemonic(caption.text);
}

// The blanks between the words of a caption: space and the controls tab to carriage return.
bool is_blank(QChar c) {
    const char16_t u = c.unicode();
    return u == u' ' || (u >= u'\t' && u <= u'\r');
}

// A wrapping label fits when each word fits its width and the wrapped lines its height.
bool label_fits(const QFontMetrics& metrics, const QString& caption, unsigned style,
                const QRect& room) {
    if (has(style, STYLE_NO_WORD_WRAP)) {
        const QSize needed = metrics.size(0, caption);
        return needed.width() <= room.width() && needed.height() <= room.height();
    }
    for (qsizetype start = 0; start < caption.size();) {
        if (is_blank(caption[start])) {
            ++start;
            continue;
        }
        qsizetype end = start;
        while (end < caption.size() && !is_blank(caption[end]))
            ++end;
        if (metrics.horizontalAdvance(caption.mid(start, end - start)) > room.width()) return false;
        start = end;
    }
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

} // namespace

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
    case ControlKind::ComboBox:
    case ControlKind::Table:
    case ControlKind::NumberLine:
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

namespace {

// The captions in the order a test runs through them: the one a test failed on last comes
// first, since the next size down most often fails on the same caption. The order decides
// only how soon a failing test stops, never its answer.
class TestOrder {
  public:
    explicit TestOrder(std::size_t count) : order_(count) {
        std::iota(order_.begin(), order_.end(), std::size_t{0});
    }

    // Whether `fails` holds for some caption (by index); the first found moves to the front.
    template <class Test> bool any(const Test& fails) {
        for (auto it = order_.begin(); it != order_.end(); ++it) {
            if (!fails(*it)) continue;
            std::rotate(order_.begin(), it, it + 1);
            return true;
        }
        return false;
    }

  private:
    std::vector<std::size_t> order_;
};

// A measure taken once: `slot` holds it after the first call.
template <class Measure> bool remembered(std::int8_t& slot, const Measure& measure) {
    if (slot < 0) slot = measure() ? 1 : 0;
    return slot == 1;
}

} // namespace

void CaptionFitMemo::begin(const QFont& dialog_font, const QStyle& style, std::size_t sizes) {
    const QString font_key = dialog_font.key();
    if (style_.data() != &style || sizes_ != sizes || font_key_ != font_key ||
        measures_.size() >= MEMO_CAPTIONS) {
        measures_.clear();
        font_key_ = font_key;
        style_ = &style;
        sizes_ = sizes;
    }
}

CaptionFitMemo::Measures& CaptionFitMemo::of(const ShownCaption& caption) {
    Key key{caption.kind, caption.style, caption.text, caption.rect.width(), caption.rect.height()};
    auto [entry, added] = measures_.try_emplace(std::move(key));
    if (added) {
        entry->second.fits.assign(sizes_, -1);
        entry->second.breaks_line.assign(sizes_, -1);
    }
    return entry->second;
}

std::size_t CaptionFitMemo::KeyHash::operator()(const Key& key) const {
    return qHashMulti(0, static_cast<int>(key.kind), key.style, key.text, key.width, key.height);
}

QFont caption_font(const std::vector<ShownCaption>& captions, const QFont& dialog_font,
                   const QStyle& style, CaptionFitMemo& memo) {
    const double full = dialog_font.pointSizeF();
    std::vector<QFont> sizes; // the sizes tried, largest first
    for (double points = full; points >= full * SMALLEST_CAPTION_SCALE;
         points -= SIZE_STEP_POINTS) {
        sizes.push_back(dialog_font);
        sizes.back().setPointSizeF(points);
    }
    memo.begin(dialog_font, style, sizes.size());
    std::vector<CaptionFitMemo::Measures*> measures;
    measures.reserve(captions.size());
    for (const ShownCaption& caption : captions)
        measures.push_back(&memo.of(caption));
    const auto fits = [&](std::size_t i, std::size_t size) {
        return remembered(measures[i]->fits[size],
                          [&] { return caption_fits(captions[i], sizes[size], style); });
    };

    // Each size is tested only as far as it can still change the answer: once a size fits
    // every caption, a smaller one counts only if no label breaks a line there either.
    TestOrder overflow_order(captions.size());
    TestOrder broken_order(captions.size());
    std::optional<std::size_t> fitting; // the largest size at which every caption fits
    for (std::size_t size = 0; size < sizes.size(); ++size) {
        const auto overflows = [&](std::size_t i) { return !fits(i, size); };
        const auto breaks = [&](std::size_t i) {
            return remembered(measures[i]->breaks_line[size], [&] {
                return breaks_written_line(QFontMetrics(sizes[size]), captions[i]);
            });
        };
        if (fitting) {
            if (!broken_order.any(breaks) && !overflow_order.any(overflows)) return sizes[size];
        } else if (!overflow_order.any(overflows)) {
            if (!broken_order.any(breaks)) return sizes[size];
            fitting = size;
        }
    }
    if (fitting) return sizes[*fitting];

    // No size fits every caption: the one at which the fewest overflow, the larger of equals.
    QFont best = dialog_font;
    int fewest = std::numeric_limits<int>::max();
    for (std::size_t size = 0; size < sizes.size(); ++size) {
        int overflowing = 0;
        for (std::size_t i = 0; i < captions.size(); ++i)
            if (!fits(i, size)) ++overflowing;
        if (overflowing < fewest) {
            fewest = overflowing;
            best = sizes[size];
        }
    }
    return best;
}

} // namespace binora
