#pragma once

// What binora-cli reports for one value, or for one operation in one rounding direction: one
// text per column, in output order. Columns the window would not offer for the value (the
// parameter rows of Infinity and NaN, everything after `status` for an invalid value, but
// an operation's `op` and `round`) are empty. The texts are views: of the value as given
// and of the read-out core's texts (readout/value_read_out.hpp), valid until the next value.
// Only `input` holds bytes as they were given: every other column is printable ASCII without
// a quote or a backslash, so the output formats write those as they are.

#include "readout/value_read_out.hpp"

#include <array>
#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

namespace binora::cli {

enum Column : std::size_t {
    COL_INPUT,  // the value as given (the first column)
    COL_KIND,   // 32, 64, 128, 16, bf16, e5m2 or e4m3 (of the result)
    COL_STATUS, // "ok" or "invalid"
    COL_SIGN,   // the bit edits of the kind
    COL_EXPONENT,
    COL_SIGNIFICAND, // binary128: both parts joined
    COL_HEX,         // the storage word, upper-case hexadecimal
    COL_CLASS,       // IDC_DATATYPE
    COL_VALUE,       // IDC_VALUE_X after the rebuild
    COL_E,           // parameter row 1
    COL_E_LABEL,     // its caption
    COL_SIG,         // rows 2 to 5 in decimal
    COL_ULP,
    COL_NEXT_UP,
    COL_NEXT_DOWN,
    COL_NEXT_UP_BITS, // rows 4 and 5 with the Binary check box on
    COL_NEXT_DOWN_BITS,
    COL_EPSILON, // row 6
    COL_EXACT,   // exact decimal value of X; empty for Infinity and NaN
    // Written for a value only when --columns asks for them: the typed decimal minus X,
    // exactly, and the same in units of ULP(X); empty for a storage word, an infinity or a
    // NaN. For an operation: the stored result minus the exact one (arith/exact_result.hpp).
    COL_ERROR,
    COL_ERROR_ULPS,
    COL_HEXFLOAT, // X in C99 hexadecimal form; for a value only when --columns asks for it
    // An operation's own (--op): its name, the rounding direction, the operands' storage
    // words, the flags reading them raised, the exact result, the guard, round and sticky
    // bits of the exact result, and the flags the operation raised.
    COL_OP,
    COL_ROUND,
    COL_A,
    COL_B,
    COL_C,
    COL_OPERAND_FLAGS,
    COL_REAL,
    COL_GRS,
    COL_FLAGS,
    COLUMN_COUNT
};

// The columns written without --columns, in order: for a value every column up to `exact`;
// for an operation (`operation`) all of an operation's.
std::vector<Column> default_columns(bool operation = false);

// Whether the column is written only for an operation.
constexpr bool is_operation_column(Column column) {
    return column >= COL_OP;
}

constexpr std::array<std::string_view, COLUMN_COUNT> COLUMN_NAMES = {"input",
                                                                     "kind",
                                                                     "status",
                                                                     "sign",
                                                                     "exponent",
                                                                     "significand",
                                                                     "hex",
                                                                     "class",
                                                                     "value",
                                                                     "E",
                                                                     "E_label",
                                                                     "sig",
                                                                     "ulp",
                                                                     "next_up",
                                                                     "next_down",
                                                                     "next_up_bits",
                                                                     "next_down_bits",
                                                                     "epsilon",
                                                                     "exact",
                                                                     "error",
                                                                     "error_ulps",
                                                                     "hexfloat",
                                                                     "op",
                                                                     "round",
                                                                     "a",
                                                                     "b",
                                                                     "c",
                                                                     "operand_flags",
                                                                     "real",
                                                                     "grs",
                                                                     "flags"};

struct ReadOut {
    bool valid = false;
    std::array<std::string_view, COLUMN_COUNT> columns;

    std::string_view& operator[](Column column) { return columns[column]; }
    std::string_view operator[](Column column) const { return columns[column]; }
};

// The read-out parts (readout/value_read_out.hpp: ReadOutPart) that `columns` show.
unsigned read_out_parts(std::span<const Column> columns);

// Puts the texts of a value's read-out into their columns of `out`: the fields, hex, class,
// value and hexfloat, and for a finite value the parameter rows and the exact value.
void put_read_out(const ValueReadOut& read_out, ReadOut& out);

} // namespace binora::cli
