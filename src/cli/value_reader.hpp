#pragma once

// One value as binora-cli reads it: a decimal text as typed into the value edit, or "0x" and
// a storage word of the kind; the read-out core then gives every column of the value's bits.

#include "cli/cli_options.hpp"
#include "cli/read_out.hpp"
#include "model/format_traits.hpp"
#include "readout/value_read_out.hpp"

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace binora::cli {

// Says a message for the value just read: what is wrong with it, one line without its line
// feed ("Error: Invalid Value", "binora-cli: empty value").
using MessageSink = std::function<void(std::string_view line)>;

class ValueReader {
  public:
    // Values of `kind`, with the texts of language `lang`; only the texts of `columns` are
    // computed (the others stay empty).
    ValueReader(const CliKind& kind, Language lang, std::span<const Column> columns,
                MessageSink messages);

    // Fills `out` with the read-out of `input`, whose text must outlive `out`'s use. A text
    // shorter than 3 characters is read as if typed with leading blanks in front (the value
    // edit reads nothing shorter); a text that holds no number (",5") reads as X after
    // start-up, +0. A text the value edit refuses ("Invalid Value"), a malformed storage word
    // and a text of blanks only are invalid and said through the message sink; nothing of one
    // value carries over to the next.
    void read(std::string_view input, ReadOut& out);

  private:
    bool word_of(std::string_view input, Word128& word);

    const CliKind& kind_;
    Language lang_;
    unsigned parts_;     // the read-out parts the columns need (value_read_out.hpp)
    bool error_ = false; // the error columns are asked for
    MessageSink messages_;
    std::string typed_;      // the text as typed into the value edit
    std::string message_;    // the message being said
    ValueReadOut read_out_;  // the latest value's texts, which `out` views
    ReadOutColumns shown_;   // the columns that show them
    std::string error_text_; // the latest value's error columns
    std::string error_ulps_text_;
};

} // namespace binora::cli
