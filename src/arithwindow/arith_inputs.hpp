#pragma once

// What the arithmetic window's inputs hold: the choices of its drop-down lists and radios,
// and the inputs read from the record as one operation to compute.

#include "arith/operation.hpp"
#include "dialog/dialog_record.hpp"
#include "model/format_traits.hpp"
#include "model/language.hpp"
#include "resources/resource.hpp"

#include <array>
#include <span>
#include <string>

namespace binora {

// A format of the format lists, with the word binora-cli names it by (--kind, --from).
struct FormatChoice {
    const FormatTraits* format;
    const char* command_word;
};

// The seven formats, in the order of the lists (binora-cli's order): binary32, binary64,
// binary128, binary16, bfloat16, E5M2, E4M3.
std::span<const FormatChoice> format_choices();

// The row of the format lists that holds `format` (1-based), 0 if none does.
int format_row(const FormatTraits& format);

// The radio of each direction, in the order of ALL_ROUNDINGS.
inline constexpr std::array<int, 5> ROUNDING_RADIOS = {IDC_AR_RNE, IDC_AR_RNA, IDC_AR_RTZ,
                                                       IDC_AR_RUP, IDC_AR_RDN};

// The edits of A, B and C.
inline constexpr std::array<int, 3> OPERAND_EDITS = {IDC_AR_A, IDC_AR_B, IDC_AR_C};

// The operation list's item for `operation`, in `lang`.
const std::string& operation_item(Operation operation, Language lang);

// The whole text of an edit of the record.
std::string edit_text(DIALOG_RECORD& dialog, int id);

struct ArithInputs {
    const FormatTraits* format = &FORMATS[1]; // of the result
    const FormatTraits* source = &FORMATS[1]; // of the operands (differs only for convert)
    Operation operation = Operation::add;
    Rounding rounding = Rounding::rne;
    std::array<std::string, 3> operands; // the texts of A, B and C
};

// The inputs as the record holds them: the rows selected, the radio checked, the texts of the
// operand edits (all three, whether the operation takes them or not).
ArithInputs read_inputs(DIALOG_RECORD& dialog);

} // namespace binora
