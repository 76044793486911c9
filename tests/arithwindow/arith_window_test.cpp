#include "arith_window_test.hpp"

#include "arithwindow/arith_start_up.hpp"
#include "arithwindow/arith_state.hpp"
#include "dialog/dialog_operations.hpp"
#include "resources/resource.hpp"
#include "resources/templates.hpp"
#include "testing/shown_text.hpp"
#include "testing/user_input.hpp"

namespace binora::testing {

void ArithWindowTest::SetUp() {
    previous_clipboard_ =
        set_clipboard_handler([this](const std::string& text) { clipboard.push_back(text); });
    reset_arith_state();
    install_program_resources();
    ASSERT_TRUE(build_arith_record(Language::english));
}

void ArithWindowTest::TearDown() {
    reset_arith_state();
    set_clipboard_handler(std::move(previous_clipboard_));
}

DIALOG_RECORD& ArithWindowTest::dialog() {
    return ARITH.ARITH_DIALOG;
}

std::string ArithWindowTest::text(int id) {
    return shown_text(dialog(), id);
}

bool ArithWindowTest::enabled(int id) {
    bool value = false;
    DIALOG_GET_FLAG(dialog(), id, value, PROP_ENABLED);
    return value;
}

bool ArithWindowTest::checked(int id) {
    bool value = false;
    DIALOG_GET_FLAG(dialog(), id, value, PROP_STATE);
    return value;
}

int ArithWindowTest::selected_row(int id) {
    int row = 0;
    DIALOG_GET_INT(dialog(), id, row, 1);
    return row;
}

std::vector<std::string> ArithWindowTest::items(int id) {
    const ControlRecord* control = find_control(dialog(), id);
    return control != nullptr ? control->items : std::vector<std::string>{};
}

std::vector<LineMark> ArithWindowTest::marks() {
    std::vector<LineMark> marks;
    DIALOG_GET_MARKS(dialog(), IDC_AR_LINE, marks);
    return marks;
}

void ArithWindowTest::type_operand(int id, const std::string& text) {
    ASSERT_TRUE(user_replace_text(dialog(), id, ""));
    ASSERT_TRUE(user_type(dialog(), id, text));
}

} // namespace binora::testing
