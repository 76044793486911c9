#pragma once

// The three output formats of binora-cli, all with the column names of read_out.hpp:
//   tsv   one line per value, the columns separated by tabs (optionally a first line of
//         names); a tab, line feed, carriage return or backslash inside a column is written
//         as backslash-t, -n, -r or a doubled backslash
//   json  one object per line, every column a string member, in the columns' order
//   text  a block of "name: value" lines per value (escaped as in tsv), blocks separated by
//         an empty line
// Columns are bytes as the program has them; JSON strings are made valid UTF-8 (bytes that
// are no UTF-8 become U+FFFD).

#include "cli/cli_options.hpp"
#include "cli/read_out.hpp"

#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace binora::cli {

// Each appends one read-out (or the tsv header) to `out`: the columns `columns`, in order.
using Columns = std::span<const Column>;
void append_tsv_header(std::string& out, Columns columns);
void append_tsv(std::string& out, const ReadOut& read_out, Columns columns);
void append_json(std::string& out, const ReadOut& read_out, Columns columns);
void append_text(std::string& out, const ReadOut& read_out, Columns columns);

// Appends `text` with tab, line feed, carriage return and backslash written as \t, \n, \r,
// \\; a text without any of them (nearly every column) is appended as it is.
void append_escaped(std::string& out, std::string_view text);

// Appends `text` as the contents of a JSON string (without the quotes).
void append_json_string(std::string& out, std::string_view text);

// Writes read-outs one after the other in the chosen format; the tsv header, when asked
// for, comes first, even when no value follows. Read-outs are gathered in one reused buffer
// and go to the stream in writes of about 64 KiB (a stream buffer hands a write of more
// than its own size straight to the system, which for rows of a kilobyte is one system
// call per row), and at every flush().
class ReadOutWriter {
  public:
    // Writes the columns `columns` (which must outlive the writer), in order.
    ReadOutWriter(std::ostream& out, OutputFormat format, bool header, Columns columns);
    ~ReadOutWriter() { flush(); }
    ReadOutWriter(const ReadOutWriter&) = delete;
    ReadOutWriter& operator=(const ReadOutWriter&) = delete;
    void write(const ReadOut& read_out);
    // The read-outs written follow read-outs written elsewhere: the text format separates its
    // first block from them.
    void follow_earlier_read_outs() { first_ = false; }
    // Writes what is gathered to the stream (the stream itself is not flushed).
    void flush();

  private:
    static constexpr std::size_t WRITE_SIZE = 64 * 1024;

    std::ostream& out_;
    OutputFormat format_;
    Columns columns_;
    bool first_ = true;
    std::string buffer_;
};

} // namespace binora::cli
