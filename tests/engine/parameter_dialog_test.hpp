#pragma once

// The main dialog with a value X put into the bit edits of a kind and rebuilt from them as a
// click into a bit field would, so that the parameter list is enabled for finite X; rows are
// then selected as the user would select them.

#include "main_dialog_test.hpp"
#include "numeric/storage_word.hpp"

namespace binora::testing {

class ParameterDialogTest : public MainDialogTest {
  protected:
    // Makes `kind` current and X the value stored as `word`.
    void show_value(int kind, Word128 word);
    // Selects 1-based row `row` of the parameter list (the list's selection event).
    void select_row(int row);
    // Checks or unchecks "Binary: X+ -".
    void set_binary(bool checked);
    // Clicks the RO or EN language radio.
    void set_language(bool romanian);
};

} // namespace binora::testing
