#pragma once

// Moves the keyboard focus for the mnemonic of a label (mnemonics.hpp): to the first control
// that answers the letter, or from the one that has the focus to the next, round again after
// the last; controls that are disabled or hidden are passed over. Qt gives a label a single
// buddy, and where labels share a letter it takes them in turn in the order their shortcuts
// were registered, which a change of caption (of language) reorders; so the labels' shortcut
// events are taken here and the focus moves in template order.

#include <QObject>

#include <utility>
#include <vector>

class QLabel;

namespace binora {

class DialogWidget;

class MnemonicRotation final : public QObject {
  public:
    // A child of `dialog`.
    explicit MnemonicRotation(DialogWidget& dialog);

    // Takes the shortcut events of `label`, the dialog's control `index` (template order).
    void watch(QLabel& label, int index);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    DialogWidget& dialog_;
    std::vector<std::pair<const QObject*, int>> labels_;
};

} // namespace binora
