#include "cli/read_out.hpp"

namespace binora::cli {

namespace {

// The read-out part a column needs; 0 for the columns binora-cli fills itself.
unsigned part_of(Column column) {
    switch (column) {
    case COL_SIGN:
    case COL_EXPONENT:
    case COL_SIGNIFICAND:
        return PART_FIELDS;
    case COL_HEX:
        return PART_HEX;
    case COL_CLASS:
        return PART_CLASS;
    case COL_VALUE:
        return PART_VALUE;
    case COL_E:
    case COL_E_LABEL:
        return PART_EXPONENT_ROW;
    case COL_SIG:
        return PART_SIGNIFICAND_ROW;
    case COL_ULP:
        return PART_ULP_ROW;
    case COL_NEXT_UP:
        return PART_NEXT_UP;
    case COL_NEXT_DOWN:
        return PART_NEXT_DOWN;
    case COL_NEXT_UP_BITS:
        return PART_NEXT_UP_BITS;
    case COL_NEXT_DOWN_BITS:
        return PART_NEXT_DOWN_BITS;
    case COL_EPSILON:
        return PART_EPSILON_ROW;
    case COL_EXACT:
        return PART_EXACT;
    case COL_HEXFLOAT:
        return PART_HEXFLOAT;
    default:
        return 0;
    }
}

} // namespace

std::vector<Column> default_columns(bool operation) {
    std::vector<Column> columns;
    for (std::size_t c = 0; c <= COL_EXACT; ++c)
        columns.push_back(static_cast<Column>(c));
    if (!operation) return columns;
    // The operation's inputs after the status, then the result's read-outs and what the
    // operation adds to them.
    columns.insert(columns.begin() + COL_STATUS + 1,
                   {COL_OP, COL_ROUND, COL_A, COL_B, COL_C, COL_OPERAND_FLAGS});
    columns.insert(columns.end(),
                   {COL_HEXFLOAT, COL_REAL, COL_ERROR, COL_ERROR_ULPS, COL_GRS, COL_FLAGS});
    return columns;
}

unsigned read_out_parts(std::span<const Column> columns) {
    unsigned parts = 0;
    for (const Column column : columns)
        parts |= part_of(column);
    return parts;
}

void put_read_out(const ValueReadOut& r, ReadOut& out) {
    out[COL_SIGN] = r.sign;
    out[COL_EXPONENT] = r.exponent;
    out[COL_SIGNIFICAND] = r.significand;
    out[COL_HEX] = r.hex;
    out[COL_CLASS] = r.class_text;
    out[COL_VALUE] = r.value;
    out[COL_HEXFLOAT] = r.hexfloat;
    if (!r.finite) return; // the parameter list is offered for finite X only
    out[COL_E] = r.exponent_row.text;
    out[COL_E_LABEL] = r.exponent_row.caption;
    out[COL_SIG] = r.significand_row.text;
    out[COL_ULP] = r.ulp_row.text;
    out[COL_NEXT_UP] = r.next_up.text;
    out[COL_NEXT_DOWN] = r.next_down.text;
    out[COL_NEXT_UP_BITS] = r.next_up_bits.text;
    out[COL_NEXT_DOWN_BITS] = r.next_down_bits.text;
    out[COL_EPSILON] = r.epsilon_row.text;
    out[COL_EXACT] = r.exact;
}

} // namespace binora::cli
