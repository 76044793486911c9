#pragma once

// Mnemonics: the character after a single '&' in a caption ("&Format:", "Co&py"), pressed
// with Alt. A push button, check box or radio button is reached by the mnemonic of its own
// caption. A label's mnemonic reaches the controls the label names: those after it in
// template order up to the next label or group box, or the next control whose own caption
// marks a mnemonic ("Result:" names the sign, exponent and significand fields after it).
// Where several controls answer one letter, the first press goes to the first of them in
// template order and each further press to the next, round again after the last.

#include "dialog/dialog_record.hpp"

#include <string_view>
#include <vector>

namespace binora {

// The character a caption marks as its mnemonic, as an upper-case letter; 0 for none.
// "&&" stands for an ampersand and marks nothing.
char mnemonic_of(std::string_view caption);

// The controls label `label` (an index into dialog.controls) names, as indexes in template
// order; empty for a control that is not a label.
std::vector<int> named_by_label(const DIALOG_RECORD& dialog, int label);

// The controls Alt+`letter` reaches with the captions the record holds now, as indexes in
// template order: the controls of every label marking `letter` and every button whose own
// caption marks it.
std::vector<int> mnemonic_owners(const DIALOG_RECORD& dialog, char letter);

} // namespace binora
