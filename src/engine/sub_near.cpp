#include "engine/sub_near.hpp"

#include "dialog/dialog_operations.hpp"
#include "model/comun.hpp"
#include "model/fixed_text.hpp"
#include "model/format_traits.hpp"
#include "numeric/current_x.hpp"
#include "numeric/next_up_down.hpp"
#include "numeric/number_format.hpp"
#include "numeric/storage_word.hpp"
#include "resources/resource.hpp"

#include <string>

namespace binora {

namespace {

constexpr std::size_t NEAR_TEXT_LENGTH = 64;
constexpr int X_PLUS_ROW = 4;
constexpr std::size_t ABRIDGED_SIGNIFICAND_BITS = 16;

// The text for IDC_NEAREST (not yet padded) and the caption in both languages.
struct NeighbourDisplay {
    std::string text;
    TwoLanguageText caption;
};

NeighbourDisplay decimal_display(const std::string& cx, bool upward) {
    const std::string caption = upward ? "      Nearest, > X" : "      Nearest, < X";
    return {std::string(trim_blanks(cx)), {caption, caption}};
}

// The fields of the stored word `cx` (all its bits, sign first) separated by "_"; binary64
// and binary128 keep only the last 16 significand bits, after "_...".
NeighbourDisplay binary_display(const std::string& cx, const FormatTraits& format, bool upward) {
    const auto exponent_bits = static_cast<std::size_t>(format.exponent_bits);
    const std::string head = cx.substr(0, 1) + "_" + cx.substr(1, exponent_bits);
    if (format.kind == 4) {
        const std::string caption =
            upward ? "      Nearest > X  (S_Exp_Sig)" : "      Nearest < X  (S_Exp_Sig)";
        return {head + "_" + cx.substr(1 + exponent_bits), {caption, caption}};
    }
    const std::string text = head + "_..." + cx.substr(cx.size() - ABRIDGED_SIGNIFICAND_BITS);
    // The binary64 caption of X- has a comma after "X" where the others have a semicolon.
    const std::string lead =
        upward ? "Nearest > X; " : (format.kind == 8 ? "Nearest < X, " : "Nearest < X; ");
    return {text, {lead + "Semnificand: ultimii 16 biti", lead + "Significand: last 16 bits"}};
}

// The neighbour of x above (`upward`) or below it, in decimal or as its fields.
template <typename Real>
NeighbourDisplay display_of(Real x, const FormatTraits& format, bool upward, bool binary) {
    const Real near = upward ? next_up(x) : next_down(x);
    if (binary)
        return binary_display(bit_string(word_of(near), format.storage_bits), format, upward);
    return decimal_display(format_number(near, kind_form(format.kind)), upward);
}

} // namespace

void SUB_NEAR(DIALOG_RECORD& dialog) {
    DIALOG_SET_TEXT(dialog, IDC_CURSOR_POS, "");
    if (find_format(COMUN.KIND_REAL) == nullptr) return;
    bool binary = false;
    DIALOG_GET_FLAG(dialog, IDC_BINARY_XPM, binary, PROP_STATE);
    const bool upward = COMUN.LIST_INDEX == X_PLUS_ROW;
    NeighbourDisplay display;
    with_current_x([&](const auto& x, auto traits) {
        display = display_of(x, decltype(traits)::format, upward, binary);
    });
    DIALOG_SET_TEXT(dialog, IDC_NEAREST, cut_to(display.text, NEAR_TEXT_LENGTH));

    COMUN.LANG = LANG_ROMANIAN;
    DIALOG_GET_FLAG(dialog, IDC_LANG_RO, COMUN.LANG_RO, PROP_STATE);
    if (!COMUN.LANG_RO) COMUN.LANG = LANG_ENGLISH;
    DIALOG_SET_TEXT(dialog, IDC_NEAREST_LABEL, in_language(display.caption, COMUN.LANG));
}

} // namespace binora
