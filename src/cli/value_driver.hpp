#pragma once

// One value through the started main dialog, as a user would drive the window: click the
// kind radio, type the value (or write a storage word into the bit edits), enter the sign
// edit, select the rows of the parameter list (the neighbours once more in binary), and
// collect what the controls show.

#include "cli/headless_program.hpp"
#include "cli/read_out.hpp"

#include <string>
#include <string_view>

namespace binora::cli {

class ValueDriver {
  public:
    // Values of kind 4, 8 or 16 on `program`, which must have started.
    ValueDriver(HeadlessProgram& program, int kind);

    // Fills `out` (its strings are reused) with the read-out of `input`: a decimal text as typed
    // into the value edit, or "0x" and a storage word of the kind. Texts shorter than 3 characters
    // are padded with leading blanks, as a user must type them. A text the window refuses ("Invalid
    // Value"), a malformed storage word and a text of blanks only are invalid. Each value starts
    // from the same state: nothing read or shown for one value carries over to the next.
    void read(std::string_view input, ReadOut& out);

  private:
    bool type_value(std::string_view input);
    bool write_storage_word(std::string_view input);
    void collect_fields(ReadOut& out);
    void collect_parameters(ReadOut& out);

    HeadlessProgram& program_;
    int kind_;
    std::string typed_; // the text typed into the value edit
    std::string part_;  // one part of the binary128 significand
};

} // namespace binora::cli
