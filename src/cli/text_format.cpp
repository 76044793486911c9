#include "cli/output_formats.hpp"

namespace binora::cli {

void append_text(std::string& out, const ReadOut& read_out, Columns columns) {
    for (const Column column : columns) {
        out += column_name(column);
        out += ':';
        if (!read_out[column].empty()) {
            out += ' ';
            // Only the input needs escaping (read_out.hpp).
            if (column == COL_INPUT)
                append_escaped(out, read_out[column]);
            else
                out += read_out[column];
        }
        out += '\n';
    }
}

} // namespace binora::cli
