#pragma once

// Helpers of the binora-cli tests: hex patterns as bit strings, TSV rows by column name,
// a session run in the test process, and the executable run as a user would run it.

#include <gmpxx.h>

#include <cstddef>
#include <initializer_list>
#include <string>
#include <vector>

namespace binora::cli::testing {

// "3F80" -> "0011111110000000".
std::string bits_of_hex(const char* hex);

// One TSV line with the names of a header line.
class TsvRow {
  public:
    TsvRow(std::vector<std::string> names, const std::string& line);
    // The column called `name`; fails the test when there is none.
    const std::string& at(const std::string& name) const;
    std::size_t size() const { return values_.size(); }
    const std::string& name(std::size_t i) const { return names_[i]; }
    const std::string& value(std::size_t i) const { return values_[i]; }

  private:
    std::vector<std::string> names_;
    std::vector<std::string> values_;
};

// `text` cut at line feeds (a last line without one counts; no empty last line).
std::vector<std::string> split_lines(const std::string& text);

// `line` cut at tabs.
std::vector<std::string> split_tabs(const std::string& line);

struct SessionRun {
    int status = -1;
    std::string out;
    std::string errors;
    std::vector<TsvRow> rows; // with "--format tsv --header": the lines after the header
};

// A session in this process with the options `arguments` (no values among them), reading
// `values` one after the other (with --op: the operands of one operation).
SessionRun run_session(std::initializer_list<const char*> arguments,
                       const std::vector<std::string>& values);

// The same reading the lines of `input` as standard input.
SessionRun run_session_lines(const std::vector<const char*>& arguments, const std::string& input);

// A decimal text ("-1.5", "2.5e-3", "1E-100000", "0.333...": digits before "..." only) as
// an exact rational.
mpq_class rational_of(const std::string& text);

struct ProcessRun {
    int status = -1; // exit status, -1 when it did not exit normally
    std::string out;
    std::string errors;
};

// The binora-cli executable with `arguments` (each passed as one word) and `input` on its
// standard input.
ProcessRun run_cli(const std::vector<std::string>& arguments, const std::string& input = "");

// The same with standard input read from the file `input_path` and standard output written
// to `output_path`; `out` stays empty.
ProcessRun run_cli_files(const std::vector<std::string>& arguments, const std::string& input_path,
                         const std::string& output_path);

// A fresh file name in the test's temporary directory.
std::string temporary_path(const std::string& name);

} // namespace binora::cli::testing
