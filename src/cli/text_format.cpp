#include "cli/output_formats.hpp"

namespace binora::cli {

void write_text(std::ostream& out, const ReadOut& read_out) {
    for (std::size_t i = 0; i < read_out.columns.size(); ++i) {
        out << COLUMN_NAMES[i] << ':';
        if (!read_out.columns[i].empty()) out << ' ' << escape_line_breaks(read_out.columns[i]);
        out << '\n';
    }
}

} // namespace binora::cli
