#include "cli/read_out.hpp"

namespace binora::cli {

std::vector<Column> default_columns(bool operation) {
    std::vector<Column> columns;
    for (std::size_t c = 0; c < COLUMN_COUNT; ++c)
        if (operation || COLUMNS[c].use == ColumnUse::always)
            columns.push_back(static_cast<Column>(c));
    return columns;
}

unsigned read_out_parts(std::span<const Column> columns) {
    unsigned parts = 0;
    for (const Column column : columns)
        parts |= COLUMNS[column].part;
    return parts;
}

ReadOutColumns::ReadOutColumns(const ValueReadOut& source, std::span<const Column> columns)
    : source_(source) {
    for (const Column column : columns) {
        const ColumnDescription& description = COLUMNS[column];
        if (description.text.given())
            bound_.push_back({column, &description.text.in(source), description.finite_only});
    }
}

void ReadOutColumns::put(ReadOut& out) const {
    for (const Bound& bound : bound_)
        out[bound.column] = bound.finite_only && !source_.finite ? std::string_view() : *bound.text;
}

} // namespace binora::cli
