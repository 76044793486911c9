// No text of the program is clipped: every label, button, radio button, check box and group
// box of the main, About, Info and Summary dialogs shows its whole text in Romanian and in
// English, at the desktop font and at a larger one, and (registered a second time with
// QT_SCALE_FACTOR=2) on a screen drawn at twice the size. Lines are wrapped only where they
// have no room: the formulas of the Info dialog and the first summary paragraph keep theirs.

#include "program_on_screen.hpp"
#include "text_fit.hpp"

#include "dialog/dialog_operations.hpp"
#include "resources/resource.hpp"
#include "shell/binora_globals.hpp"

#include <QAbstractButton>
#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QTest>
#include <gmock/gmock.h>

#include <string>

namespace binora::testing {
namespace {

using ::testing::IsEmpty;

struct Language {
    int radio;
    const char* name;
};
constexpr Language languages[] = {{IDC_LANG_RO, "Romanian"}, {IDC_LANG_EN, "English"}};

// The parameter is the factor by which the desktop font is larger than usual.
class TextFit : public ProgramOnScreen, public ::testing::WithParamInterface<double> {
  protected:
    void SetUp() override {
        saved_font_ = QApplication::font();
        QFont larger = saved_font_;
        larger.setPointSizeF(QFontInfo(saved_font_).pointSizeF() * GetParam());
        QApplication::setFont(larger);
        ProgramOnScreen::SetUp();
    }
    void TearDown() override {
        ProgramOnScreen::TearDown();
        QApplication::setFont(saved_font_);
    }

  private:
    QFont saved_font_;
};

TEST_P(TextFit, TheScreenIsDrawnAtTheScaleFactorOfTheEnvironment) {
    const double expected = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
                                ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
                                : 1.0;
    EXPECT_DOUBLE_EQ(main_window().devicePixelRatioF(), expected);
}

TEST_P(TextFit, EveryTextOfEveryDialogFitsInBothLanguages) {
    for (const Language& language : languages) {
        click(language.radio);
        EXPECT_THAT(overflowing_texts(main_window()), IsEmpty()) << "main, " << language.name;
        for (const int opener : {IDC_ABOUT, IDC_HELP_PARAM})
            while_open(opener, [&](QWidget& dialog) {
                EXPECT_THAT(overflowing_texts(dialog), IsEmpty())
                    << dialog.windowTitle().toStdString() << ", " << language.name;
            });
        click(IDC_HELP_REPR);
        QWidget* summary = control_widget(summary_dialog(), IDC_SUMMARY_1);
        ASSERT_NE(summary, nullptr);
        EXPECT_THAT(overflowing_texts(*summary->window()), IsEmpty())
            << "summary, " << language.name;
        DIALOG_EXIT(summary_dialog());
        settle_events();
    }
}

TEST_P(TextFit, EveryParameterCaptionFitsInBothLanguages) {
    enter_value("0.1");
    for (const Language& language : languages) {
        click(language.radio);
        for (const bool binary : {false, true}) {
            select_row(4); // the check box is usable for the neighbours only
            if (control<QAbstractButton>(main_dialog(), IDC_BINARY_XPM)->isChecked() != binary)
                click(IDC_BINARY_XPM);
            for (int row = 1; row <= 6; ++row) {
                select_row(row);
                EXPECT_EQ(text_overflow(*control_widget(main_dialog(), IDC_NEAREST_LABEL)), "")
                    << language.name << ", row " << row << (binary ? ", binary" : "");
            }
        }
    }
}

TEST_P(TextFit, TheInfoFormulasAndTheFirstSummaryParagraphKeepTheirLinesWhole) {
    for (const Language& language : languages) {
        click(language.radio);
        while_open(IDC_HELP_PARAM, [&](QWidget& dialog) {
            int formulas = 0;
            for (const auto* label : dialog.findChildren<QLabel*>()) {
                if (!label->text().contains(QStringLiteral("ulp(X)"))) continue;
                ++formulas;
                EXPECT_FALSE(wraps_a_written_line(*label)) << language.name;
            }
            EXPECT_EQ(formulas, 1) << language.name;
        });
    }
    click(IDC_LANG_EN);
    click(IDC_HELP_REPR);
    EXPECT_FALSE(wraps_a_written_line(*control_widget(summary_dialog(), IDC_SUMMARY_1)));
    DIALOG_EXIT(summary_dialog());
    settle_events();
}

std::string font_name(const ::testing::TestParamInfo<double>& font) {
    return font.param == 1.0 ? "DesktopFont" : "LargerFont";
}

INSTANTIATE_TEST_SUITE_P(Font, TextFit, ::testing::Values(1.0, 1.5), font_name);

} // namespace
} // namespace binora::testing
