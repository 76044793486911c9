#pragma once

// A batch of input lines read on several threads. The input is cut into pieces of whole
// lines; each piece is read by one of the threads, with a session of its own that records
// its read-outs and messages in the order it makes them, and the records are written in the
// order of the input. What reaches the two streams, and in what order, is byte for byte what
// one session writes reading the lines one after the other.

#include "cli/cli_options.hpp"
#include <istream>
#include <ostream>

namespace binora::cli {

// Reads every line of `in` (a line ends with LF or CR LF) on `threads` threads (at least 2)
// with the options `options`, writing the read-outs to `out` and the messages to `errors`;
// the tsv header, when asked for, must have been written already. Stops reading once writing
// to `out` fails, or reading `in` does. Returns whether a value or operation was invalid.
bool read_lines_in_pieces(const CliOptions& options, unsigned threads, std::istream& in,
                          std::ostream& out, std::ostream& errors);

} // namespace binora::cli
