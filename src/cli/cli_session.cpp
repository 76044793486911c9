#include "cli/cli_session.hpp"

#include "cli/line_pieces.hpp"
#include "cli/line_source.hpp"

namespace binora::cli {

CliSession::CliSession(const CliOptions& options, std::ostream& out, std::ostream& errors,
                       unsigned threads)
    : options_(options), threads_(threads), columns_(options.columns),
      writer_(out, options.format, options.header, columns_),
      reader_(*options.kind, options.lang, columns_, [this](std::string_view line) { say(line); }),
      out_(out), errors_(errors) {
    if (options.operation)
        operations_.emplace(options, columns_, [this](std::string_view line) { say(line); });
}

void CliSession::say(std::string_view line) {
    writer_.flush();
    errors_ << line << '\n';
}

bool CliSession::write_operation(bool valid) {
    for (std::size_t i = 0; i < operations_->row_count(); ++i)
        writer_.write(operations_->row(i));
    if (!valid) any_invalid_ = true;
    return valid;
}

bool CliSession::read_value(std::string_view value) {
    if (operations_) return write_operation(operations_->read_line(value));
    reader_.read(value, read_out_);
    writer_.write(read_out_);
    if (!read_out_.valid) any_invalid_ = true;
    return read_out_.valid;
}

bool CliSession::read_line(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return read_value(line);
}

int CliSession::status() {
    writer_.flush();
    if (!out_) return EXIT_IO_ERROR;
    return any_invalid_ ? EXIT_SOME_INVALID : EXIT_ALL_READ;
}

int CliSession::read_values(const std::vector<std::string>& values) {
    if (operations_) {
        std::string input;
        std::vector<std::string_view> operands;
        for (const std::string& value : values) {
            if (!input.empty()) input += ' ';
            input += value;
            operands.emplace_back(value);
        }
        write_operation(operations_->read(input, operands));
        return status();
    }
    for (const std::string& value : values) {
        if (!out_) break;
        read_value(value);
    }
    return status();
}

int CliSession::read_lines(std::istream& in, bool flush_each_line) {
    if (!flush_each_line && threads_ > 1) {
        writer_.flush();
        if (read_lines_in_pieces(options_, threads_, in, out_, errors_)) any_invalid_ = true;
    } else {
        LineSource lines(in, flush_each_line);
        std::string_view line;
        while (out_ && lines.next(line)) {
            read_line(line);
            if (flush_each_line) {
                writer_.flush();
                out_.flush();
            }
        }
    }
    if (in.bad()) {
        say("binora-cli: cannot read standard input");
        return EXIT_IO_ERROR;
    }
    return status();
}

} // namespace binora::cli
