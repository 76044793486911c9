#pragma once

#include "dialog/dialog_record.hpp"
#include "model/format_traits.hpp"
#include "numeric/classify.hpp"

#include <string>
#include <string_view>

namespace binora {

// E of a datum of format `f` whose exponent field is the bit string `c_exp`: the field's
// value minus the bias, or Emin for a zero or a subnormal number.
int representation_exponent(const FormatTraits& f, std::string_view c_exp, const ClassFlags& flags);

// The caption of E in language `lang` (1 Romanian, 2 English), followed by " (Emin)" for an
// exponent field 00...0x, otherwise " (Emax)" for 11...1x, otherwise " (E)".
const std::string& representation_exponent_label(const ClassFlags& flags, int lang);

// Shows in IDC_NEAREST the representation exponent E of the exponent field now in the
// exponent edit of the current kind: stored exponent - bias, or Emin for a zero or a
// subnormal number (by COMUN's class flags). IDC_NEAREST_LABEL gets the caption in the
// language LANG with " (Emin)", " (Emax)" or " (E)" after it (the two functions above).
void SUB_EXPONENT(DIALOG_RECORD& dialog);

} // namespace binora
