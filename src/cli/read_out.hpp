#pragma once

// What binora-cli reports for one value: one text per column, in output order. Columns the
// window would not offer for the value (the parameter rows of Infinity and NaN, everything
// after `status` for an invalid value) are empty. The texts are views: of the value as given
// and of the read-out core's texts (readout/value_read_out.hpp), valid until the next value.
// Only `input` holds bytes as they were given: every other column is printable ASCII without
// a quote or a backslash, so the output formats write those as they are.

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

namespace binora::cli {

enum Column : std::size_t {
    COL_INPUT,  // the value as given (the first column)
    COL_KIND,   // 32, 64 or 128
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
    // Written only when --columns asks for them: the typed decimal minus X, exactly, and the
    // same in units of ULP(X); empty for a storage word, an infinity or a NaN.
    COL_ERROR,
    COL_ERROR_ULPS,
    COLUMN_COUNT
};

// The columns written without --columns, in order: every column up to `exact`.
inline std::vector<Column> default_columns() {
    std::vector<Column> columns;
    for (std::size_t c = 0; c <= COL_EXACT; ++c)
        columns.push_back(static_cast<Column>(c));
    return columns;
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
                                                                     "error_ulps"};

struct ReadOut {
    bool valid = false;
    std::array<std::string_view, COLUMN_COUNT> columns;

    std::string_view& operator[](Column column) { return columns[column]; }
    std::string_view operator[](Column column) const { return columns[column]; }
};

} // namespace binora::cli
