#include "cli/output_formats.hpp"

namespace binora::cli {

std::string escape_line_breaks(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '\t':
            escaped += "\\t";
            break;
        case '\n':
            escaped += "\\n";
            break;
        case '\r':
            escaped += "\\r";
            break;
        case '\\':
            escaped += "\\\\";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

void write_tsv_header(std::ostream& out) {
    for (std::size_t i = 0; i < COLUMN_NAMES.size(); ++i)
        out << (i == 0 ? "" : "\t") << COLUMN_NAMES[i];
    out << '\n';
}

void write_tsv(std::ostream& out, const ReadOut& read_out) {
    for (std::size_t i = 0; i < read_out.columns.size(); ++i)
        out << (i == 0 ? "" : "\t") << escape_line_breaks(read_out.columns[i]);
    out << '\n';
}

} // namespace binora::cli
