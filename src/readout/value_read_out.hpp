#pragma once

// Everything the window shows for a stored datum, computed at once as plain texts: the bit
// fields, the storage word in hexadecimal, the class, X in canonical form, every row of the
// parameter list with its caption (the neighbours in decimal and as bits) and the exact
// decimal value; the same for binora-cli's narrow formats, and for binora-cli X in C99
// hexadecimal form too. Every text is printable ASCII without a quote or a backslash. The
// window asks for the parts it is about to show at each rebuild of X and each row chosen, and
// copies them into its controls; binora-cli prints them.

#include "model/format_traits.hpp"
#include "model/language.hpp"
#include "numeric/format_word.hpp"
#include "numeric/hex_float.hpp"
#include "numeric/number_format.hpp"
#include "numeric/storage_word.hpp"
#include "readout/parameter_rows.hpp"

#include <string>
#include <string_view>

namespace binora {

// The views point into the read-out's own storage and stay valid until it is filled again;
// so a read-out is neither copied nor moved.
struct ValueReadOut {
    ValueReadOut() = default;
    ValueReadOut(const ValueReadOut&) = delete;
    ValueReadOut& operator=(const ValueReadOut&) = delete;

    // The bit edits: sign, exponent and significand fields (binary128's two significand
    // edits joined), and the whole word in upper-case hexadecimal.
    std::string_view sign;
    std::string_view exponent;
    std::string_view significand;
    std::string_view hex;
    std::string_view class_text; // in the read-out's language
    std::string_view value;      // X in canonical form, as the value edit shows it
    std::string_view hexfloat;   // X in C99 hexadecimal form (hex_float.hpp)

    ClassFlags flags; // the class of the word, when read_out_value classifies it
    // The parameter list is offered for finite X only; for infinities and NaNs the rows and
    // the exact value are empty.
    bool finite = false;
    RowText exponent_row;
    RowText significand_row;
    RowText ulp_row;
    RowText next_up;        // in decimal
    RowText next_down;      // in decimal
    RowText next_up_bits;   // with the Binary box checked
    RowText next_down_bits; // with the Binary box checked
    RowText epsilon_row;
    std::string_view exact; // the exact decimal value of X (exact_decimal.hpp)

    // The parts (ReadOutPart bits) the views may hold: those asked for last time, which the
    // next filling empties first.
    unsigned filled = 0;

    // The storage the views point into.
    char bits_storage[128];
    char hex_storage[32];
    std::string class_storage;
    NumberText value_storage;
    NumberText row_storage[7];
    std::string exact_storage;
    char hexfloat_storage[HEX_FLOAT_ROOM];
};

// The parts of a read-out, to ask for some of them only.
enum ReadOutPart : unsigned {
    PART_FIELDS = 1U << 0,          // sign, exponent, significand
    PART_HEX = 1U << 1,             // hex
    PART_CLASS = 1U << 2,           // class_text
    PART_VALUE = 1U << 3,           // value
    PART_EXPONENT_ROW = 1U << 4,    // exponent_row
    PART_SIGNIFICAND_ROW = 1U << 5, // significand_row
    PART_ULP_ROW = 1U << 6,         // ulp_row
    PART_NEXT_UP = 1U << 7,         // next_up
    PART_NEXT_DOWN = 1U << 8,       // next_down
    PART_NEXT_UP_BITS = 1U << 9,    // next_up_bits
    PART_NEXT_DOWN_BITS = 1U << 10, // next_down_bits
    PART_EPSILON_ROW = 1U << 11,    // epsilon_row
    PART_EXACT = 1U << 12,          // exact
    PART_HEXFLOAT = 1U << 13,       // hexfloat
    ALL_PARTS = (1U << 14) - 1,
};

// What the window's rows 1 and 2 read instead of X's own fields: the exponent and trailing
// significand fields as they stand in the bit edits, and the class of X when it was last
// rebuilt from them. A short field in an edit makes them differ from X's fields, and so does
// a kind chosen since the rebuild (its edits zeroed, the list still usable).
struct StandingFields {
    Word128 exponent = 0;
    Word128 significand = 0;
    ClassFlags flags;
};

// Fills `out` with the read-outs of the datum stored in `word` (its low storage-width bits)
// in `format`, with the texts of language `lang`: the parts asked for (ReadOutPart bits), the
// others empty. `flags` and `finite` are set when the class, a parameter row or the exact value
// is asked for, or `standing` is given (all false when only the bits or forms of the value
// are); with `standing`, rows 1 and 2 are those of the standing fields and `finite` is the
// standing class's.
void read_out_value(const FormatTraits& format, Word128 word, Language lang, ValueReadOut& out,
                    unsigned parts = ALL_PARTS, const StandingFields* standing = nullptr);

} // namespace binora
