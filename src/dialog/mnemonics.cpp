#include "dialog/mnemonics.hpp"

#include <cctype>

namespace binora {

namespace {

bool is_button(ControlKind kind) {
    return kind == ControlKind::PushButton || kind == ControlKind::CheckBox ||
           kind == ControlKind::RadioButton;
}

// Where the controls a label names end: at a label, a group box, or a button that the
// mnemonic of its own caption reaches.
bool ends_a_label_run(const ControlRecord& control) {
    return control.kind == ControlKind::Static || control.kind == ControlKind::GroupBox ||
           (is_button(control.kind) && mnemonic_of(control.text) != 0);
}

} // namespace

char mnemonic_of(std::string_view caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] != '&')
            return static_cast<char>(std::toupper(static_cast<unsigned char>(caption[i + 1])));
        ++i;
    }
    return 0;
}

std::vector<int> named_by_label(const DIALOG_RECORD& dialog, int label) {
    std::vector<int> named;
    const auto count = static_cast<int>(dialog.controls.size());
    if (label < 0 || label >= count ||
        dialog.controls[static_cast<std::size_t>(label)].kind != ControlKind::Static)
        return named;
    for (int i = label + 1; i < count; ++i) {
        if (ends_a_label_run(dialog.controls[static_cast<std::size_t>(i)])) break;
        named.push_back(i);
    }
    return named;
}

std::vector<int> mnemonic_owners(const DIALOG_RECORD& dialog, char letter) {
    std::vector<int> owners;
    if (letter == 0) return owners;
    const auto count = static_cast<int>(dialog.controls.size());
    for (int i = 0; i < count; ++i) {
        const ControlRecord& control = dialog.controls[static_cast<std::size_t>(i)];
        if (mnemonic_of(control.text) != letter) continue;
        if (control.kind == ControlKind::Static) {
            const std::vector<int> named = named_by_label(dialog, i);
            owners.insert(owners.end(), named.begin(), named.end());
        } else if (is_button(control.kind)) {
            owners.push_back(i);
        }
    }
    return owners;
}

} // namespace binora
