#include "dialog/qt/mnemonic_rotation.hpp"

#include "dialog/mnemonics.hpp"
#include "dialog/qt/dialog_widget.hpp"

#include <QApplication>
#include <QEvent>
#include <QLabel>

#include <algorithm>

namespace binora {

MnemonicRotation::MnemonicRotation(DialogWidget& dialog) : QObject(&dialog), dialog_(dialog) {}

void MnemonicRotation::watch(QLabel& label, int index) {
    labels_.emplace_back(&label, index);
    label.installEventFilter(this);
}

bool MnemonicRotation::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Shortcut) return false;
    const DIALOG_RECORD* record = dialog_.record();
    const auto label = std::find_if(labels_.begin(), labels_.end(), [watched](const auto& entry) {
        return entry.first == watched;
    });
    if (record == nullptr || label == labels_.end() ||
        label->second >= static_cast<int>(record->controls.size()))
        return false;
    const ControlRecord& caption = record->controls[static_cast<std::size_t>(label->second)];
    std::vector<QWidget*> reachable;
    for (const int owner : mnemonic_owners(*record, mnemonic_of(caption.text))) {
        QWidget* widget = dialog_.control_widget(owner);
        if (widget != nullptr && widget->isEnabled() && widget->isVisible() &&
            widget->focusPolicy() != Qt::NoFocus)
            reachable.push_back(widget);
    }
    if (reachable.empty()) return false;
    const QWidget* focus = QApplication::focusWidget();
    const auto current = std::find_if(reachable.begin(), reachable.end(), [focus](QWidget* w) {
        return focus != nullptr && (w == focus || w->isAncestorOf(focus));
    });
    const bool from_first = current == reachable.end() || current + 1 == reachable.end();
    QWidget* next = from_first ? reachable.front() : *(current + 1);
    next->setFocus(Qt::ShortcutFocusReason);
    dialog_.setAttribute(Qt::WA_KeyboardFocusChange); // the focus is drawn as from the keyboard
    return true;
}

} // namespace binora
