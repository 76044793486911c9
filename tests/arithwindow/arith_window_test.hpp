#pragma once

// Fixture for behaviour tests on the arithmetic window without a window: the program's
// templates installed, ARITH.ARITH_DIALOG built as binora-arith builds it (in English unless
// a test says otherwise), message boxes recorded and the clipboard recorded instead of used.

#include "dialog/clipboard.hpp"
#include "dialog/dialog_record.hpp"
#include "dialog/line_mark.hpp"
#include "message_box_recorder.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace binora::testing {

class ArithWindowTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    DIALOG_RECORD& dialog();
    // The control's text (edit, static, table heading) or caption, trailing blanks removed.
    std::string text(int id);
    bool enabled(int id);
    bool checked(int id);
    int selected_row(int id);
    std::vector<std::string> items(int id);
    std::vector<LineMark> marks();

    // Replaces the operand edit's text by typing it key by key.
    void type_operand(int id, const std::string& text);

    MessageBoxRecorder message_boxes;
    std::vector<std::string> clipboard; // what was copied, in order

  private:
    ClipboardHandler previous_clipboard_;
};

} // namespace binora::testing
