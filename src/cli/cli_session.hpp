#pragma once

// A run of binora-cli: every value (or operation, with --op) is read by the same reader, and
// the read-outs are written in large pieces (each as soon as it is known when standard output
// is a terminal). A batch of lines may be read on several threads (cli/line_pieces.hpp), each
// with a session of its own; what is written is the same.

#include "cli/cli_options.hpp"
#include "cli/operation_reader.hpp"
#include "cli/output_formats.hpp"
#include "cli/value_reader.hpp"

#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace binora::cli {

class CliSession {
  public:
    // Read-outs go to `out` in the options' format; messages to `errors`, each after the
    // read-outs of the values before it. read_lines reads a batch on `threads` threads.
    CliSession(const CliOptions& options, std::ostream& out, std::ostream& errors,
               unsigned threads = 1);

    // Reads one value, or with --op one line of operands, and writes its read-outs; false
    // when the value or an operand was invalid.
    bool read_value(std::string_view value);

    // The same for one line of input, given without its line feed: a carriage return before
    // the line feed is not part of the value.
    bool read_line(std::string_view line);

    // Reads each value in turn, or with --op the values as the operands of one operation.
    // Returns the exit status: EXIT_ALL_READ, EXIT_SOME_INVALID, or EXIT_IO_ERROR when
    // writing failed (reading stops then).
    int read_values(const std::vector<std::string>& values);

    // Reads one value (or operation) per line of `in` until its end (a line ends with LF or
    // CR LF). With `flush_each_line`, one line at a time, flushing `out` after each line's
    // read-outs; otherwise in blocks, on the session's threads when it has several, using
    // memory for a few pieces of lines and their read-outs per thread. Returns the exit status
    // as read_values, EXIT_IO_ERROR also when `in` fails.
    int read_lines(std::istream& in, bool flush_each_line);

    // Writes the read-outs gathered so far to `out` (which is not flushed itself).
    void flush_read_outs() { writer_.flush(); }

    // The read-outs this session writes follow read-outs written by another: the text
    // format separates its first block from them.
    void follow_earlier_read_outs() { writer_.follow_earlier_read_outs(); }

  private:
    // Writes what the writer gathered first.
    int status();
    // A message line on the error stream, after the read-outs gathered so far.
    void say(std::string_view line);
    // Writes the operation reader's rows of the latest read.
    bool write_operation(bool valid);

    CliOptions options_;
    unsigned threads_;
    std::vector<Column> columns_; // written, in order
    ReadOutWriter writer_;
    ValueReader reader_;
    std::optional<OperationReader> operations_; // with --op
    ReadOut read_out_;                          // of the latest value
    std::ostream& out_;
    std::ostream& errors_;
    bool any_invalid_ = false;
};

} // namespace binora::cli
