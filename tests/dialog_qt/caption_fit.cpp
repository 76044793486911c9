#include "caption_fit.hpp"

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

std::string too_small(const QString& caption, const QSize& needed, const QSize& room) {
    if (needed.width() <= room.width() && needed.height() <= room.height()) return {};
    return "\"" + caption.toStdString() + "\" needs " + std::to_string(needed.width()) + "x" +
           std::to_string(needed.height()) + " px, has " + std::to_string(room.width()) + "x" +
           std::to_string(room.height());
}

// The size of the caption on one line per line break (mnemonic '&' marks take no room).
QSize text_size(const QWidget& widget, const QString& caption) {
    QString shown = caption;
    shown.remove(QLatin1Char('&'));
    return widget.fontMetrics().size(0, shown);
}

std::string label_overflow(const QLabel& label) {
    if (!label.pixmap().isNull() || label.text().isEmpty()) return {};
    const QRect room = label.contentsRect();
    if (!label.wordWrap())
        return too_small(label.text(), text_size(label, label.text()), room.size());
    // A wrapped label breaks lines between words only: no word may be wider than the label,
    // and all lines together must fit its height.
    for (const QString& word :
         label.text().split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts)) {
        const std::string overflow = too_small(word, text_size(label, word), room.size());
        if (!overflow.empty()) return overflow;
    }
    return too_small(label.text(), {room.width(), label.heightForWidth(label.width())},
                     label.size());
}

std::string button_overflow(const QAbstractButton& button, QStyle::SubElement contents) {
    if (button.text().isEmpty()) return {};
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    const QRect room = button.style()->subElementRect(contents, &option, &button);
    return too_small(button.text(), text_size(button, button.text()), room.size());
}

std::string group_box_overflow(const QGroupBox& box) {
    if (box.title().isEmpty()) return {};
    QStyleOptionGroupBox option;
    option.initFrom(&box);
    option.text = box.title();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    const QRect room =
        box.style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, &box);
    const QSize needed = text_size(box, box.title());
    return too_small(box.title(), needed, {box.width() - room.left(), room.height()});
}

} // namespace

std::string caption_overflow(const QWidget& widget) {
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) return label_overflow(*label);
    if (const auto* radio = qobject_cast<const QRadioButton*>(&widget))
        return button_overflow(*radio, QStyle::SE_RadioButtonContents);
    if (const auto* check = qobject_cast<const QCheckBox*>(&widget))
        return button_overflow(*check, QStyle::SE_CheckBoxContents);
    if (const auto* button = qobject_cast<const QPushButton*>(&widget))
        return button_overflow(*button, QStyle::SE_PushButtonContents);
    if (const auto* box = qobject_cast<const QGroupBox*>(&widget)) return group_box_overflow(*box);
    return {};
}

} // namespace binora::testing
