#include "cli/output_formats.hpp"

namespace binora::cli {

void append_text(std::string& out, const ReadOut& read_out) {
    for (std::size_t i = 0; i < read_out.columns.size(); ++i) {
        out += COLUMN_NAMES[i];
        out += ':';
        if (!read_out.columns[i].empty()) {
            out += ' ';
            // Only the input needs escaping (read_out.hpp).
            if (i == COL_INPUT)
                append_escaped(out, read_out.columns[i]);
            else
                out += read_out.columns[i];
        }
        out += '\n';
    }
}

} // namespace binora::cli
