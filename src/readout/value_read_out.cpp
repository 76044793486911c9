#include "readout/value_read_out.hpp"

#include "numeric/exact_decimal.hpp"
#include "readout/class_text.hpp"

#include <cstddef>

namespace binora {

namespace {

// Empties the views of `parts` (ReadOutPart bits).
void empty_parts(ValueReadOut& out, unsigned parts) {
    const auto part = [parts](ReadOutPart one) { return (parts & one) != 0; };
    if (part(PART_FIELDS)) out.sign = out.exponent = out.significand = {};
    if (part(PART_HEX)) out.hex = {};
    if (part(PART_CLASS)) out.class_text = {};
    if (part(PART_VALUE)) out.value = {};
    if (part(PART_EXPONENT_ROW)) out.exponent_row = {};
    if (part(PART_SIGNIFICAND_ROW)) out.significand_row = {};
    if (part(PART_ULP_ROW)) out.ulp_row = {};
    if (part(PART_NEXT_UP)) out.next_up = {};
    if (part(PART_NEXT_DOWN)) out.next_down = {};
    if (part(PART_NEXT_UP_BITS)) out.next_up_bits = {};
    if (part(PART_NEXT_DOWN_BITS)) out.next_down_bits = {};
    if (part(PART_EPSILON_ROW)) out.epsilon_row = {};
    if (part(PART_EXACT)) out.exact = {};
    if (part(PART_HEXFLOAT)) out.hexfloat = {};
}

} // namespace

void read_out_value(const FormatTraits& format, Word128 word, Language lang, ValueReadOut& out,
                    unsigned parts, const StandingFields* standing) {
    const auto asked = [parts](ReadOutPart part) { return (parts & part) != 0; };
    empty_parts(out, out.filled);
    out.filled = parts;
    const auto storage_bits = static_cast<std::size_t>(format.storage_bits);
    const auto exponent_bits = static_cast<std::size_t>(format.exponent_bits);
    if (asked(PART_FIELDS)) {
        write_bit_string(word, format.storage_bits, out.bits_storage);
        const std::string_view bits(out.bits_storage, storage_bits);
        out.sign = bits.substr(0, 1);
        out.exponent = bits.substr(1, exponent_bits);
        out.significand = bits.substr(1 + exponent_bits);
    }
    if (asked(PART_HEX)) {
        write_hex_string(word, format.storage_bits, out.hex_storage);
        out.hex = std::string_view(out.hex_storage,
                                   static_cast<std::size_t>(hex_digits(format.storage_bits)));
    }
    if (asked(PART_VALUE)) out.value = canonical_value(format, word, out.value_storage);
    if (asked(PART_HEXFLOAT)) out.hexfloat = write_hex_float(format, word, out.hexfloat_storage);
    // The class, unless only the bits or forms of the value are asked for.
    const unsigned forms = PART_FIELDS | PART_HEX | PART_VALUE | PART_HEXFLOAT;
    out.flags = {};
    out.finite = false;
    if ((parts & ~forms) == 0 && standing == nullptr) return;
    out.flags = class_of_word(format, word);
    if (asked(PART_CLASS)) out.class_text = class_text(out.flags, format, lang, out.class_storage);

    out.finite = (standing != nullptr ? standing->flags : out.flags).is_finite;
    if (!out.finite) return; // no parameter rows and no exact value
    NumberText* room = out.row_storage;
    if (asked(PART_EXPONENT_ROW) || asked(PART_SIGNIFICAND_ROW)) {
        const StandingFields own{exponent_field(format, word), fraction_field(format, word),
                                 out.flags};
        const StandingFields& rows = standing != nullptr ? *standing : own;
        if (asked(PART_EXPONENT_ROW))
            out.exponent_row = exponent_row(format, rows.exponent, rows.flags, lang, room[0]);
        if (asked(PART_SIGNIFICAND_ROW))
            out.significand_row =
                significand_row(format, rows.significand, rows.flags, lang, room[1]);
    }
    if (asked(PART_ULP_ROW)) out.ulp_row = ulp_row(format, word, room[2]);
    if (asked(PART_NEXT_UP)) out.next_up = neighbour_row(format, word, true, false, lang, room[3]);
    if (asked(PART_NEXT_DOWN))
        out.next_down = neighbour_row(format, word, false, false, lang, room[4]);
    if (asked(PART_NEXT_UP_BITS))
        out.next_up_bits = neighbour_row(format, word, true, true, lang, room[5]);
    if (asked(PART_NEXT_DOWN_BITS))
        out.next_down_bits = neighbour_row(format, word, false, true, lang, room[6]);
    if (asked(PART_EPSILON_ROW)) out.epsilon_row = epsilon_row(format);
    if (asked(PART_EXACT)) {
        write_exact_decimal(out.exact_storage, format, word);
        out.exact = out.exact_storage;
    }
}

} // namespace binora
