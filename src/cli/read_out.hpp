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

// Where a column's text stands among the read-out core's texts: a text of the read-out's own,
// or the text or caption of one of its parameter rows; nowhere for the columns the readers
// fill themselves.
struct ReadOutText {
    std::string_view ValueReadOut::*own = nullptr;
    RowText ValueReadOut::*row = nullptr;
    std::string_view RowText::*of_row = nullptr;

    constexpr bool given() const { return own != nullptr || row != nullptr; }
    const std::string_view& in(const ValueReadOut& read_out) const {
        return own != nullptr ? read_out.*own : (read_out.*row).*of_row;
    }
};

constexpr ReadOutText own_text(std::string_view ValueReadOut::*text) {
    return {text, nullptr, nullptr};
}
constexpr ReadOutText row_text(RowText ValueReadOut::*row,
                               std::string_view RowText::*text = &RowText::text) {
    return {nullptr, row, text};
}

struct ColumnDescription {
    std::string_view name;
    // Its text in the read-out core's texts, which need the part `part`.
    ReadOutText text = {};
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
    {"op", {}, 0, false, ColumnUse::operation},
    {"round", {}, 0, false, ColumnUse::operation},
    {"a", {}, 0, false, ColumnUse::operation},
    {"b", {}, 0, false, ColumnUse::operation},
    {"c", {}, 0, false, ColumnUse::operation},
    {"operand_flags", {}, 0, false, ColumnUse::operation},
    // The bit edits of the kind (binary128's significand edits joined), the storage word in
    // upper-case hexadecimal, IDC_DATATYPE, IDC_VALUE_X after the rebuild.
    {"sign", own_text(&ValueReadOut::sign), PART_FIELDS},
    {"exponent", own_text(&ValueReadOut::exponent), PART_FIELDS},
    {"significand", own_text(&ValueReadOut::significand), PART_FIELDS},
    {"hex", own_text(&ValueReadOut::hex), PART_HEX},
    {"class", own_text(&ValueReadOut::class_text), PART_CLASS},
    {"value", own_text(&ValueReadOut::value), PART_VALUE},
    // The parameter rows: 1 with its caption, 2 to 5 in decimal, 4 and 5 with the Binary box
    // checked, 6; and the exact decimal value.
    {"E", row_text(&ValueReadOut::exponent_row), PART_EXPONENT_ROW, true},
    {"E_label", row_text(&ValueReadOut::exponent_row, &RowText::caption), PART_EXPONENT_ROW, true},
    {"sig", row_text(&ValueReadOut::significand_row), PART_SIGNIFICAND_ROW, true},
    {"ulp", row_text(&ValueReadOut::ulp_row), PART_ULP_ROW, true},
    {"next_up", row_text(&ValueReadOut::next_up), PART_NEXT_UP, true},
    {"next_down", row_text(&ValueReadOut::next_down), PART_NEXT_DOWN, true},
    {"next_up_bits", row_text(&ValueReadOut::next_up_bits), PART_NEXT_UP_BITS, true},
    {"next_down_bits", row_text(&ValueReadOut::next_down_bits), PART_NEXT_DOWN_BITS, true},
    {"epsilon", row_text(&ValueReadOut::epsilon_row), PART_EPSILON_ROW, true},
    {"exact", own_text(&ValueReadOut::exact), PART_EXACT, true},
    // X in C99 hexadecimal form.
    {"hexfloat", own_text(&ValueReadOut::hexfloat), PART_HEXFLOAT, false,
     ColumnUse::value_on_request},
    // An operation's exact result (arith/exact_result.hpp).
    {"real", {}, 0, false, ColumnUse::operation},
    // A value's typed decimal minus X, exactly, and in units of ULP(X), empty for a storage
    // word, an infinity or a NaN; an operation's stored result minus its exact result.
    {"error", {}, 0, false, ColumnUse::value_on_request},
    {"error_ulps", {}, 0, false, ColumnUse::value_on_request},
    // An operation's guard, round and sticky bits of the exact result, and its flags.
    {"grs", {}, 0, false, ColumnUse::operation},
    {"flags", {}, 0, false, ColumnUse::operation},
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

// The columns among `columns` that show texts of the read-out `source`, bound once to where
// those texts stand in it, so that putting them into a read-out of columns is a copy each.
class ReadOutColumns {
  public:
    ReadOutColumns(const ValueReadOut& source, std::span<const Column> columns);

    // Puts the source's texts into their columns of `out` (those of the parameter list and
    // the exact value for a finite value only); the other columns are left as they are.
    void put(ReadOut& out) const;

  private:
    struct Bound {
        Column column;
        const std::string_view* text;
        bool finite_only;
    };
    const ValueReadOut& source_;
    std::vector<Bound> bound_;
};

} // namespace binora::cli
