#include "readout/parameter_rows.hpp"

#include "model/fixed_text.hpp"
#include "model/language.hpp"
#include "numeric/format_type.hpp"
#include "numeric/narrow_format.hpp"
#include "numeric/next_up_down.hpp"
#include "numeric/ulp.hpp"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <optional>

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

constexpr std::string_view pick(int lang, std::string_view romanian, std::string_view english) {
    return lang == LANG_ENGLISH ? english : romanian;
}

// Whether the neighbours in binary show the whole significand: binary32 and the narrow
// formats; binary64 and binary128 show its last 16 bits.
bool whole_significand(const FormatTraits& format) {
    return format.storage_bits <= 32;
}

// The decimal form of a narrow format: as many significant digits as it takes for the value
// to read back as itself, the exponent letter E and at least two exponent digits.
NumberForm narrow_form(const FormatTraits& format, bool plus_sign) {
    return {0, format.decimal_digits - 1, 'E', 2, plus_sign};
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

std::string_view binary_caption(const FormatTraits& format, bool upward, int lang) {
    if (whole_significand(format))
        return upward ? "      Nearest > X  (S_Exp_Sig)" : "      Nearest < X  (S_Exp_Sig)";
    if (upward)
        return pick(lang, "Nearest > X; Semnificand: ultimii 16 biti",
                    "Nearest > X; Significand: last 16 bits");
    // The binary64 caption of X- has a comma after "X" where the others have a semicolon.
    if (format.kind == 8)
        return pick(lang, "Nearest < X, Semnificand: ultimii 16 biti",
                    "Nearest < X, Significand: last 16 bits");
    return pick(lang, "Nearest < X; Semnificand: ultimii 16 biti",
                "Nearest < X; Significand: last 16 bits");
}

} // namespace

std::string_view canonical_value(const FormatTraits& format, Word128 word, NumberText& room) {
    if (!has_native_type(format))
        return format_number(narrow_value(format, word), narrow_form(format, true), room);
    return with_format_type(format.kind, [&](auto traits) {
        const auto x = value_of_word(traits, word);
        return cut_to(format_number(x, unjustified(kind_form(format.kind, true)), room),
                      VALUE_LENGTH);
    });
}

int representation_exponent(const FormatTraits& format, Word128 exponent_field,
                            const ClassFlags& flags) {
    if (flags.is_zero || flags.is_subnormal) return format.emin;
    return static_cast<int>(exponent_field) - format.bias;
}

std::string_view representation_exponent_label(const ClassFlags& flags, int lang) {
    if (flags.is_exp_min)
        return pick(lang, "Exponentul reprezentarii (Emin)", "Representation Exponent (Emin)");
    if (flags.is_exp_max)
        return pick(lang, "Exponentul reprezentarii (Emax)", "Representation Exponent (Emax)");
    return pick(lang, "Exponentul reprezentarii (E)", "Representation Exponent (E)");
}

RowText exponent_row(const FormatTraits& format, Word128 exponent_field, const ClassFlags& flags,
                     int lang, NumberText& room) {
    const int exponent = representation_exponent(format, exponent_field, flags);
    const auto end = std::to_chars(room.chars, room.chars + sizeof room.chars, exponent).ptr;
    const std::string_view text(room.chars, static_cast<std::size_t>(end - room.chars));
    return {cut_to(text, EXPONENT_LENGTH), representation_exponent_label(flags, lang)};
}

RowText significand_row(const FormatTraits& format, Word128 significand_field,
                        const ClassFlags& flags, int lang, NumberText& room) {
    const bool hidden = flags.is_finite && !flags.is_subnormal && !flags.is_zero;
    const std::string_view caption = pick(lang, "     Semnificand", "     Significand");
    if (!has_native_type(format)) {
        const double value =
            significand_value<double>(significand_field, format.significand_bits, hidden);
        return {format_number(value, narrow_form(format, false), room), caption};
    }
    const std::string_view text = with_format_type(format.kind, [&](auto traits) {
        using Real = typename decltype(traits)::Real;
        const Real value =
            significand_value<Real>(significand_field, format.significand_bits, hidden);
        return format_number(value, unjustified(significand_form(format.kind)), room);
    });
    return {cut_to(text, SIGNIFICAND_LENGTH), caption};
}

std::string_view ulp_number(const FormatTraits& format, Word128 word, NumberText& room) {
    return with_format_type(format.kind, [&](auto traits) {
        return cut_to(format_number(ulp(value_of_word(traits, word)), kind_form(format.kind), room),
                      ULP_LENGTH);
    });
}

RowText ulp_row(const FormatTraits& format, Word128 word, NumberText& room) {
    constexpr std::string_view caption = "        ULP(X)";
    if (!has_native_type(format))
        return {format_number(narrow_ulp(format, word), narrow_form(format, false), room), caption};
    const std::string_view text = with_format_type(format.kind, [&](auto traits) {
        return format_number(ulp(value_of_word(traits, word)), unjustified(kind_form(format.kind)),
                             room);
    });
    return {cut_to(text, ULP_LENGTH), caption};
}

RowText neighbour_row(const FormatTraits& format, Word128 word, bool upward, bool binary, int lang,
                      NumberText& room) {
    const std::string_view decimal_caption = upward ? "      Nearest, > X" : "      Nearest, < X";
    const std::string_view caption =
        binary ? binary_caption(format, upward, lang) : decimal_caption;
    if (!has_native_type(format)) {
        const std::optional<Word128> near = narrow_next(format, word, upward);
        if (!near) return {NO_NEIGHBOUR, caption};
        if (binary) return {fields_text(*near, format, room), caption};
        return {format_number(narrow_value(format, *near), narrow_form(format, false), room),
                caption};
    }
    return with_format_type(format.kind, [&](auto traits) {
        const auto x = value_of_word(traits, word);
        const auto near = upward ? next_up(x) : next_down(x);
        if (binary)
            return RowText{cut_to(fields_text(traits.word(near), format, room), VALUE_LENGTH),
                           caption};
        const std::string_view text =
            format_number(near, unjustified(kind_form(format.kind)), room);
        return RowText{cut_to(text, VALUE_LENGTH), caption};
    });
}

RowText epsilon_row(const FormatTraits& format) {
    switch (format.kind) {
    case 8:
        return {"Epsilon = ULP(1.D0).", "Epsilon"};
    case 16:
        return {"Epsilon = ULP(1.Q0).", "Epsilon"};
    default:
        return {"Epsilon = ULP(1.0).", "Epsilon"};
    }
}

} // namespace binora
