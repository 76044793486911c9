#include "cli/output_formats.hpp"

namespace binora::cli {

ReadOutWriter::ReadOutWriter(std::ostream& out, OutputFormat format, bool header, Columns columns)
    : out_(out), format_(format), columns_(columns) {
    if (header && format_ == OutputFormat::tsv) {
        append_tsv_header(buffer_, columns_);
        flush();
    }
}

void ReadOutWriter::write(const ReadOut& read_out) {
    switch (format_) {
    case OutputFormat::tsv:
        append_tsv(buffer_, read_out, columns_);
        break;
    case OutputFormat::json:
        append_json(buffer_, read_out, columns_);
        break;
    case OutputFormat::text:
        if (!first_) buffer_ += '\n';
        append_text(buffer_, read_out, columns_);
        break;
    }
    first_ = false;
    if (buffer_.size() >= WRITE_SIZE) flush();
}

void ReadOutWriter::flush() {
    out_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    buffer_.clear();
}

} // namespace binora::cli
