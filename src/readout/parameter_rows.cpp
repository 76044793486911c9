#include "readout/parameter_rows.hpp"

#include "model/fixed_text.hpp"
#include "numeric/format_type.hpp"
#include "numeric/ulp.hpp"

#include <algorithm>
#include <charconv>
#include <cstddef>

namespace binora {

namespace {

// The longest texts the read-outs keep: the value edit's and IDC_NEAREST's, the exponent's,
// the significand's and ULP's work text.
constexpr std::size_t VALUE_LENGTH = 64;
constexpr std::size_t EXPONENT_LENGTH = 7;
constexpr std::size_t SIGNIFICAND_LENGTH = 42;
constexpr std::size_t ULP_LENGTH = 42;
constexpr std::size_t ABRIDGED_SIGNIFICAND_BITS = 16;

// A form without its width: the read-outs show the numbers without the blanks a width
// would put in front of them.
NumberForm unjustified(NumberForm form) {
    form.width = 0;
    return form;
}

constexpr std::string_view pick(Language lang, std::string_view romanian,
                                std::string_view english) {
    return lang == Language::english ? english : romanian;
}

// Whether the neighbours in binary show the whole significand: binary32 and the narrow
// formats; binary64 and binary128 show its last 16 bits.
bool whole_significand(const FormatTraits& format) {
    return format.storage_bits <= 32;
}

// The number stored in `word` in the format's value form, without blanks.
std::string_view number_text(const FormatTraits& format, Word128 word, bool plus_sign,
                             NumberText& room) {
    return with_value_of_word(format, word, [&](auto x) {
        return cut_to(format_number(x, unjustified(kind_form(format, plus_sign)), room),
                      VALUE_LENGTH);
    });
}

// The fields of a stored word (all its bits, sign first) separated by "_"; binary64 and
// binary128 keep only the last 16 significand bits, after "_...".
std::string_view fields_text(Word128 word, const FormatTraits& format, NumberText& room) {
    const auto exponent_bits = static_cast<std::size_t>(format.exponent_bits);
    const auto storage_bits = static_cast<std::size_t>(format.storage_bits);
    char* at = room.chars;
    if (whole_significand(format)) {
        char bits[32];
        write_bit_string(word, format.storage_bits, bits);
        *at++ = bits[0];
        *at++ = '_';
        at = std::copy_n(bits + 1, exponent_bits, at);
        *at++ = '_';
        at = std::copy(bits + 1 + exponent_bits, bits + storage_bits, at);
    } else {
        // Only the sign and the exponent (at most 16 bits at the top) and the last 16 bits.
        char head[16];
        write_bit_string(word >> (storage_bits - 16), 16, head);
        *at++ = head[0];
        *at++ = '_';
        at = std::copy_n(head + 1, exponent_bits, at);
        at = std::copy_n("_...", 4, at);
        write_bit_string(word, static_cast<int>(ABRIDGED_SIGNIFICAND_BITS), at);
        at += ABRIDGED_SIGNIFICAND_BITS;
    }
    return {room.chars, static_cast<std::size_t>(at - room.chars)};
}

std::string_view binary_caption(const FormatTraits& format, bool upward, Language lang) {
    if (whole_significand(format))
        return upward ? "      Nearest > X  (S_Exp_Sig)" : "      Nearest < X  (S_Exp_Sig)";
    if (upward)
        return pick(lang, "Nearest > X; Semnificand: ultimii 16 biti",
                    "Nearest > X; Significand: last 16 bits");
    if (format.comma_below)
        return pick(lang, "Nearest < X, Semnificand: ultimii 16 biti",
                    "Nearest < X, Significand: last 16 bits");
    return pick(lang, "Nearest < X; Semnificand: ultimii 16 biti",
                "Nearest < X; Significand: last 16 bits");
}

} // namespace

std::string_view canonical_value(const FormatTraits& format, Word128 word, NumberText& room) {
    return number_text(format, word, true, room);
}

std::string_view representation_exponent_label(const ClassFlags& flags, Language lang) {
    if (flags.is_exp_min)
        return pick(lang, "Exponentul reprezentarii (Emin)", "Representation Exponent (Emin)");
    if (flags.is_exp_max)
        return pick(lang, "Exponentul reprezentarii (Emax)", "Representation Exponent (Emax)");
    return pick(lang, "Exponentul reprezentarii (E)", "Representation Exponent (E)");
}

RowText exponent_row(const FormatTraits& format, Word128 exponent_field, const ClassFlags& flags,
                     Language lang, NumberText& room) {
    const int exponent = flags.is_zero || flags.is_subnormal
                             ? format.emin
                             : static_cast<int>(exponent_field) - format.bias;
    const auto end = std::to_chars(room.chars, room.chars + sizeof room.chars, exponent).ptr;
    const std::string_view text(room.chars, static_cast<std::size_t>(end - room.chars));
    return {cut_to(text, EXPONENT_LENGTH), representation_exponent_label(flags, lang)};
}

RowText significand_row(const FormatTraits& format, Word128 significand_field,
                        const ClassFlags& flags, Language lang, NumberText& room) {
    const bool hidden = flags.is_finite && !flags.is_subnormal && !flags.is_zero;
    const std::string_view text = with_value_type(format, [&](auto zero) {
        using Real = decltype(zero);
        // Exact: the field has fewer bits than the type's precision.
        Real value = FloatTraits<Real>::ldexp(static_cast<Real>(significand_field),
                                              -format.significand_bits);
        if (hidden) value += 1;
        return format_number(value, unjustified(format.significand_form), room);
    });
    return {cut_to(text, SIGNIFICAND_LENGTH), pick(lang, "     Semnificand", "     Significand")};
}

RowText ulp_row(const FormatTraits& format, Word128 word, NumberText& room) {
    const bool finite = class_of_word(format, word).is_finite;
    const std::string_view text = with_value_of_word(format, word, [&](auto x) {
        using Real = decltype(x);
        // An infinity's ULP is +infinity, a NaN's the NaN.
        const Real ulp = finite ? ulp_of_word<Real>(format, word) : FloatTraits<Real>::magnitude(x);
        return format_number(ulp, unjustified(kind_form(format)), room);
    });
    return {cut_to(text, ULP_LENGTH), "        ULP(X)"};
}

RowText neighbour_row(const FormatTraits& format, Word128 word, bool upward, bool binary,
                      Language lang, NumberText& room) {
    const std::string_view decimal_caption = upward ? "      Nearest, > X" : "      Nearest, < X";
    const std::string_view caption =
        binary ? binary_caption(format, upward, lang) : decimal_caption;
    const std::optional<Word128> near = next_word(format, word, upward);
    if (!near) return {NO_NEIGHBOUR, caption};
    if (binary) return {cut_to(fields_text(*near, format, room), VALUE_LENGTH), caption};
    return {number_text(format, *near, false, room), caption};
}

RowText epsilon_row(const FormatTraits& format) {
    return {format.epsilon, "Epsilon"};
}

} // namespace binora
