#pragma once

// What must hold on the main dialog's records after every user action, whether the dialog
// has a window or not; the session targets of the windowless dialog and of the real window
// check them both. Reads go through the dialog layer, as the program's routines read.

#include "bitedit/bit_fields.hpp"
#include "bitedit/format_controls.hpp"
#include "current/current_x.hpp"
#include "dialog/dialog_operations.hpp"
#include "dialog/dialog_record.hpp"
#include "exact_checks.hpp"
#include "fuzz_check.hpp"
#include "model/format_traits.hpp"
#include "model/language.hpp"
#include "resources/resource.hpp"
#include "state/comun.hpp"
#include "testing/shown_text.hpp"
#include "testing/words.hpp"

#include <cstddef>
#include <fstream>
#include <iterator>
#include <string>

namespace binora::fuzz {

// The class text of a bit pattern (sign, exponent, significand, as one string) in language
// `lang`.
inline std::string expected_class_text(const FormatTraits& format, const std::string& bits,
                                       Language lang) {
    struct ClassText {
        const char* romanian;
        const char* english;
    };
    const auto exponent_bits = static_cast<std::size_t>(format.exponent_bits);
    const std::string exponent = bits.substr(1, exponent_bits);
    const bool significand_zero = bits.find('1', 1 + exponent_bits) == std::string::npos;
    const bool exponent_ones = exponent.find('0') == std::string::npos;
    const bool exponent_zeros = exponent.find('1') == std::string::npos;
    const std::string kind = std::to_string(format.kind);
    ClassText text{"Non-Numar", "Not-a-Number"};
    const std::string normal_ro = "Numar normalizat: Real(" + kind + ")";
    const std::string normal_en = "Normalized Number: Real(" + kind + ")";
    if (exponent_ones && significand_zero)
        text = {"Infinit cu semn", "Signed Infinity"};
    else if (exponent_zeros && significand_zero)
        text = {"Zero cu semn", "Signed Zero"};
    else if (exponent_zeros)
        text = {"Numar denormalizat", "Denormalized Number"};
    else if (!exponent_ones)
        text = {normal_ro.c_str(), normal_en.c_str()};
    return lang == Language::english ? text.english : text.romanian;
}

// Whether a storage word, written as a bit string, holds a finite number: its exponent field
// is not all ones.
inline bool is_finite_pattern(const FormatTraits& format, const std::string& bits) {
    return bits.substr(1, static_cast<std::size_t>(format.exponent_bits)).find('0') !=
           std::string::npos;
}

// X in canonical form as the value edit shows it, from X's bits: a finite X correctly rounded
// in the form of its format, an infinity "+Infinity" or "-Infinity", a NaN "NaN".
inline bool is_canonical_text(const FormatTraits& format, const std::string& bits,
                              std::string_view shown) {
    if (!is_finite_pattern(format, bits)) {
        if (bits.find('1', 1 + static_cast<std::size_t>(format.exponent_bits)) != std::string::npos)
            return shown == "NaN";
        return shown == (bits[0] == '1' ? "-Infinity" : "+Infinity");
    }
    return is_rounded_form(shown, exact_value(bits, format.exponent_bits, format.bias),
                           bits[0] == '1', value_form_of_width(format.storage_bits));
}

// Exactly the current kind's bit edits are enabled, and each holds only "0", "1" and blanks,
// never more characters than its field. Returns the current kind's fields joined, each
// blank-padded to its width.
inline std::string check_bit_edits(DIALOG_RECORD& main) {
    std::string joined;
    for (const auto& f : FORMATS) {
        const bool current = f.kind == COMUN.KIND_REAL;
        for (const auto& field : controls_of(f).fields()) {
            bool enabled = false;
            DIALOG_GET_FLAG(main, field.edit, enabled, PROP_ENABLED);
            check(enabled == current, "exactly the current kind's bit edits are enabled");
            if (!current) continue;
            const std::string text = shown_text(main, field.edit);
            check(text.size() <= static_cast<std::size_t>(field.bits), "no bit in excess stays");
            check(text.find_first_not_of("01 ") == std::string::npos, "only 0, 1 and blank stay");
            joined += read_bit_field(main, field);
        }
    }
    return joined;
}

// While X is the value rebuilt from the bit edits (`joined`, from check_bit_edits): its
// storage word is those bits, the value edit shows X correctly rounded in its canonical form,
// the class text is the class of the bits in the current language, and the parameter list is
// enabled exactly when X is finite.
inline void check_rebuilt_value(DIALOG_RECORD& main, const std::string& joined) {
    const FormatTraits& f = current_format();
    const Word128 word = word_of_x(f);
    check(word == word_from_bit_string(joined), "X is the pattern of the bit edits");
    const std::string bits = bit_string(word, f.storage_bits);
    check(shown_text(main, IDC_DATATYPE) == expected_class_text(f, bits, COMUN.LANG),
          "the class text is the class of the bits in the current language");
    check(is_canonical_text(f, bits, shown_text(main, IDC_VALUE_X)),
          "the value edit shows X correctly rounded in canonical form");
    bool list_enabled = false;
    DIALOG_GET_FLAG(main, IDC_PARAM_LIST, list_enabled, PROP_ENABLED);
    check(list_enabled == is_finite_pattern(f, bits),
          "the parameter list is enabled exactly for finite X");
}

// The saved summary file begins with the first paragraph in the current language and ends
// with the blank line after the last, nothing of an older file left after it.
inline void check_saved_summary(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), {}};
    const char* expected = COMUN.LANG == Language::english
                               ? "Data representable in a floating-point format"
                               : "Datele reprezentabile intr-un format";
    check(bytes.starts_with(expected), "the file is in the current language");
    check(bytes.ends_with("0 ... 0\r\n \r\n"), "the file ends with the summary");
}

} // namespace binora::fuzz
