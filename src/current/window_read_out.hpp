#pragma once

// The read-out the window shows: at each rebuild of X and each row chosen, the window's
// routines ask the read-out core once for the parts they are about to show, and copy its
// members into the controls and into COMUN.

#include "numeric/format_word.hpp"
#include "readout/value_read_out.hpp"

namespace binora {

// Asks the core for `parts` of the datum `word` of `format` in the language COMUN.LANG
// (value_read_out.hpp), rows 1 and 2 from `standing` when given. The read-out stays until the
// next ask.
const ValueReadOut& read_out_for_window(const FormatTraits& format, Word128 word, unsigned parts,
                                        const StandingFields* standing = nullptr);

// The read-out asked for last.
const ValueReadOut& window_read_out();

// COMUN's class flags: the class of X when it was last rebuilt from the bit edits.
ClassFlags shared_class_flags();
void keep_class_flags(const ClassFlags& flags);

} // namespace binora
