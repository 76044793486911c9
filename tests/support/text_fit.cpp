#include "text_fit.hpp"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>

namespace binora::testing {

namespace {

std::string describe(const QString& text, const QRect& needed, const QRect& room) {
    return "\"" + text.toStdString() + "\" needs " + std::to_string(needed.width()) + "x" +
           std::to_string(needed.height()) + " px at (" + std::to_string(needed.x()) + "," +
           std::to_string(needed.y()) + "), has " + std::to_string(room.width()) + "x" +
           std::to_string(room.height()) + " at (" + std::to_string(room.x()) + "," +
           std::to_string(room.y()) + ")";
}

std::string outside(const QString& text, const QRect& needed, const QRect& room) {
    return room.contains(needed) ? std::string() : describe(text, needed, room);
}

// The rectangle QLabel draws plain text in: inside the frame and margin, less the indent
// that a framed label without an explicit indent gets.
QRect label_text_room(const QLabel& label) {
    QRect room = label.contentsRect();
    int indent = label.indent();
    if (indent < 0)
        indent = label.frameWidth() > 0
                     ? label.fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2
                     : 0;
    if (indent > 0) {
        const Qt::Alignment alignment = label.alignment();
        if (alignment & Qt::AlignLeft) room.setLeft(room.left() + indent);
        if (alignment & Qt::AlignRight) room.setRight(room.right() - indent);
        if (alignment & Qt::AlignTop) room.setTop(room.top() + indent);
        if (alignment & Qt::AlignBottom) room.setBottom(room.bottom() - indent);
    }
    return room;
}

// A label that names a control draws its mnemonic as an underline, not as an '&'.
int label_flags(const QLabel& label) {
    return static_cast<int>(label.alignment()) | (label.wordWrap() ? Qt::TextWordWrap : 0) |
           (label.buddy() != nullptr ? Qt::TextShowMnemonic : 0);
}

std::string label_overflow(const QLabel& label) {
    if (!label.pixmap().isNull() || label.text().isEmpty()) return {};
    const QRect room = label_text_room(label);
    return outside(label.text(),
                   label.fontMetrics().boundingRect(room, label_flags(label), label.text()), room);
}

std::string button_overflow(const QAbstractButton& button, QStyle::SubElement contents) {
    if (button.text().isEmpty()) return {};
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    option.icon = button.icon();
    const QRect room = button.style()->subElementRect(contents, &option, &button);
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic | Qt::TextSingleLine;
    const QRect needed = button.fontMetrics().boundingRect(room, flags, button.text());
    return outside(button.text(), needed, room);
}

std::string push_button_overflow(const QPushButton& button) {
    if (button.text().isEmpty()) return {};
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    const QRect room =
        button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
    const int flags = Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextSingleLine;
    return outside(button.text(), button.fontMetrics().boundingRect(room, flags, button.text()),
                   room);
}

std::string group_box_overflow(const QGroupBox& box) {
    if (box.title().isEmpty()) return {};
    QStyleOptionGroupBox option;
    option.initFrom(&box);
    option.text = box.title();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    const QRect label =
        box.style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, &box);
    const QRect room(label.left(), label.top(), box.width() - label.left(), label.height());
    const QRect needed = box.fontMetrics().boundingRect(
        room, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, box.title());
    return outside(box.title(), needed, room);
}

} // namespace

std::string text_overflow(const QWidget& widget) {
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) return label_overflow(*label);
    if (const auto* radio = qobject_cast<const QRadioButton*>(&widget))
        return button_overflow(*radio, QStyle::SE_RadioButtonContents);
    if (const auto* check = qobject_cast<const QCheckBox*>(&widget))
        return button_overflow(*check, QStyle::SE_CheckBoxContents);
    if (const auto* button = qobject_cast<const QPushButton*>(&widget))
        return push_button_overflow(*button);
    if (const auto* box = qobject_cast<const QGroupBox*>(&widget)) return group_box_overflow(*box);
    return {};
}

std::vector<std::string> overflowing_texts(const QWidget& window) {
    std::vector<std::string> overflows;
    for (const QWidget* child : window.findChildren<QWidget*>()) {
        if (!child->isVisibleTo(&window)) continue;
        const std::string overflow = text_overflow(*child);
        if (!overflow.empty()) overflows.push_back(overflow);
    }
    return overflows;
}

bool wraps_a_written_line(const QWidget& widget) {
    const auto* label = qobject_cast<const QLabel*>(&widget);
    if (label == nullptr || !label->wordWrap()) return false;
    const QRect room = label_text_room(*label);
    const QFontMetrics metrics = label->fontMetrics();
    const int flags = label_flags(*label);
    return metrics.boundingRect(room, flags, label->text()).height() >
           metrics.boundingRect(room, flags & ~Qt::TextWordWrap, label->text()).height();
}

} // namespace binora::testing
