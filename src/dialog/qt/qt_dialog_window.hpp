#pragma once

// A dialog record realised as Qt widgets: one DialogWidget with a widget per template item,
// placed in dialog units converted with the dialog font, in template (= tab) order. A modeless
// window with an owner opens beside the owner; others where their template places them.

#include "dialog/dialog_record.hpp"
#include "dialog/dialog_window.hpp"

#include <QPointer>

class QWidget;

namespace binora {

class DialogWidget;

class QtDialogWindow final : public DialogWindow {
  public:
    // `parent` is the owner's window (nullptr for none); a modal window runs application-modal.
    QtDialogWindow(DIALOG_RECORD& record, QtDialogWindow* parent, bool modal);
    // Hides the window and stops its reports at once. The widgets are deleted now, or later
    // when one of the layer's windows is handling a user action (this one's, perhaps).
    ~QtDialogWindow() override;

    void set_caption(const std::string& caption) override;
    void push_control(const ControlRecord& control) override;
    void read_control(ControlRecord& control) override;
    void show(int show_command) override;
    void run_modal() override;
    void end_modal() override;
    void set_window_icon(int image_id) override;
    void set_control_image(int control_id, int image_id) override;

    // The top-level widget (nullptr once Qt has deleted it with its parent).
    DialogWidget* widget() const { return widget_; }

  private:
    int index_of(const ControlRecord& control) const;
    void connect_notifications(int index, ControlKind kind, QWidget* widget);
    void give_labels_their_controls();

    DIALOG_RECORD& record_;
    QPointer<DialogWidget> widget_;
};

} // namespace binora
