#pragma once

// Fixture for behaviour tests on the main dialog without a window: shared state back to the
// load-time state, the program's templates installed, BINORAGLOBALS.MAIN_DIALOG built and
// given its start-up values (binary32, Romanian), and message boxes recorded instead of shown.

#include "dialog/dialog_record.hpp"
#include "message_box_recorder.hpp"
#include "numeric/storage_word.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace binora::testing {

class MainDialogTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    DIALOG_RECORD& dialog();
    // The control's text (edit) or caption, trailing blanks removed.
    std::string text(int id);
    bool enabled(int id);
    bool checked(int id);
    // The selected row of a list box, 0 for none.
    int selected_row(int id);
    // The item texts of a list box.
    std::vector<std::string> items(int id);
    // Every control's text, in template order, for checking that nothing else changed.
    std::vector<std::string> all_texts();

    // The sign, exponent and significand edits of `kind` joined, as hexadecimal ("bad
    // length ..." when they do not hold the kind's storage width).
    std::string shown_hex(int kind);
    // Writes the fields of the storage word into the edits of `kind`.
    void show_word(int kind, Word128 word);

    MessageBoxRecorder message_boxes;
};

} // namespace binora::testing
