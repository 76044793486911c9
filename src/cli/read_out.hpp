#pragma once

// What binora-cli reports for one value, or for one operation in one rounding direction: one
// text per column, in output order. Columns the window would not offer for the value (the
// parameter rows of Infinity and NaN, everything after `status` for an invalid value, but
// an operation's `op` and `round`) are empty. The texts are views: of the value as given
// and of the read-out core's texts (readout/value_read_out.hpp), valid until the next value.
// Only `input` holds bytes as they were given: every other column is printable ASCII without
// a quote or a backslash, so the output formats write those as they are.
//
// Every column is one row of the table COLUMNS: its name, where its text comes from (a text
// of the read-out core, or the reader's own) and the read-out part that text needs.

#include "readout/value_read_out.hpp"

#include <array>
#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

namespace binora::cli {

// The columns, by their place in COLUMNS: the order of the default columns.
enum Column : std::size_t {
    COL_INPUT,
    COL_KIND,
    COL_STATUS,
    COL_OP,
    COL_ROUND,
    COL_A,
    COL_B,
    COL_C,
    COL_OPERAND_FLAGS,
    COL_SIGN,
    COL_EXPONENT,
    COL_SIGNIFICAND,
    COL_HEX,
    COL_CLASS,
    COL_VALUE,
    COL_E,
    COL_E_LABEL,
    COL_SIG,
    COL_ULP,
    COL_NEXT_UP,
    COL_NEXT_DOWN,
    COL_NEXT_UP_BITS,
    COL_NEXT_DOWN_BITS,
    COL_EPSILON,
    COL_EXACT,
    COL_HEXFLOAT,
    COL_REAL,
    COL_ERROR,
    COL_ERROR_ULPS,
    COL_GRS,
    COL_FLAGS,
    COLUMN_COUNT
};

// Which runs write a column, and when.
enum class ColumnUse {
    always,           // every run by default
    value_on_request, // for a value when --columns names it; for an operation by default
    operation,        // for an operation only, by default
};

struct ColumnDescription {
    std::string_view name;
    // Its text in the read-out core's texts, which need the part `part`; none for the
    // columns the readers fill themselves.
    std::string_view (*text)(const ValueReadOut&) = nullptr;
    unsigned part = 0;
    // Shown for a finite number only (the parameter list and the exact value).
    bool finite_only = false;
    ColumnUse use = ColumnUse::always;
};

// clang-format off
inline constexpr std::array<ColumnDescription, COLUMN_COUNT> COLUMNS = {{
    // The value or line as given, the kind (of the result), "ok" or "invalid".
    {"input"}, {"kind"}, {"status"},
    // An operation's name and rounding direction, its operands' storage words, and the flags
    // reading them raised.
    {"op", nullptr, 0, false, ColumnUse::operation},
    {"round", nullptr, 0, false, ColumnUse::operation},
    {"a", nullptr, 0, false, ColumnUse::operation},
    {"b", nullptr, 0, false, ColumnUse::operation},
    {"c", nullptr, 0, false, ColumnUse::operation},
    {"operand_flags", nullptr, 0, false, ColumnUse::operation},
    // The bit edits of the kind (binary128's significand edits joined), the storage word in
    // upper-case hexadecimal, IDC_DATATYPE, IDC_VALUE_X after the rebuild.
    {"sign", [](const ValueReadOut& r) { return r.sign; }, PART_FIELDS},
    {"exponent", [](const ValueReadOut& r) { return r.exponent; }, PART_FIELDS},
    {"significand", [](const ValueReadOut& r) { return r.significand; }, PART_FIELDS},
    {"hex", [](const ValueReadOut& r) { return r.hex; }, PART_HEX},
    {"class", [](const ValueReadOut& r) { return r.class_text; }, PART_CLASS},
    {"value", [](const ValueReadOut& r) { return r.value; }, PART_VALUE},
    // The parameter rows: 1 with its caption, 2 to 5 in decimal, 4 and 5 with the Binary box
    // checked, 6; and the exact decimal value.
    {"E", [](const ValueReadOut& r) { return r.exponent_row.text; }, PART_EXPONENT_ROW, true},
    {"E_label", [](const ValueReadOut& r) { return r.exponent_row.caption; }, PART_EXPONENT_ROW,
     true},
    {"sig", [](const ValueReadOut& r) { return r.significand_row.text; }, PART_SIGNIFICAND_ROW,
     true},
    {"ulp", [](const ValueReadOut& r) { return r.ulp_row.text; }, PART_ULP_ROW, true},
    {"next_up", [](const ValueReadOut& r) { return r.next_up.text; }, PART_NEXT_UP, true},
    {"next_down", [](const ValueReadOut& r) { return r.next_down.text; }, PART_NEXT_DOWN, true},
    {"next_up_bits", [](const ValueReadOut& r) { return r.next_up_bits.text; },
     PART_NEXT_UP_BITS, true},
    {"next_down_bits", [](const ValueReadOut& r) { return r.next_down_bits.text; },
     PART_NEXT_DOWN_BITS, true},
    {"epsilon", [](const ValueReadOut& r) { return r.epsilon_row.text; }, PART_EPSILON_ROW, true},
    {"exact", [](const ValueReadOut& r) { return r.exact; }, PART_EXACT, true},
    // X in C99 hexadecimal form.
    {"hexfloat", [](const ValueReadOut& r) { return r.hexfloat; }, PART_HEXFLOAT, false,
     ColumnUse::value_on_request},
    // An operation's exact result (arith/exact_result.hpp).
    {"real", nullptr, 0, false, ColumnUse::operation},
    // A value's typed decimal minus X, exactly, and in units of ULP(X), empty for a storage
    // word, an infinity or a NaN; an operation's stored result minus its exact result.
    {"error", nullptr, 0, false, ColumnUse::value_on_request},
    {"error_ulps", nullptr, 0, false, ColumnUse::value_on_request},
    // An operation's guard, round and sticky bits of the exact result, and its flags.
    {"grs", nullptr, 0, false, ColumnUse::operation},
    {"flags", nullptr, 0, false, ColumnUse::operation},
}};
// clang-format on

constexpr std::string_view column_name(Column column) {
    return COLUMNS[column].name;
}

// Whether the column is written only for an operation.
constexpr bool is_operation_column(Column column) {
    return COLUMNS[column].use == ColumnUse::operation;
}

// The columns written without --columns, in table order: for a value every column always
// written; for an operation (`operation`) every column.
std::vector<Column> default_columns(bool operation = false);

struct ReadOut {
    bool valid = false;
    std::array<std::string_view, COLUMN_COUNT> columns;

    std::string_view& operator[](Column column) { return columns[column]; }
    std::string_view operator[](Column column) const { return columns[column]; }
};

// The read-out parts (readout/value_read_out.hpp: ReadOutPart) that `columns` show.
unsigned read_out_parts(std::span<const Column> columns);

// Puts the read-out's texts of `columns` into their columns of `out` (those of the parameter
// list and the exact value for a finite value only); the others are left as they are.
void put_read_out(const ValueReadOut& read_out, std::span<const Column> columns, ReadOut& out);

} // namespace binora::cli
