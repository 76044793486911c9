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

void put_read_out(const ValueReadOut& read_out, std::span<const Column> columns, ReadOut& out) {
    for (const Column column : columns) {
        const ColumnDescription& description = COLUMNS[column];
        if (description.text == nullptr) continue;
        out[column] = description.finite_only && !read_out.finite ? std::string_view()
                                                                  : description.text(read_out);
    }
}

} // namespace binora::cli
