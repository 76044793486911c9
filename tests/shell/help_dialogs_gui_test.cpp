// The About, Info and Summary dialogs on real widgets, offscreen: how they open, what they
// show and how they close, with the main dialog shown as at start-up.

#include "dialog/dialog_operations.hpp"
#include "dialog/qt/dialog_widget.hpp"
#include "program_on_screen.hpp"
#include "resources/resource.hpp"
#include "state/comun.hpp"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <algorithm>
#include <string>
#include <vector>

namespace binora::testing {
namespace {

// What a modal dialog showed while it was open.
struct ModalSeen {
    bool application_modal = false;
    std::string title;
    std::vector<std::string> labels;
    std::vector<std::string> groups;
};

std::string utf8(const QString& text) {
    return text.toStdString();
}

class DialogsOnScreen : public ProgramOnScreen {
  protected:
    void click(DIALOG_RECORD& record, int id) {
        auto* button = control<QAbstractButton>(record, id);
        ASSERT_NE(button, nullptr) << id;
        QTest::mouseClick(button, Qt::LeftButton);
        settle_events();
    }

    // Clicks `button` of the main dialog and closes the modal dialog it opens with OK or with
    // Escape, noting what it showed.
    ModalSeen open_and_close(int button, bool with_escape) {
        ModalSeen seen;
        watchdog().expect_modal([&](QWidget& modal) {
            seen.application_modal = modal.windowModality() == Qt::ApplicationModal;
            seen.title = utf8(modal.windowTitle());
            for (const QLabel* label : modal.findChildren<QLabel*>())
                if (!label->text().isEmpty()) seen.labels.push_back(utf8(label->text()));
            for (const QGroupBox* group : modal.findChildren<QGroupBox*>())
                seen.groups.push_back(utf8(group->title()));
            if (with_escape) {
                QTest::keyClick(&modal, Qt::Key_Escape);
                return;
            }
            for (QPushButton* ok : modal.findChildren<QPushButton*>())
                if (ok->text() == "OK") QTest::mouseClick(ok, Qt::LeftButton);
        });
        click(main_dialog(), button);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "still open: " << seen.title;
        return seen;
    }

    std::string summary_paragraph(int id) {
        auto* label = control<QLabel>(summary_dialog(), id);
        return label != nullptr ? utf8(label->text()) : std::string("(no summary)");
    }
};

TEST_F(DialogsOnScreen, AboutAndInfoOpenModalAndCloseWithOkOrEscape) {
    struct Row {
        int button;
        bool escape;
    };
    const Row rows[] = {
        {IDC_ABOUT, false}, {IDC_ABOUT, true}, {IDC_HELP_PARAM, false}, {IDC_HELP_PARAM, true}};
    for (const auto& row : rows) {
        const ModalSeen seen = open_and_close(row.button, row.escape);
        EXPECT_TRUE(seen.application_modal) << row.button;
        EXPECT_NE(dialog_widget(main_dialog()), nullptr);
    }
}

TEST_F(DialogsOnScreen, AboutShowsTheLanguageChosenInTheMainDialog) {
    const ModalSeen romanian = open_and_close(IDC_ABOUT, false);
    EXPECT_EQ(romanian.title, "Despre Program");
    ASSERT_FALSE(romanian.labels.empty());
    EXPECT_EQ(romanian.labels[0],
              "BINORA\n\nReprezentarea datelor in vigula flotanta, intr-un format binar");

    click(main_dialog(), IDC_LANG_EN);
    const ModalSeen english = open_and_close(IDC_ABOUT, false);
    EXPECT_EQ(english.title, "About Program");
    ASSERT_FALSE(english.labels.empty());
    EXPECT_EQ(english.labels[0],
              "BINORA\n\nRepresentation of Floating Point Data in a Binary Format");
}

TEST_F(DialogsOnScreen, InfoShowsTheFormulasLineByLine) {
    const ModalSeen seen = open_and_close(IDC_HELP_PARAM, false);
    EXPECT_EQ(seen.title, "Info");
    EXPECT_EQ(seen.groups, std::vector<std::string>{"ULP, X+, si X-"});
    const std::string formulas = "     X = 2^E * b0.b1 ... bP-1\n\nulp(X) = 2^E * 0.0 ... 01\n\n"
                                 "ulp(X) = 2^(E-P+1)\nX = 0.0: E = Emin\n\nX  +ulp(X)  = X+\n\n"
                                 "X-  +ulp(X-) = X";
    EXPECT_NE(std::find(seen.labels.begin(), seen.labels.end(), formulas), seen.labels.end())
        << "formulas not shown one line each";
}

TEST_F(DialogsOnScreen, SummaryIsModelessAndTheMainDialogStaysUsable) {
    click(main_dialog(), IDC_HELP_REPR);
    DialogWidget* window = dialog_widget(summary_dialog());
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowModality(), Qt::NonModal);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(utf8(window->windowTitle()), "Floating-Point Data - Summary");
    EXPECT_EQ(summary_paragraph(IDC_SUMMARY_6),
              "Codificare semnificand \"sig\":\n- Numere normale:           sig = 1.b1b2 \u2026 "
              "bP-1\n- Numere subnormale:    sig = 0.b1b2 \u2026 bP-1\n"
              "- Zero cu semn:                 sig = 0.0");

    // While the summary is open, the main dialog still takes clicks; the summary keeps the
    // language it was opened in until "?" is clicked again.
    click(main_dialog(), IDC_LANG_EN);
    EXPECT_EQ(utf8(dialog_widget(main_dialog())->windowTitle()), "Binora (Binary Format)");
    EXPECT_EQ(summary_paragraph(IDC_SUMMARY_2),
              "- Alte Date:\n4) Infinit cu semn\n5) Non-Numere (Not-a-Number)");
    click(main_dialog(), IDC_HELP_REPR);
    EXPECT_EQ(dialog_widget(summary_dialog()), window);
    EXPECT_EQ(summary_paragraph(IDC_SUMMARY_2),
              "- Other Data:\n4) Signed Infinity\n5) Non-Numbers (Not-a-Number)");
}

TEST_F(DialogsOnScreen, EscapeClosesOnlyTheSummary) {
    click(main_dialog(), IDC_HELP_REPR);
    DialogWidget* window = dialog_widget(summary_dialog());
    ASSERT_NE(window, nullptr);
    QTest::keyClick(window, Qt::Key_Escape);
    settle_events();
    EXPECT_EQ(summary_dialog().window, nullptr);
    ASSERT_NE(dialog_widget(main_dialog()), nullptr);
    EXPECT_TRUE(dialog_widget(main_dialog())->isVisible());
    click(main_dialog(), IDC_HELP_REPR);
    EXPECT_NE(dialog_widget(summary_dialog()), nullptr);
}

} // namespace
} // namespace binora::testing
