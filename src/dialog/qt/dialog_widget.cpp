#include "dialog/qt/dialog_widget.hpp"

#include "dialog/dialog_constants.hpp"
#include "dialog/dialog_events.hpp"
#include "dialog/qt/caption_font.hpp"
#include "dialog/qt/control_values.hpp"
#include "dialog/qt/control_widgets.hpp"
#include "dialog/qt/cp1252_codec.hpp"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPointer>

#include <algorithm>
#include <utility>

namespace binora {

namespace {

int handlers_running = 0;

QPointer<DialogWidget> last_activated_window;

// What fitting captions has measured, shared by all windows: a dialog opened again, or one
// whose captions changed, measures only the captions not measured before.
CaptionFitMemo& caption_memo() {
    static CaptionFitMemo memo;
    return memo;
}

// Focus that only comes back because the window was re-activated (or a popup closed) is not
// the user entering the control: closing a message box must not run a focus routine again.
bool is_user_focus_change(const QFocusEvent& event) {
    switch (event.reason()) {
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
    case Qt::OtherFocusReason:
        return false;
    default:
        return true;
    }
}

Qt::WindowFlags window_flags(const DIALOG_RECORD& record) {
    const unsigned style = record.source != nullptr ? record.source->style : 0;
    Qt::WindowFlags flags = (style & DIALOG_APP_WINDOW) != 0 ? Qt::Window : Qt::Dialog;
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
             Qt::WindowCloseButtonHint;
    if ((style & DIALOG_MINIMIZE_BOX) != 0) flags |= Qt::WindowMinimizeButtonHint;
    return flags;
}

} // namespace

HandlerScope::HandlerScope() {
    ++handlers_running;
}

HandlerScope::~HandlerScope() {
    --handlers_running;
}

bool HandlerScope::active() {
    return handlers_running > 0;
}

DialogWidget::DialogWidget(DIALOG_RECORD& record, QWidget* parent, bool modal)
    : QDialog(parent, window_flags(record)), record_(&record), modal_(modal) {
    if (modal) setWindowModality(Qt::ApplicationModal);
}

DialogWidget::~DialogWidget() {
    detach();
    const std::vector<Control> controls = std::exchange(controls_, {});
    for (const Control& control : controls)
        delete control.widget;
}

void DialogWidget::add_control(QWidget* widget, QButtonGroup* group, const ControlTemplate& item) {
    controls_.push_back({widget, group, &item});
}

QWidget* DialogWidget::control_widget(int index) const {
    return index >= 0 && index < static_cast<int>(controls_.size())
               ? controls_[static_cast<std::size_t>(index)].widget
               : nullptr;
}

QButtonGroup* DialogWidget::control_group(int index) const {
    return index >= 0 && index < static_cast<int>(controls_.size())
               ? controls_[static_cast<std::size_t>(index)].group
               : nullptr;
}

int DialogWidget::index_of(const QObject* widget) const {
    const auto found = std::find_if(controls_.begin(), controls_.end(),
                                    [widget](const Control& c) { return c.widget == widget; });
    return found == controls_.end() ? -1 : static_cast<int>(found - controls_.begin());
}

void DialogWidget::set_dialog_font(const QFont& font) {
    dialog_font_ = font;
    captions_changed();
}

void DialogWidget::captions_changed() {
    captions_stale_ = true;
    if (refresh_posted_ || !isVisible()) return;
    refresh_posted_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            refresh_posted_ = false;
            if (captions_stale_) refresh_captions();
        },
        Qt::QueuedConnection);
}

void DialogWidget::refresh_captions() {
    captions_stale_ = false;
    fit_captions();
    name_controls();
}

void DialogWidget::setVisible(bool visible) {
    if (visible && captions_stale_) refresh_captions();
    QDialog::setVisible(visible);
}

int DialogWidget::interface_language() const {
    for (const Control& control : controls_) {
        const auto* radio = qobject_cast<const QAbstractButton*>(control.widget);
        if (control.item->accessible.language != 0 && radio != nullptr && radio->isChecked())
            return control.item->accessible.language;
    }
    return 1;
}

// A control's name for screen readers: its label's caption while that is not blank, else
// its fixed name in the interface language. Controls the template does not name keep Qt's.
void DialogWidget::name_controls() {
    const int language = interface_language();
    for (const Control& control : controls_) {
        const AccessibleName& name = control.item->accessible;
        QString text;
        if (name.label_id != 0) {
            const auto label =
                std::find_if(controls_.begin(), controls_.end(),
                             [&](const Control& c) { return c.item->id == name.label_id; });
            if (label != controls_.end())
                text = without_mnemonic(shown_caption(*label->widget)).simplified();
        }
        if (text.isEmpty() && language >= 1 && language <= 2)
            text = from_cp1252(name.names[static_cast<std::size_t>(language - 1)]);
        if (!text.isEmpty() || name.label_id != 0) control.widget->setAccessibleName(text);
    }
}

void DialogWidget::fit_captions() {
    std::vector<ShownCaption> captions;
    for (const Control& control : controls_) {
        const QString text = shown_caption(*control.widget);
        if (!text.isEmpty())
            captions.push_back(
                {control.item->kind, control.item->style, text, control.widget->geometry()});
    }
    const QFont fitted = caption_font(captions, dialog_font_, *style(), caption_memo());
    if (fitted != font()) setFont(fitted);
}

int DialogWidget::focused_control_id() const {
    const int index = index_of(focusWidget());
    if (record_ == nullptr || index < 0 || index >= static_cast<int>(record_->controls.size()))
        return 0;
    return record_->controls[static_cast<std::size_t>(index)].id;
}

void DialogWidget::refresh_before_report(int index) {
    const ControlRecord& control = record_->controls[static_cast<std::size_t>(index)];
    int first = index;
    int last = index;
    if (control.kind == ControlKind::RadioButton && control.group_first >= 0) {
        first = control.group_first;
        last = control.group_last;
    }
    for (int i = first; i <= last; ++i) {
        ControlRecord& member = record_->controls[static_cast<std::size_t>(i)];
        QWidget* widget = control_widget(i);
        if (widget != nullptr && !member.dirty && (i == index || member.kind == control.kind))
            read_from_widget(*widget, member);
    }
}

void DialogWidget::report(int index, int event) {
    if (record_ == nullptr || record_->busy) return;
    if (index < 0 || index >= static_cast<int>(record_->controls.size())) return;
    const HandlerScope scope;
    refresh_before_report(index);
    dispatch_event(*record_, record_->controls[static_cast<std::size_t>(index)].id, event);
}

void DialogWidget::command(int id) {
    if (record_ == nullptr || record_->busy) return;
    const HandlerScope scope;
    dialog_command(*record_, id);
}

void DialogWidget::run_modal() {
    if (modal_ended_) return;
    exec();
}

void DialogWidget::end_modal() {
    modal_ended_ = true;
    ending_modal_ = true;
    done(QDialog::Accepted);
    ending_modal_ = false;
}

void DialogWidget::set_close_enabled(bool enabled) {
    if (close_enabled_ == enabled) return;
    close_enabled_ = enabled;
    const bool shown = isVisible();
    setWindowFlag(Qt::WindowCloseButtonHint, enabled); // hides a visible window
    if (shown) show();
}

void DialogWidget::done(int result) {
    if (ending_modal_) QDialog::done(result);
}

void DialogWidget::accept() {}

void DialogWidget::reject() {
    if (close_enabled_) command(IDCANCEL);
}

bool DialogWidget::eventFilter(QObject* watched, QEvent* event) {
    const bool gained = event->type() == QEvent::FocusIn;
    if ((gained || event->type() == QEvent::FocusOut) &&
        is_user_focus_change(*static_cast<QFocusEvent*>(event)))
        report(index_of(watched), gained ? EVENT_FOCUS_GAINED : EVENT_FOCUS_LOST);
    return QDialog::eventFilter(watched, event);
}

void DialogWidget::keyPressEvent(QKeyEvent* event) {
    if (record_ == nullptr) return;
    switch (event->key()) {
    case Qt::Key_Escape:
        command(IDCANCEL);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        const ControlRecord* focused = find_control(*record_, focused_control_id());
        const bool on_button = focused != nullptr && focused->kind == ControlKind::PushButton;
        command(on_button ? focused->id : enter_command_id(*record_));
        return;
    }
    default:
        QDialog::keyPressEvent(event);
    }
}

void DialogWidget::closeEvent(QCloseEvent* event) {
    event->ignore(); // the layer destroys the window when the command closes the dialog
    if (close_enabled_) command(IDCANCEL);
}

DialogWidget* DialogWidget::last_activated() {
    return last_activated_window;
}

void DialogWidget::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) last_activated_window = this;
    if (record_ == nullptr || record_->busy) return;
    if (event->type() == QEvent::ActivationChange && !modal_) {
        const HandlerScope scope;
        dialog_activated(*record_, isActiveWindow());
    } else if (event->type() == QEvent::WindowStateChange) {
        const HandlerScope scope;
        dialog_resized(*record_);
    }
}

} // namespace binora
