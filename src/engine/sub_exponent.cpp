#include "engine/sub_exponent.hpp"

#include "bitedit/format_controls.hpp"
#include "dialog/dialog_operations.hpp"
#include "model/comun.hpp"
#include "model/fixed_text.hpp"
#include "model/format_traits.hpp"
#include "numeric/storage_word.hpp"
#include "resources/resource.hpp"

#include <string>

namespace binora {

namespace {

constexpr std::size_t READ_OUT_LENGTH = 7;
constexpr std::size_t LABEL_LENGTH = 40;

} // namespace

void SUB_EXPONENT(DIALOG_RECORD& dialog) {
    const FormatTraits* f = find_format(COMUN.KIND_REAL);
    if (f == nullptr) return;
    std::string c_exp;
    DIALOG_GET_TEXT(dialog, controls_of(f->kind).exponent().edit, c_exp,
                    static_cast<std::size_t>(f->exponent_bits));
    int exponent = static_cast<int>(word_from_bit_string(c_exp)) - f->bias;
    if (COMUN.IS_ZERO || COMUN.IS_SUBNORMAL) exponent = f->emin;
    DIALOG_SET_TEXT(dialog, IDC_NEAREST, cut_to(std::to_string(exponent), READ_OUT_LENGTH));

    static const TwoLanguageText static_text = {pad_to("Exponentul reprezentarii", LABEL_LENGTH),
                                                pad_to("Representation Exponent", LABEL_LENGTH)};
    std::string label(trim_right(in_language(static_text, COMUN.LANG)));
    if (COMUN.IS_EXP_MIN)
        label += " (Emin)";
    else if (COMUN.IS_EXP_MAX)
        label += " (Emax)";
    else
        label += " (E)";
    DIALOG_SET_TEXT(dialog, IDC_NEAREST_LABEL, label);
}

} // namespace binora
