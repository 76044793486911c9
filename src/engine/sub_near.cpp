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

// The text for IDC_NEAREST (not yet padded), built in `text`, and the caption in both
// languages (static texts).
struct NeighbourDisplay {
    std::string_view text;
    std::string_view caption[2];
};

NeighbourDisplay decimal_display(std::string_view cx, bool upward) {
    const std::string_view caption = upward ? "      Nearest, > X" : "      Nearest, < X";
    return {trim_blanks(cx), {caption, caption}};
}

// The fields of the stored word (all its bits, sign first) separated by "_"; binary64 and
// binary128 keep only the last 16 significand bits, after "_...". Written into `text`.
NeighbourDisplay binary_display(Word128 word, const FormatTraits& format, bool upward,
                                std::string& text) {
    char cx[128];
    write_bit_string(word, format.storage_bits, cx);
    const std::string_view bits(cx, static_cast<std::size_t>(format.storage_bits));
    const auto exponent_bits = static_cast<std::size_t>(format.exponent_bits);
    text.assign(1, bits[0]);
    text += '_';
    text += bits.substr(1, exponent_bits);
    if (format.kind == 4) {
        text += '_';
        text += bits.substr(1 + exponent_bits);
        const std::string_view caption =
            upward ? "      Nearest > X  (S_Exp_Sig)" : "      Nearest < X  (S_Exp_Sig)";
        return {text, {caption, caption}};
    }
    text += "_...";
    text += bits.substr(bits.size() - ABRIDGED_SIGNIFICAND_BITS);
    // The binary64 caption of X- has a comma after "X" where the others have a semicolon.
    if (upward)
        return {text,
                {"Nearest > X; Semnificand: ultimii 16 biti",
                 "Nearest > X; Significand: last 16 bits"}};
    if (format.kind == 8)
        return {text,
                {"Nearest < X, Semnificand: ultimii 16 biti",
                 "Nearest < X, Significand: last 16 bits"}};
    return {
        text,
        {"Nearest < X; Semnificand: ultimii 16 biti", "Nearest < X; Significand: last 16 bits"}};
}

// The neighbour of x above (`upward`) or below it, in decimal or as its fields, its text
// held in `text`.
template <typename Real>
NeighbourDisplay display_of(Real x, const FormatTraits& format, bool upward, bool binary,
                            std::string& text) {
    const Real near = upward ? next_up(x) : next_down(x);
    if (binary) return binary_display(word_of(near), format, upward, text);
    NumberText number;
    text.assign(format_number(near, kind_form(format.kind), number));
    return decimal_display(text, upward);
}

} // namespace

void SUB_NEAR(DIALOG_RECORD& dialog) {
    DIALOG_SET_TEXT(dialog, IDC_CURSOR_POS, "");
    if (find_format(COMUN.KIND_REAL) == nullptr) return;
    bool binary = false;
    DIALOG_GET_FLAG(dialog, IDC_BINARY_XPM, binary, PROP_STATE);
    const bool upward = COMUN.LIST_INDEX == X_PLUS_ROW;
    static std::string text; // reused: the neighbour is shown once a selection
    NeighbourDisplay display;
    with_current_x([&](const auto& x, auto traits) {
        display = display_of(x, decltype(traits)::format, upward, binary, text);
    });
    DIALOG_SET_TEXT(dialog, IDC_NEAREST, cut_to(display.text, NEAR_TEXT_LENGTH));

    COMUN.LANG = LANG_ROMANIAN;
    DIALOG_GET_FLAG(dialog, IDC_LANG_RO, COMUN.LANG_RO, PROP_STATE);
    if (!COMUN.LANG_RO) COMUN.LANG = LANG_ENGLISH;
    DIALOG_SET_TEXT(dialog, IDC_NEAREST_LABEL, display.caption[COMUN.LANG == LANG_ENGLISH ? 1 : 0]);
}

} // namespace binora
