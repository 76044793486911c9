#pragma once

// The top-level Qt window of one dialog record. It reports the user's actions to the record
// part of the layer (notifications, commands, activation, size changes) and never closes
// itself behind the layer's back: Escape, Enter, the close box and QDialog's own
// accept()/reject() become commands of the layer, and only end_modal() ends a modal run.

#include "dialog/dialog_record.hpp"

#include <QDialog>

#include <vector>

class QButtonGroup;

namespace binora {

// Marks that one of the layer's windows is handling a user action; while any is, windows
// being destroyed are deleted later rather than at once.
class HandlerScope {
  public:
    HandlerScope();
    ~HandlerScope();
    HandlerScope(const HandlerScope&) = delete;
    HandlerScope& operator=(const HandlerScope&) = delete;
    static bool active();
};

class DialogWidget final : public QDialog {
  public:
    DialogWidget(DIALOG_RECORD& record, QWidget* parent, bool modal);
    // Detaches, then deletes the control widgets while this object is still whole, so that
    // nothing they emit on the way out reaches a half-destroyed window.
    ~DialogWidget() override;
    DialogWidget(const DialogWidget&) = delete;
    DialogWidget& operator=(const DialogWidget&) = delete;

    // The record, or nullptr once detached.
    DIALOG_RECORD* record() const { return record_; }
    bool modal() const { return modal_; }
    // From now on the window reports nothing.
    void detach() { record_ = nullptr; }

    // Registers the widget of the record's control `index` (template order), the template
    // item it was made from and, for a radio button, its group's exclusive button group.
    void add_control(QWidget* widget, QButtonGroup* group, const ControlTemplate& item);
    QWidget* control_widget(int index) const;
    QButtonGroup* control_group(int index) const;

    // Id of the control that has the keyboard focus, 0 for none.
    int focused_control_id() const;

    // Raises `event` of control `index` unless the record is busy or the window detached.
    // The control's values (and those of its radio group) are read back first.
    void report(int index, int event);

    // A command: Escape, the close box and Enter end up here.
    void command(int id);

    // Runs the modal loop until end_modal (returns at once if it already ended).
    void run_modal();
    void end_modal();

    // The window of the layer that became active last, while it exists: where the user was
    // working when activation is between windows (a dialog without owner has just closed).
    static DialogWidget* last_activated();

    // Whether the close box issues the close command (it mirrors the CANCEL button).
    void set_close_enabled(bool enabled);

    // The font the dialog's geometry is measured with; the captions get it, or a smaller size
    // of it where the captions shown when the window appears would not fit (see
    // caption_font.hpp).
    void set_dialog_font(const QFont& font);
    // A caption or a radio button changed: the fit of the captions and the names given to
    // screen readers are brought up to date once control is back in the event loop (once
    // for any number of changes), or, while the window is hidden, as it is shown.
    void captions_changed();

    // Showing the window first fits its captions and names its controls, when they changed
    // while it was hidden: the first frame is drawn with the captions' own font, measured
    // once for the captions it shows.
    void setVisible(bool visible) override;

    void done(int result) override;
    void accept() override;
    void reject() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    struct Control {
        QWidget* widget;
        QButtonGroup* group;
        const ControlTemplate* item;
    };

    int index_of(const QObject* widget) const;
    void refresh_before_report(int index);
    void fit_captions();
    void name_controls();
    void refresh_captions();
    int interface_language() const;

    DIALOG_RECORD* record_;
    bool modal_;
    bool modal_ended_ = false;
    bool ending_modal_ = false;
    bool close_enabled_ = true;
    bool captions_stale_ = false; // the fitted font and the names may not match the captions
    bool refresh_posted_ = false;
    QFont dialog_font_;
    std::vector<Control> controls_;
};

} // namespace binora
