#include "cli/output_formats.hpp"

namespace binora::cli {

ReadOutWriter::ReadOutWriter(std::ostream& out, OutputFormat format, bool header)
    : out_(out), format_(format) {
    if (header && format_ == OutputFormat::tsv) write_tsv_header(out_);
}

void ReadOutWriter::write(const ReadOut& read_out) {
    switch (format_) {
    case OutputFormat::tsv:
        write_tsv(out_, read_out);
        break;
    case OutputFormat::json:
        write_json(out_, read_out);
        break;
    case OutputFormat::text:
        if (!first_) out_ << '\n';
        write_text(out_, read_out);
        break;
    }
    first_ = false;
}

} // namespace binora::cli
