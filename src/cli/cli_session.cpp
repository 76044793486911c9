#include "cli/cli_session.hpp"

namespace binora::cli {

CliSession::CliSession(const CliOptions& options, std::ostream& out, std::ostream& errors)
    : columns_(options.columns), writer_(out, options.format, options.header, columns_),
      reader_(*options.kind, options.lang, columns_, [this](std::string_view line) { say(line); }),
      out_(out), errors_(errors) {}

void CliSession::say(std::string_view line) {
    writer_.flush();
    errors_ << line << '\n';
}

bool CliSession::read_value(std::string_view value) {
    reader_.read(value, read_out_);
    writer_.write(read_out_);
    if (!read_out_.valid) any_invalid_ = true;
    return read_out_.valid;
}

int CliSession::status() {
    writer_.flush();
    if (!out_) return EXIT_IO_ERROR;
    return any_invalid_ ? EXIT_SOME_INVALID : EXIT_ALL_READ;
}

int CliSession::read_values(const std::vector<std::string>& values) {
    for (const std::string& value : values) {
        if (!out_) break;
        read_value(value);
    }
    return status();
}

int CliSession::read_lines(std::istream& in, bool flush_each_line) {
    std::string line;
    while (out_ && std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        read_value(line);
        if (flush_each_line) {
            writer_.flush();
            out_.flush();
        }
    }
    if (in.bad()) {
        say("binora-cli: cannot read standard input");
        return EXIT_IO_ERROR;
    }
    return status();
}

} // namespace binora::cli
