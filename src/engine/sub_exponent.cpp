#include "engine/sub_exponent.hpp"

#include "bitedit/format_controls.hpp"
#include "dialog/dialog_operations.hpp"
#include "model/comun.hpp"
#include "model/fixed_text.hpp"
#include "model/format_traits.hpp"
#include "numeric/storage_word.hpp"
#include "resources/resource.hpp"

#include <array>
#include <string>

namespace binora {

namespace {

constexpr std::size_t READ_OUT_LENGTH = 7;
constexpr std::size_t LABEL_LENGTH = 40;

} // namespace

int representation_exponent(const FormatTraits& f, std::string_view c_exp,
                            const ClassFlags& flags) {
    if (flags.is_zero || flags.is_subnormal) return f.emin;
    return static_cast<int>(word_from_bit_string(c_exp)) - f.bias;
}

const std::string& representation_exponent_label(const ClassFlags& flags, int lang) {
    // The six captions, built once: [language][Emin, Emax, E].
    static const auto labels = [] {
        const TwoLanguageText static_text = {pad_to("Exponentul reprezentarii", LABEL_LENGTH),
                                             pad_to("Representation Exponent", LABEL_LENGTH)};
        std::array<std::array<std::string, 3>, 2> table;
        for (std::size_t language = 0; language < table.size(); ++language) {
            const std::string caption(trim_right(static_text[language]));
            table[language] = {caption + " (Emin)", caption + " (Emax)", caption + " (E)"};
        }
        return table;
    }();
    const std::size_t suffix = flags.is_exp_min ? 0 : (flags.is_exp_max ? 1 : 2);
    return labels[lang == LANG_ENGLISH ? 1 : 0][suffix];
}

void SUB_EXPONENT(DIALOG_RECORD& dialog) {
    const FormatTraits* f = find_format(COMUN.KIND_REAL);
    if (f == nullptr) return;
    std::string c_exp;
    DIALOG_GET_TEXT(dialog, controls_of(f->kind).exponent().edit, c_exp,
                    static_cast<std::size_t>(f->exponent_bits));
    const ClassFlags flags = current_class_flags();
    const int exponent = representation_exponent(*f, c_exp, flags);
    DIALOG_SET_TEXT(dialog, IDC_NEAREST, cut_to(std::to_string(exponent), READ_OUT_LENGTH));
    DIALOG_SET_TEXT(dialog, IDC_NEAREST_LABEL, representation_exponent_label(flags, COMUN.LANG));
}

} // namespace binora
