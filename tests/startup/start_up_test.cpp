// Start-up: the state of the main dialog before it is shown, the failure path and the way
// the program ends.

#include "dialog/dialog_events.hpp"
#include "dialog/dialog_operations.hpp"
#include "fake_window_system.hpp"
#include "main_dialog_test.hpp"
#include "resources/resource.hpp"
#include "resources/templates.hpp"
#include "shell/binora_globals.hpp"
#include "startup/start_up.hpp"
#include "state/comun.hpp"

#include <gtest/gtest.h>

#include <string>

namespace binora::testing {
namespace {

using StartUp = MainDialogTest;

TEST_F(StartUp, SelectsBinary32RomanianAndAllFields) {
    EXPECT_EQ(COMUN.KIND_REAL, 4);
    EXPECT_EQ(COMUN.LANG, Language::romanian);
    EXPECT_TRUE(COMUN.LANG_RO);
    const std::pair<int, bool> radios[] = {{IDC_KIND32, true},         {IDC_KIND64, false},
                                           {IDC_KIND128, false},       {IDC_LANG_RO, true},
                                           {IDC_LANG_EN, false},       {IDC_ALL_FIELDS, true},
                                           {IDC_CURRENT_FIELD, false}, {IDC_BINARY_XPM, false}};
    for (auto [id, state] : radios)
        EXPECT_EQ(checked(id), state) << id;
}

TEST_F(StartUp, FillsTheEditsAndTheLegend) {
    struct Row {
        int id;
        std::string text;
        bool enabled;
    };
    const Row rows[] = {
        {IDC_VALUE_X, "0", true},
        {IDC_S32, "0", true},
        {IDC_E32, "00000000", true},
        {IDC_F32, std::string(23, '0'), true},
        {IDC_S64, "S", false},
        {IDC_E64, "   Exponent", false},
        {IDC_F64, std::string(25, ' ') + "Semnificand (Fractia)", false},
        {IDC_S128, "", false},
        {IDC_E128, "", false},
        {IDC_F128_48, "", false},
        {IDC_F128_64, "", false},
        {IDC_NEAREST_LABEL, "", true},
        {IDC_NEAREST, "", true},
        {IDC_DATATYPE, "", true},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(text(row.id), row.text) << row.id;
        EXPECT_EQ(enabled(row.id), row.enabled) << row.id;
    }
    // The binary128 edits hold blanks of their field widths, which look empty.
    EXPECT_EQ(find_control(dialog(), IDC_F128_64)->text, std::string(64, ' '));
    EXPECT_FALSE(enabled(IDC_BINARY_XPM));
}

TEST_F(StartUp, ListsTheSixParametersNoneSelectedAndDisabled) {
    EXPECT_EQ(items(IDC_PARAM_LIST),
              (std::vector<std::string>{"Exponent", "Semnificand", "ULP", "X+ = Nearest(x,+1.0)",
                                        "X- = Nearest(x,-1.0)", "Epsilon"}));
    EXPECT_EQ(selected_row(IDC_PARAM_LIST), 0);
    EXPECT_FALSE(enabled(IDC_PARAM_LIST));
}

TEST_F(StartUp, LeavesTheSharedStateAsLoadedExceptWhatItSets) {
    EXPECT_EQ(COMUN.X4, 0.0F);
    EXPECT_FALSE(COMUN.IS_ZERO || COMUN.IS_SUBNORMAL || COMUN.IS_INFINITY || COMUN.IS_NAN ||
                 COMUN.IS_FINITE || COMUN.IS_EXP_MAX || COMUN.IS_EXP_MIN);
    EXPECT_EQ(COMUN.FIELD_WIDTH, 0);
    EXPECT_EQ(COMUN.STR_0, std::string(64, '0'));
    EXPECT_EQ(COMUN.STR_1, std::string(64, '1'));
}

TEST_F(StartUp, TheWindowGetsItsIconsWhenShownAndTheLoopEndsWithZero) {
    FakeWindowSystem system;
    for (const char* way : {"exit", "escape", "close box"}) {
        ASSERT_TRUE(DIALOG_SHOW_MODELESS(dialog(), SW_SHOWNORMAL));
        FakeWindow& window = *FakeWindowSystem::window_of(dialog());
        EXPECT_EQ(window.window_icon(), IDI_APP_SMALL);
        EXPECT_EQ(window.control_image(IDC_HELP_PARAM), IDI_HELP_PARAM);
        EXPECT_EQ(window.control_image(IDC_HELP_REPR), IDI_HELP_REPR);
        const std::string action = way;
        system.during_loop = [&] {
            if (action == "exit")
                dispatch_event(dialog(), IDC_EXIT, EVENT_CLICKED);
            else
                dialog_command(dialog(), IDCANCEL); // Escape and the close box both give 2
        };
        EXPECT_EQ(run_message_loop(), 0) << way;
        EXPECT_FALSE(dialog().window) << way;
    }
}

TEST_F(StartUp, EnterInTheMainDialogFindsNoCommandAndDoesNothing) {
    FakeWindowSystem system;
    ASSERT_TRUE(DIALOG_SHOW_MODELESS(dialog()));
    EXPECT_EQ(enter_command_id(dialog()), IDOK);
    dialog_command(dialog(), enter_command_id(dialog()));
    EXPECT_TRUE(dialog().window);
}

class StartUpFailure : public ::testing::TestWithParam<int> {};

TEST_P(StartUpFailure, AMissingTemplateGivesTheErrorBoxAndExitCodeZero) {
    const int missing = GetParam();
    reset_shared_state();
    reset_shell_state();
    set_template_source(
        [missing](int id) { return id == missing ? nullptr : program_template(id); });
    FakeWindowSystem system;
    MessageBoxRecorder boxes;
    EXPECT_EQ(run_binora(SW_SHOWNORMAL), 0);
    ASSERT_EQ(boxes.boxes().size(), 1U);
    EXPECT_EQ(boxes.boxes()[0].text, "Error initializing application Binora");
    EXPECT_EQ(boxes.boxes()[0].caption, "Error");
    EXPECT_EQ(system.parents.size(), 0U) << "no window was made";
    install_program_resources();
    reset_shell_state();
}

INSTANTIATE_TEST_SUITE_P(Templates, StartUpFailure, ::testing::Values(IDD_MAIN, IDD_SUMMARY));

TEST(StartUpWindow, AWindowThatCannotBeMadeGivesTheErrorBox) {
    reset_shared_state();
    reset_shell_state();
    install_program_resources();
    FakeWindowSystem system;
    system.can_create = false;
    MessageBoxRecorder boxes;
    EXPECT_EQ(run_binora(SW_SHOWNORMAL), 0);
    EXPECT_EQ(boxes.texts(), (std::vector<std::string>{"Error initializing application Binora"}));
    reset_shell_state();
}

} // namespace
} // namespace binora::testing
