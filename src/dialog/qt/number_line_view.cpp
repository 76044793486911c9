#include "dialog/qt/number_line_view.hpp"

#include "dialog/qt/glyph_line.hpp"

#include <QAccessibleWidget>
#include <QEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace binora {

namespace {

const QColor EXACT_COLOUR(0x1f, 0x4e, 0x9c);
const QColor ROUNDED_COLOUR(0xc0, 0x00, 0x00);
const QColor MIDPOINT_COLOUR(0x60, 0x60, 0x60);

bool above_line(LineMarkKind kind) {
    return kind == LineMarkKind::exact;
}

} // namespace

struct NumberLineView::Layout {
    int line_height = 0;
    QRect caption;
    int exact_tag_top = 0;
    int line_y = 0;
    int tick = 0;  // half the height of a tick
    int left = 0;  // the x of position 0
    int right = 0; // the x of position 1
    int point_tag_top = 0;
    int rounded_tag_top = 0;
    int legend_top = 0;

    // The x of a position; beyond an end, a little past it.
    int x_of(double position) const {
        if (position < 0) return left - line_height;
        if (position > 1) return right + line_height;
        return left + static_cast<int>(std::lround(position * (right - left)));
    }
};

struct NumberLineView::Drawing {
    Layout layout;
    std::vector<PlacedText> placed; // as placed_texts() gives them
    std::vector<GlyphLine> lines;   // the tags' and the legend's, in the order of `placed`
};

QAccessibleInterface* number_line_accessible(const QString&, QObject* object) {
    auto* view = dynamic_cast<NumberLineView*>(object);
    return view != nullptr ? new QAccessibleWidget(view, QAccessible::Chart) : nullptr;
}

NumberLineView::NumberLineView(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus); // a screen reader reaches it with the keyboard
    // paintEvent fills the whole view with the window's background: a change of the line
    // repaints it alone, not the window behind it as well.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

NumberLineView::~NumberLineView() = default;

bool NumberLineView::Mark::operator==(const Mark& other) const {
    return kind == other.kind && position == other.position && tag == other.tag &&
           label == other.label;
}

void NumberLineView::set_content(const QString& caption, std::vector<Mark> marks) {
    if (caption == caption_ && marks == marks_) return; // nothing to draw again
    // The same caption stays where it is: only what is below it is drawn again.
    const int caption_height = std::max(fontMetrics().height(), caption_wrapped_.height());
    const QRect changed = caption == caption_ && caption_text_ != nullptr
                              ? rect().adjusted(0, caption_height, 0, 0)
                              : rect();
    forget_drawing(caption != caption_);
    caption_ = caption;
    marks_ = std::move(marks);
    QString description = caption_;
    for (const Mark& mark : marks_)
        if (!mark.label.isEmpty()) description += QLatin1Char('\n') + mark.label;
    setAccessibleDescription(description);
    update(changed);
}

void NumberLineView::forget_drawing(bool caption_too) {
    drawing_.reset();
    if (caption_too) {
        caption_text_.reset();
        raw_font_ = QRawFont();
    }
}

void NumberLineView::resizeEvent(QResizeEvent* event) {
    forget_drawing(true);
    QWidget::resizeEvent(event);
}

void NumberLineView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        forget_drawing(true);
    QWidget::changeEvent(event);
}

std::vector<NumberLineView::PlacedText> NumberLineView::placed_texts() const {
    return drawing().placed;
}

const NumberLineView::Drawing& NumberLineView::drawing() const {
    if (drawing_ != nullptr) return *drawing_;
    const QFont& font = this->font();
    const QFontMetrics metrics(font);
    if (caption_text_ == nullptr) {
        caption_wrapped_ = metrics.boundingRect(QRect(0, 0, width(), 0),
                                                Qt::AlignLeft | Qt::TextWordWrap, caption_);
        caption_text_ = std::make_unique<QStaticText>(caption_);
        caption_text_->setTextFormat(Qt::PlainText);
        caption_text_->setTextWidth(width());
    }
    if (!raw_font_.isValid()) raw_font_ = QRawFont::fromFont(font);
    const QRawFont& raw = raw_font_;
    auto d = std::make_unique<Drawing>();
    Layout& l = d->layout;
    l.line_height = metrics.height();
    const int h = l.line_height;
    l.caption = QRect(0, 0, width(), std::max(h, caption_wrapped_.height()));
    l.exact_tag_top = l.caption.bottom() + 1 + h / 3;
    l.tick = h / 3;
    l.line_y = l.exact_tag_top + h + h / 2 + l.tick;
    l.point_tag_top = l.line_y + l.tick + 2;
    l.rounded_tag_top = l.point_tag_top + h;
    l.legend_top = l.rounded_tag_top + h + h / 3;
    // Room at both ends for half a tag and the arrow of a mark beyond the end.
    std::vector<GlyphLine> tags;
    tags.reserve(marks_.size());
    int widest_tag = 0;
    for (const Mark& mark : marks_) {
        tags.emplace_back(raw, font, mark.tag);
        widest_tag = std::max(widest_tag, qRound(tags.back().width()));
    }
    const int margin = std::max(widest_tag / 2, 2 * h) + 2 * h;
    l.left = margin;
    l.right = std::max(margin + 1, width() - margin);

    if (!caption_.isEmpty()) d->placed.push_back({caption_, caption_wrapped_, -1, false});
    for (std::size_t i = 0; i < marks_.size(); ++i) {
        const Mark& mark = marks_[i];
        if (mark.tag.isEmpty()) continue;
        int top = l.point_tag_top;
        if (above_line(mark.kind)) top = l.exact_tag_top;
        if (mark.kind == LineMarkKind::rounded) top = l.rounded_tag_top;
        const int width = qRound(tags[i].width());
        const int left =
            std::clamp(l.x_of(mark.position) - width / 2, 0, std::max(0, this->width() - width));
        d->placed.push_back(
            {mark.tag, QRect(left, top, width, l.line_height), static_cast<int>(i), false});
        d->lines.push_back(std::move(tags[i]));
    }
    int row = 0;
    for (std::size_t i = 0; i < marks_.size(); ++i) {
        const Mark& mark = marks_[i];
        if (mark.label.isEmpty()) continue;
        const int top = l.legend_top + row * l.line_height;
        const int left = 2 * l.line_height;
        GlyphLine& label = d->lines.emplace_back(raw, font, mark.label);
        const int width = qRound(label.width());
        d->placed.push_back(
            {mark.label, QRect(left, top, width, l.line_height), static_cast<int>(i), true});
        ++row;
    }
    drawing_ = std::move(d);
    return *drawing_;
}

namespace {

// The symbol of a mark centred at `at`, `size` pixels high.
void draw_symbol(QPainter& painter, LineMarkKind kind, QPoint at, int size, const QColor& text) {
    const int half = std::max(2, size / 2);
    switch (kind) {
    case LineMarkKind::point:
        painter.setPen(QPen(text, 2));
        painter.drawLine(at.x(), at.y() - half, at.x(), at.y() + half);
        break;
    case LineMarkKind::midpoint:
        painter.setPen(QPen(MIDPOINT_COLOUR, 1, Qt::DashLine));
        painter.drawLine(at.x(), at.y() - half, at.x(), at.y() + half);
        break;
    case LineMarkKind::exact: {
        QPainterPath triangle;
        triangle.moveTo(at.x() - half, at.y() - half);
        triangle.lineTo(at.x() + half, at.y() - half);
        triangle.lineTo(at.x(), at.y() + half);
        triangle.closeSubpath();
        painter.fillPath(triangle, EXACT_COLOUR);
        break;
    }
    case LineMarkKind::rounded:
        painter.setPen(QPen(ROUNDED_COLOUR, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(at, half, half);
        break;
    }
}

QColor colour_of(LineMarkKind kind, const QColor& text) {
    switch (kind) {
    case LineMarkKind::exact:
        return EXACT_COLOUR;
    case LineMarkKind::rounded:
        return ROUNDED_COLOUR;
    case LineMarkKind::midpoint:
        return MIDPOINT_COLOUR;
    case LineMarkKind::point:
        break;
    }
    return text;
}

} // namespace

void NumberLineView::paintEvent(QPaintEvent*) {
    const Drawing& d = drawing();
    const Layout& l = d.layout;
    QPainter painter(this);
    painter.fillRect(rect(), palette().brush(QPalette::Window));
    const QColor text = palette().color(QPalette::WindowText);
    const int h = l.line_height;

    if (!marks_.empty()) { // level, so drawn without antialiasing
        painter.setPen(QPen(text, 1));
        painter.drawLine(l.left - h, l.line_y, l.right + h, l.line_y);
    }
    painter.setRenderHint(QPainter::Antialiasing);
    for (const Mark& mark : marks_) {
        const int x = l.x_of(mark.position);
        if (mark.position > 1 || mark.position < 0) { // an arrow from the end toward the mark
            const int end = mark.position > 1 ? l.right : l.left;
            const int direction = mark.position > 1 ? 1 : -1;
            const int y = above_line(mark.kind) ? l.line_y - h / 2 : l.line_y + h / 2;
            painter.setPen(QPen(colour_of(mark.kind, text), 2));
            painter.drawLine(end, y, x, y);
            painter.drawLine(x, y, x - direction * h / 3, y - h / 4);
            painter.drawLine(x, y, x - direction * h / 3, y + h / 4);
            continue;
        }
        switch (mark.kind) {
        case LineMarkKind::point:
        case LineMarkKind::midpoint:
            draw_symbol(painter, mark.kind, {x, l.line_y}, 2 * l.tick, text);
            break;
        case LineMarkKind::exact:
            draw_symbol(painter, mark.kind, {x, l.line_y - l.tick - h / 4}, h / 2, text);
            break;
        case LineMarkKind::rounded:
            draw_symbol(painter, mark.kind, {x, l.line_y}, 2 * l.tick + 4, text);
            break;
        }
    }

    std::size_t line = 0;
    for (const PlacedText& placed : d.placed) {
        if (placed.mark < 0) {
            painter.setPen(text);
            painter.drawStaticText(l.caption.topLeft(), *caption_text_);
            continue;
        }
        const LineMarkKind kind = marks_[static_cast<std::size_t>(placed.mark)].kind;
        if (placed.legend) {
            draw_symbol(painter, kind, {h, placed.rect.center().y()}, h * 2 / 3, text);
            painter.setPen(text);
        } else {
            painter.setPen(colour_of(kind, text));
        }
        d.lines[line++].draw(painter, placed.rect.topLeft());
    }
}

} // namespace binora
