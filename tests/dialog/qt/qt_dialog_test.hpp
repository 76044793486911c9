#pragma once

// Fixture for tests of one test dialog shown through the Qt window, with event counting.

#include "gui_test.hpp"
#include "qt_test_templates.hpp"

#include "dialog/dialog_operations.hpp"

#include <utility>
#include <vector>

namespace binora::testing {

class QtDialogTest : public GuiTest {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Shows `dialog` modeless and waits until its window is active.
    void show();
    // Counts each (id, event) the routine receives after the control's routine slot for
    // `event` is given to it.
    void count(int id, int event);
    int events(int id, int event) const;
    // The text of an edit as the program reads it, without the padding.
    std::string text(int id);

    QtTestTemplates templates_;
    DIALOG_RECORD dialog;
    std::vector<std::pair<int, int>> raised;
};

} // namespace binora::testing
