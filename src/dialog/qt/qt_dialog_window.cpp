#include "dialog/qt/qt_dialog_window.hpp"

#include "dialog/qt/control_values.hpp"
#include "dialog/qt/control_widgets.hpp"
#include "dialog/qt/cp1252_codec.hpp"
#include "dialog/qt/dialog_font.hpp"
#include "dialog/qt/dialog_units.hpp"
#include "dialog/qt/dialog_widget.hpp"
#include "dialog/qt/image_pixmaps.hpp"
#include "dialog/qt/mnemonic_rotation.hpp"
#include "dialog/qt/window_placement.hpp"

#include "dialog/dialog_constants.hpp"
#include "dialog/mnemonics.hpp"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QTableWidget>

#include <algorithm>
#include <map>

namespace binora {

namespace {

// The position of a modal window or a window without owner: the template's x, y from the
// owner's client area, or from the top left of the screen's work area for a window without
// owner; moved back onto the work area where it would stick out (a large desktop font makes
// dialogs large).
QPoint template_position(const QRect& client, const QWidget* parent) {
    const QScreen* screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen();
    const QRect work = screen != nullptr ? screen->availableGeometry() : QRect();
    QPoint position =
        (parent != nullptr ? parent->geometry().topLeft() : work.topLeft()) + client.topLeft();
    if (work.isValid()) {
        position.setX(std::max(work.left(), std::min(position.x(), work.right() - client.width())));
        position.setY(
            std::max(work.top(), std::min(position.y(), work.bottom() - client.height())));
    }
    return position;
}

} // namespace

QtDialogWindow::QtDialogWindow(DIALOG_RECORD& record, QtDialogWindow* parent, bool modal)
    : record_(record) {
    QWidget* parent_widget = parent != nullptr ? parent->widget() : nullptr;
    widget_ = new DialogWidget(record, parent_widget, modal);
    const DialogTemplate& source = *record.source;
    const QFont font = dialog_font(source, QApplication::font());
    const DialogBaseUnits base = dialog_base_units(font);
    const QRect client = dialog_units_to_pixels(source.rect, base);
    widget_->setFixedSize(client.size());
    if (!modal && parent_widget != nullptr) // a modeless window is worked with beside its owner
        widget_->move(beside(parent_widget->frameGeometry(),
                             frame_size(*parent_widget, client.size()),
                             work_area_of(*parent_widget)));
    else
        widget_->move(template_position(client, parent_widget));
    widget_->setWindowTitle(from_cp1252(source.caption));

    std::map<int, QButtonGroup*> radio_groups; // by the index of the group's first radio
    QWidget* previous_in_tab_order = nullptr;
    for (int i = 0; i < static_cast<int>(record.controls.size()); ++i) {
        const ControlRecord& control = record.controls[static_cast<std::size_t>(i)];
        QWidget* widget = create_control_widget(
            *control.source, dialog_units_to_pixels(control.source->rect, base), widget_);
        QButtonGroup* group = nullptr;
        if (control.kind == ControlKind::RadioButton) {
            QButtonGroup*& shared = radio_groups[control.group_first];
            if (shared == nullptr) {
                shared = new QButtonGroup(widget_);
                shared->setExclusive(true);
            }
            group = shared;
            group->addButton(static_cast<QAbstractButton*>(widget));
        }
        widget_->add_control(widget, group, *control.source);
        connect_notifications(i, control.kind, widget);
        if (control.kind == ControlKind::GroupBox) widget->lower(); // behind what it frames
        if (widget->focusPolicy() != Qt::NoFocus) {
            if (previous_in_tab_order != nullptr)
                QWidget::setTabOrder(previous_in_tab_order, widget);
            previous_in_tab_order = widget;
        }
    }
    give_labels_their_controls();
    widget_->set_dialog_font(font);
}

// A label with a mnemonic has the first control it names that takes the focus as its buddy:
// Qt then underlines the mnemonic and registers it as the label's shortcut. Which control a
// press reaches is the rotation's to decide.
void QtDialogWindow::give_labels_their_controls() {
    MnemonicRotation* rotation = nullptr;
    const auto count = static_cast<int>(record_.controls.size());
    for (int i = 0; i < count; ++i) {
        const ControlRecord& control = record_.controls[static_cast<std::size_t>(i)];
        if (control.kind != ControlKind::Static || mnemonic_of(control.source->caption) == 0)
            continue;
        auto* label = qobject_cast<QLabel*>(widget_->control_widget(i));
        if (label == nullptr) continue;
        for (const int named : named_by_label(record_, i)) {
            QWidget* buddy = widget_->control_widget(named);
            if (buddy == nullptr || buddy->focusPolicy() == Qt::NoFocus) continue;
            label->setBuddy(buddy);
            if (rotation == nullptr) rotation = new MnemonicRotation(*widget_);
            rotation->watch(*label, i);
            break;
        }
    }
}

QtDialogWindow::~QtDialogWindow() {
    // Widgets cannot outlive the application object; a record still holding a window when
    // the program's statics are destroyed leaves it to the operating system.
    if (!widget_ || QCoreApplication::instance() == nullptr) return;
    widget_->detach();
    widget_->hide();
    if (HandlerScope::active())
        widget_->deleteLater(); // a handler of one of the layer's windows is still running
    else
        delete widget_.data();
}

void QtDialogWindow::connect_notifications(int index, ControlKind kind, QWidget* widget) {
    DialogWidget* dialog = widget_;
    switch (kind) {
    case ControlKind::PushButton:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
        QObject::connect(static_cast<QAbstractButton*>(widget), &QAbstractButton::clicked, widget,
                         [dialog, index] { dialog->report(index, EVENT_CLICKED); });
        if (kind == ControlKind::RadioButton) // it may choose the language of the names
            QObject::connect(static_cast<QAbstractButton*>(widget), &QAbstractButton::toggled,
                             widget, [dialog] { dialog->captions_changed(); });
        break;
    case ControlKind::Edit:
        widget->installEventFilter(dialog);
        QObject::connect(static_cast<QLineEdit*>(widget), &QLineEdit::textChanged, widget,
                         [dialog, index] {
                             dialog->report(index, EVENT_UPDATE);
                             dialog->report(index, EVENT_CHANGED);
                         });
        break;
    case ControlKind::ListBox: {
        auto* list = static_cast<QListWidget*>(widget);
        QObject::connect(list, &QListWidget::itemSelectionChanged, widget,
                         [dialog, index] { dialog->report(index, EVENT_SELECTION_CHANGED); });
        QObject::connect(list, &QListWidget::itemDoubleClicked, widget,
                         [dialog, index] { dialog->report(index, EVENT_DOUBLE_CLICK); });
        break;
    }
    case ControlKind::ComboBox:
        QObject::connect(static_cast<QComboBox*>(widget), &QComboBox::currentIndexChanged, widget,
                         [dialog, index] { dialog->report(index, EVENT_SELECTION_CHANGED); });
        break;
    case ControlKind::Table:
        QObject::connect(static_cast<QTableWidget*>(widget), &QTableWidget::itemSelectionChanged,
                         widget,
                         [dialog, index] { dialog->report(index, EVENT_SELECTION_CHANGED); });
        break;
    case ControlKind::Static:
    case ControlKind::GroupBox:
    case ControlKind::NumberLine:
        break;
    }
}

int QtDialogWindow::index_of(const ControlRecord& control) const {
    if (record_.source == nullptr || control.source == nullptr) return -1;
    const auto& items = record_.source->controls;
    if (items.empty() || control.source < items.data() ||
        control.source >= items.data() + items.size())
        return -1;
    return static_cast<int>(control.source - items.data());
}

void QtDialogWindow::set_caption(const std::string& caption) {
    if (widget_) widget_->setWindowTitle(from_cp1252(caption));
}

void QtDialogWindow::push_control(const ControlRecord& control) {
    if (!widget_) return;
    const int index = index_of(control);
    QWidget* widget = widget_->control_widget(index);
    if (widget == nullptr) return;
    const QString caption_before = shown_caption(*widget);
    push_to_widget(*widget, control, widget_->control_group(index));
    if (shown_caption(*widget) != caption_before || control.kind == ControlKind::RadioButton)
        widget_->captions_changed();
    if (control.id == IDCANCEL && control.kind == ControlKind::PushButton)
        widget_->set_close_enabled(control.enabled);
}

void QtDialogWindow::read_control(ControlRecord& control) {
    if (!widget_) return;
    if (const QWidget* widget = widget_->control_widget(index_of(control)))
        read_from_widget(*widget, control);
}

void QtDialogWindow::show(int show_command) {
    if (!widget_) return;
    switch (show_command) {
    case SW_HIDE:
        widget_->hide();
        return;
    case SW_SHOWMINIMIZED:
        widget_->showMinimized();
        return;
    case SW_SHOWMAXIMIZED:
        widget_->showMaximized();
        break;
    default:
        widget_->showNormal();
        break;
    }
    widget_->raise();
    widget_->activateWindow();
}

void QtDialogWindow::run_modal() {
    if (widget_) widget_->run_modal();
}

void QtDialogWindow::end_modal() {
    if (widget_) widget_->end_modal();
}

void QtDialogWindow::set_window_icon(int image_id) {
    if (widget_) widget_->setWindowIcon(image_icon(image_id));
}

void QtDialogWindow::set_control_image(int control_id, int image_id) {
    const ControlRecord* control = widget_ ? find_control(record_, control_id) : nullptr;
    QWidget* widget = control != nullptr ? widget_->control_widget(index_of(*control)) : nullptr;
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        show_button_image(*button, image_icon(image_id));
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setPixmap(image_pixmap(image_id));
    }
}

} // namespace binora
