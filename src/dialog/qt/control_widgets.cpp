#include "dialog/qt/control_widgets.hpp"

#include "dialog/qt/cp1252_codec.hpp"
#include "dialog/qt/flat_edit_style.hpp"
#include "dialog/qt/image_pixmaps.hpp"
#include "dialog/qt/number_line_view.hpp"
#include "dialog/qt/plain_text_cells.hpp"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <qdrawutil.h>

#include <algorithm>
#include <limits>

namespace binora {

namespace {

bool has(unsigned style, unsigned bit) {
    return (style & bit) != 0;
}

// True when the key press would type a visible character other than an ASCII digit. Keys
// with Ctrl or Meta are shortcuts (Ctrl+V pastes) and control characters edit; both pass.
bool types_non_digit(const QKeyEvent& event) {
    if ((event.modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) != 0) return false;
    const QString typed = event.text();
    return std::any_of(typed.begin(), typed.end(), [](QChar c) {
        return c.isPrint() && (c < QLatin1Char('0') || c > QLatin1Char('9'));
    });
}

// An image larger than the label is scaled down to fit, keeping its proportions, so that
// none of it is cut off; a smaller one keeps its size.
QPixmap fitted(const QPixmap& pixmap, const QSize& room) {
    if (pixmap.isNull() || (pixmap.width() <= room.width() && pixmap.height() <= room.height()))
        return pixmap;
    return pixmap.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

// The one-pixel sunken edge qDrawShadeRect draws (dark outline one pixel in from the bottom
// and right, light lines inside its top left and along the outer bottom and right), filled as
// eight rectangles: a window that rewrites many flat read-outs at each keystroke draws the
// edge of each, and strokes cost several times more. Where a logical pixel is not one device
// pixel, qDrawShadeRect draws it, thin as on any other screen.
void draw_sunken_edge(QPainter& painter, const QRect& r, const QPalette& palette) {
    if (!qFuzzyCompare(painter.device()->devicePixelRatioF(), 1.0) || r.width() < 5 ||
        r.height() < 5) {
        qDrawShadeRect(&painter, r, palette, true, 1);
        return;
    }
    const int x1 = r.left();
    const int y1 = r.top();
    const int x2 = r.right();
    const int y2 = r.bottom();
    const int w = r.width();
    const int h = r.height();
    const QColor dark = palette.dark().color();
    painter.fillRect(x1, y1, w - 1, 1, dark);
    painter.fillRect(x1, y1, 1, h - 1, dark);
    painter.fillRect(x1, y2 - 1, w - 1, 1, dark);
    painter.fillRect(x2 - 1, y1, 1, h - 1, dark);
    const QColor light = palette.light().color();
    painter.fillRect(x1 + 1, y1 + 1, w - 3, 1, light);
    painter.fillRect(x1 + 1, y1 + 2, 1, h - 4, light);
    painter.fillRect(x1, y2, w, 1, light);
    painter.fillRect(x2, y1, 1, h - 1, light);
}

QWidget* create_label(const ControlTemplate& item, const QRect& geometry, QWidget* parent) {
    auto* label = new QLabel(parent);
    const bool image = has(item.style, STYLE_ICON) || has(item.style, STYLE_BITMAP);
    if (image) {
        label->setPixmap(fitted(image_pixmap(item.image_id), geometry.size()));
        label->setAlignment(has(item.style, STYLE_CENTER_IMAGE) ? Qt::AlignCenter
                                                                : Qt::AlignLeft | Qt::AlignTop);
    } else {
        label->setTextFormat(Qt::PlainText);
        label->setText(with_plain_line_breaks(from_cp1252(item.caption)));
        label->setWordWrap(!has(item.style, STYLE_NO_WORD_WRAP));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    if (has(item.style, STYLE_SUNKEN)) {
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setLineWidth(1);
        label->setIndent(0); // the text starts right inside the edge, as the template expects
    }
    return label;
}

QWidget* create_push_button(const ControlTemplate& item, const QRect& geometry, QWidget* parent) {
    auto* button = new QPushButton(from_cp1252(item.caption), parent);
    button->setGeometry(geometry);
    const bool is_default = has(item.style, STYLE_DEFAULT_BUTTON);
    button->setAutoDefault(is_default);
    button->setDefault(is_default);
    if (has(item.style, STYLE_ICON)) {
        const QIcon icon = image_icon(item.image_id);
        if (!icon.isNull()) show_button_image(*button, icon);
    }
    return button;
}

QWidget* create_edit(const ControlTemplate& item, QWidget* parent) {
    auto* edit = new EditBox(item.style, parent);
    edit->setMaxLength(std::numeric_limits<int>::max());
    edit->setReadOnly(has(item.style, STYLE_READ_ONLY));
    return edit;
}

} // namespace

EditBox::EditBox(unsigned style, QWidget* parent)
    : QLineEdit(parent), digits_only_(has(style, STYLE_NUMBER)),
      static_edge_(has(style, STYLE_STATIC_EDGE)), flat_(has(style, STYLE_FLAT)) {
    if (!flat_) return;
    setFrame(false);
    setStyle(flat_edit_style());
    setAttribute(Qt::WA_OpaquePaintEvent);
    setTextMargins(2, 0, 2, 0);
}

void EditBox::keyPressEvent(QKeyEvent* event) {
    if (digits_only_ && !isReadOnly() && types_non_digit(*event)) {
        QApplication::beep();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void EditBox::paintEvent(QPaintEvent* event) {
    if (flat_) {
        QPainter background(this);
        background.fillRect(rect(),
                            palette().brush(isEnabled() ? QPalette::Base : QPalette::Window));
    }
    QLineEdit::paintEvent(event);
    if (!static_edge_ && !flat_) return;
    QPainter painter(this);
    draw_sunken_edge(painter, rect(), palette());
}

IndicatorBox::IndicatorBox(const QString& caption, QWidget* parent) : QCheckBox(caption, parent) {}

bool IndicatorBox::hitButton(const QPoint&) const {
    return false;
}

void IndicatorBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Select) {
        event->ignore();
        return;
    }
    QCheckBox::keyPressEvent(event);
}

void IndicatorBox::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Select) {
        event->ignore();
        return;
    }
    QCheckBox::keyReleaseEvent(event);
}

RowTable::RowTable(int columns, QWidget* parent) : QTableWidget(0, columns, parent) {
    setItemDelegate(new PlainTextCells(this));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(false); // Tab leaves the table, as from any other control
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setStretchLastSection(true);
    horizontalHeader()->setHighlightSections(false);
    fit_rows();
}

void RowTable::fit_rows() {
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
}

int RowTable::text_width(const QFontMetrics& metrics, const QString& text) {
    constexpr qsizetype MOST_REMEMBERED = 512; // a few keystrokes' worth of every cell
    if (const auto found = text_widths_.constFind(text); found != text_widths_.constEnd())
        return *found;
    if (text_widths_.size() >= MOST_REMEMBERED) text_widths_.clear();
    const int width = metrics.horizontalAdvance(text);
    text_widths_.insert(text, width);
    return width;
}

void RowTable::fit_columns() {
    const QFontMetrics metrics = fontMetrics();
    const int padding = 2 * metrics.horizontalAdvance(QLatin1Char('x'));
    if (fitted_widths_.size() != static_cast<std::size_t>(columnCount()))
        fitted_widths_.assign(static_cast<std::size_t>(columnCount()), -1);
    for (int column = 0; column < columnCount(); ++column) {
        int width = 0;
        if (const QTableWidgetItem* heading = horizontalHeaderItem(column))
            width = text_width(metrics, heading->text());
        for (int row = 0; row < rowCount(); ++row)
            if (const QTableWidgetItem* cell = item(row, column))
                width = std::max(width, text_width(metrics, cell->text()));
        // The stretched last column is wider than the width asked for it, which is its least
        // width; asking for the same again would shrink it and stretch it back, repainting
        // the whole table.
        int& fitted = fitted_widths_[static_cast<std::size_t>(column)];
        const bool stretched =
            column == columnCount() - 1 && horizontalHeader()->stretchLastSection();
        if (stretched ? fitted != width + padding : columnWidth(column) != width + padding)
            setColumnWidth(column, width + padding);
        fitted = width + padding;
    }
}

void RowTable::changeEvent(QEvent* event) {
    QTableWidget::changeEvent(event);
    if (event->type() != QEvent::FontChange) return;
    text_widths_.clear(); // measured in the old font
    fit_rows();
    fit_columns();
}

ListBox::ListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

QItemSelectionModel::SelectionFlags ListBox::selectionCommand(const QModelIndex& index,
                                                              const QEvent* event) const {
    const auto command = QListWidget::selectionCommand(index, event);
    if (!index.isValid() || command.testFlag(QItemSelectionModel::Deselect) ||
        command.testFlag(QItemSelectionModel::Toggle))
        return QItemSelectionModel::NoUpdate;
    return command;
}

namespace {

QWidget* create_widget_of_kind(const ControlTemplate& item, const QRect& geometry,
                               QWidget* parent) {
    switch (item.kind) {
    case ControlKind::Static:
        return create_label(item, geometry, parent);
    case ControlKind::GroupBox:
        return new QGroupBox(from_cp1252(item.caption), parent);
    case ControlKind::PushButton:
        return create_push_button(item, geometry, parent);
    case ControlKind::CheckBox:
        if (has(item.style, STYLE_READ_ONLY))
            return new IndicatorBox(from_cp1252(item.caption), parent);
        return new QCheckBox(from_cp1252(item.caption), parent);
    case ControlKind::RadioButton:
        // Auto-exclusive, as Qt makes radio buttons: screen readers then hear a radio button.
        // The dialog puts each template group in an exclusive QButtonGroup, which a grouped
        // button follows instead of its siblings.
        return new QRadioButton(from_cp1252(item.caption), parent);
    case ControlKind::Edit:
        return create_edit(item, parent);
    case ControlKind::ListBox:
        return new ListBox(parent);
    case ControlKind::ComboBox:
        return new QComboBox(parent);
    case ControlKind::Table: // a column for each heading of the caption
        return new RowTable(
            static_cast<int>(std::count(item.caption.begin(), item.caption.end(), '\t')) + 1,
            parent);
    case ControlKind::NumberLine:
        return new NumberLineView(parent);
    }
    return new QWidget(parent);
}

} // namespace

QWidget* create_control_widget(const ControlTemplate& item, const QRect& geometry,
                               QWidget* parent) {
    QWidget* widget = create_widget_of_kind(item, geometry, parent);
    widget->setGeometry(geometry);
    if (has(item.style, STYLE_HIDDEN)) widget->hide();
    return widget;
}

QString with_plain_line_breaks(const QString& text) {
    QString plain;
    plain.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool next_is = i + 1 < text.size();
        if (c == QLatin1Char('\n')) {
            plain.append(QLatin1Char('\n'));
            if (next_is && text[i + 1] == QLatin1Char('\r')) ++i;
        } else if (c == QLatin1Char('\r')) {
            if (next_is && text[i + 1] == QLatin1Char('\n')) {
                plain.append(QLatin1Char('\n'));
                ++i;
            }
        } else {
            plain.append(c);
        }
    }
    return plain;
}

QString without_mnemonic(const QString& text) {
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size()) ++i;
        shown.append(text[i]);
    }
    return shown;
}

void show_button_image(QAbstractButton& button, const QIcon& icon) {
    constexpr int FRAME_ALLOWANCE = 8; // the style's bevel and focus frame around the image
    const QSize natural = icon.actualSize(QSize(256, 256));
    const int room = std::min(button.width(), button.height()) - FRAME_ALLOWANCE;
    const int side = std::clamp(room, 1, std::max(natural.width(), natural.height()));
    if (!button.text().isEmpty()) button.setToolTip(button.text());
    button.setText(QString());
    button.setIcon(icon);
    button.setIconSize(QSize(side, side));
}

} // namespace binora
