#include "dialog/dialog_events.hpp"
#include "dialog/dialog_operations.hpp"
#include "fake_window_system.hpp"
#include "main_dialog_test.hpp"
#include "resources/resource.hpp"
#include "shell/binora_globals.hpp"
#include "state/comun.hpp"
#include "testing/user_input.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace binora {
namespace {

using testing::FakeWindow;
using testing::FakeWindowSystem;

// What a modal dialog showed while it was open, and how it closed.
struct ModalSeen {
    std::string caption;
    std::vector<std::string> texts; // of the ids asked for
    int return_value = 0;
};

class HelpDialogs : public testing::MainDialogTest {
  protected:
    // Clicks `button` of the main dialog; the modal dialog it opens is read, then closed with
    // the command `close_with` (1 OK, 2 Escape).
    ModalSeen open_modal(int button, std::vector<int> ids, int close_with) {
        ModalSeen seen;
        int runs = 0;
        windows.during_modal = [&](FakeWindow& window) {
            ++runs;
            seen.caption = window.caption();
            for (int id : ids)
                seen.texts.push_back(window.shown(id).text);
            dialog_command(window.record(), close_with);
            seen.return_value = window.record().return_value;
        };
        EXPECT_TRUE(user_click(dialog(), button));
        EXPECT_EQ(runs, 1);
        windows.during_modal = nullptr;
        return seen;
    }

    void set_language(int id) { ASSERT_TRUE(user_click(dialog(), id)); }

    FakeWindow* summary_window() {
        return FakeWindowSystem::window_of(BINORAGLOBALS.SUMMARY_DIALOG);
    }

    FakeWindowSystem windows;
};

TEST_F(HelpDialogs, AboutShowsCaptionAndProductTextOfTheLanguage) {
    struct Row {
        int language;
        const char* caption;
        const char* product;
    };
    const Row rows[] = {
        {IDC_LANG_RO, "Despre Program",
         "BINORA\n\nReprezentarea datelor in vigula flotanta, intr-un format binar"},
        {IDC_LANG_EN, "About Program",
         "BINORA\n\nRepresentation of Floating Point Data in a Binary Format"},
    };
    for (const auto& row : rows) {
        set_language(row.language);
        const auto seen = open_modal(IDC_ABOUT, {IDC_ABOUT_TITLE, IDC_ABOUT_TEXT}, IDOK);
        EXPECT_EQ(seen.caption, row.caption);
        EXPECT_EQ(seen.texts[0], row.product);
        // The authorship notice: a line feed, then a line naming authors and year.
        EXPECT_EQ(seen.texts[1].substr(0, 1), "\n");
        EXPECT_NE(seen.texts[1].find("2026"), std::string::npos) << seen.texts[1];
    }
}

TEST_F(HelpDialogs, InfoShowsGroupCaptionOfTheLanguageAndTheSameFormulas) {
    const std::string formulas = "     X = 2^E * b0.b1 ... bP-1\n\r\n\r"
                                 "ulp(X) = 2^E * 0.0 ... 01\n\r\n\r"
                                 "ulp(X) = 2^(E-P+1)\n\r"
                                 "X = 0.0: E = Emin\n\r\n\r"
                                 "X  +ulp(X)  = X+\n\r\n\r"
                                 "X-  +ulp(X-) = X";
    ASSERT_LE(formulas.size(), 140U);
    struct Row {
        int language;
        const char* group;
    };
    for (const Row& row :
         {Row{IDC_LANG_RO, "ULP, X+, si X-"}, Row{IDC_LANG_EN, "ULP, X+, and X-"}}) {
        set_language(row.language);
        const auto seen = open_modal(IDC_HELP_PARAM, {IDC_INFO_GROUP, IDC_INFO_TEXT}, IDOK);
        EXPECT_EQ(seen.texts[0], row.group);
        EXPECT_EQ(seen.texts[1], formulas);
    }
}

TEST_F(HelpDialogs, ModalDialogsCloseWithOkAndWithEscape) {
    for (int button : {IDC_ABOUT, IDC_HELP_PARAM}) {
        EXPECT_EQ(open_modal(button, {}, IDOK).return_value, IDOK) << button;
        EXPECT_EQ(open_modal(button, {}, IDCANCEL).return_value, IDCANCEL) << button;
    }
    EXPECT_EQ(windows.parents.size(), 4U); // a new dialog at every click
}

TEST_F(HelpDialogs, SummaryOpensModelessInTheCurrentLanguage) {
    set_language(IDC_LANG_EN);
    ASSERT_TRUE(user_click(dialog(), IDC_HELP_REPR));
    FakeWindow* summary = summary_window();
    ASSERT_NE(summary, nullptr);
    EXPECT_EQ(summary->show_command(), SW_SHOWNORMAL);
    EXPECT_EQ(summary->shown(IDC_SUMMARY_2).text,
              "- Other Data:\r\n4) Signed Infinity\r\n5) Non-Numbers (Not-a-Number)");
    EXPECT_EQ(summary->shown(IDC_SUMMARY_7).text,
              "- Signed Infinity:  Significand Field = 00 ... 0\r\n"
              "- Not-a-Number: Significand Field is not 00 ... 0");
}

TEST_F(HelpDialogs, OpenSummaryKeepsItsLanguageUntilTheButtonIsClickedAgain) {
    set_language(IDC_LANG_EN);
    ASSERT_TRUE(user_click(dialog(), IDC_HELP_REPR));
    FakeWindow* summary = summary_window();
    ASSERT_NE(summary, nullptr);
    set_language(IDC_LANG_RO);
    EXPECT_EQ(summary->shown(IDC_SUMMARY_2).text.substr(0, 13), "- Other Data:");
    ASSERT_TRUE(user_click(dialog(), IDC_HELP_REPR));
    EXPECT_EQ(summary_window(), summary); // the same window, brought to the front
    EXPECT_EQ(summary->shown(IDC_SUMMARY_2).text,
              "- Alte Date:\r\n4) Infinit cu semn\r\n5) Non-Numere (Not-a-Number)");
    EXPECT_EQ(windows.parents.size(), 1U);
}

TEST_F(HelpDialogs, EscapeClosesOnlyTheSummary) {
    ASSERT_TRUE(user_click(dialog(), IDC_HELP_REPR));
    ASSERT_NE(summary_window(), nullptr);
    dialog_command(BINORAGLOBALS.SUMMARY_DIALOG, IDCANCEL);
    EXPECT_EQ(summary_window(), nullptr);
    // The main dialog goes on working, and the summary opens again.
    set_language(IDC_LANG_EN);
    EXPECT_EQ(text(IDC_ABOUT), "ABOUT");
    ASSERT_TRUE(user_click(dialog(), IDC_HELP_REPR));
    ASSERT_NE(summary_window(), nullptr);
    EXPECT_EQ(summary_window()->shown(IDC_SUMMARY_2).text.substr(0, 13), "- Other Data:");
}

} // namespace
} // namespace binora
