// The layout of a real template (IDD_MAIN) through the Qt window: every control where the
// template puts it, and no caption clipped, at the desktop font and at a larger one.

#include "gui_test.hpp"
#include "qt_test_templates.hpp"
#include "text_fit.hpp"

#include "dialog/dialog_operations.hpp"
#include "dialog/qt/dialog_font.hpp"
#include "dialog/qt/dialog_units.hpp"
#include "dialog/qt/dialog_widget.hpp"
#include "resources/resource.hpp"

#include <QApplication>
#include <QFontInfo>

namespace binora::testing {

namespace {

class LayoutTest : public GuiTest, public ::testing::WithParamInterface<double> {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        saved_font_ = QApplication::font();
        QFont larger = saved_font_;
        larger.setPointSizeF(QFontInfo(saved_font_).pointSizeF() * GetParam());
        QApplication::setFont(larger);
    }
    void TearDown() override {
        QApplication::setFont(saved_font_);
        GuiTest::TearDown();
    }

  private:
    QFont saved_font_;
};

TEST_P(LayoutTest, MainDialogControlsSitOnTheirTemplateRectangles) {
    const QtTestTemplates templates;
    DIALOG_RECORD dialog;
    ASSERT_TRUE(DIALOG_INIT(IDD_MAIN, dialog));
    ASSERT_TRUE(DIALOG_SHOW_MODELESS(dialog));
    const DialogWidget* window = dialog_widget(dialog);
    ASSERT_NE(window, nullptr);

    // Dialog units are measured with the dialog font (the captions may be drawn smaller).
    const QFontMetrics metrics(dialog_font(*dialog.source, QApplication::font()));
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    const int unit_x = (letters / 26 + 1) / 2;
    const int unit_y = metrics.height();
    const auto pixels = [](int units, int base, int per_char) {
        return (units * base + per_char / 2) / per_char;
    };
    EXPECT_EQ(window->width(), pixels(dialog.source->rect.width, unit_x, 4));
    EXPECT_EQ(window->height(), pixels(dialog.source->rect.height, unit_y, 8));
    for (int i = 0; i < static_cast<int>(dialog.controls.size()); ++i) {
        const DialogUnits& r = dialog.controls[static_cast<std::size_t>(i)].source->rect;
        const QRect expected(pixels(r.x, unit_x, 4), pixels(r.y, unit_y, 8),
                             pixels(r.width, unit_x, 4), pixels(r.height, unit_y, 8));
        EXPECT_EQ(window->control_widget(i)->geometry(), expected) << "control #" << i;
    }
}

TEST_P(LayoutTest, NoCaptionOfTheProgramsDialogsIsClipped) {
    const QtTestTemplates templates;
    for (int id : {IDD_MAIN, IDD_SUMMARY, IDD_ABOUT, IDD_INFO}) {
        DIALOG_RECORD dialog;
        ASSERT_TRUE(DIALOG_INIT(id, dialog));
        ASSERT_TRUE(DIALOG_SHOW_MODELESS(dialog));
        settle_events();
        const DialogWidget* window = dialog_widget(dialog);
        ASSERT_NE(window, nullptr);
        for (int i = 0; i < static_cast<int>(dialog.controls.size()); ++i)
            EXPECT_EQ(text_overflow(*window->control_widget(i)), "")
                << "dialog " << id << ", control #" << i;
    }
}

TEST_P(LayoutTest, CaptionsWrittenByTheProgramAreFittedToo) {
    const QtTestTemplates templates;
    DIALOG_RECORD dialog;
    ASSERT_TRUE(DIALOG_INIT(EDIT_DIALOG, dialog));
    ASSERT_TRUE(DIALOG_SHOW_MODELESS(dialog));
    const QFont full = dialog_font(*dialog.source, QApplication::font());
    const QWidget* label = control_widget(dialog, ID_LABEL);
    EXPECT_EQ(label->font().pointSizeF(), full.pointSizeF());

    // Four lines where the template has room for about three and a half.
    DIALOG_SET_TEXT(dialog, ID_LABEL, "X = 2^E * b0.b1\r\nulp(X)\r\nX+\r\nX-");
    settle_events();
    EXPECT_EQ(text_overflow(*label), "");
    EXPECT_LT(label->font().pointSizeF(), full.pointSizeF());

    // A formula that would wrap at full size although two lines would fit: drawn smaller so
    // that it stays on its line.
    const QString formula = QStringLiteral("X = 2^E * b0.b1b2 ... bP-1");
    DIALOG_SET_TEXT(dialog, ID_LABEL, formula.toStdString());
    settle_events();
    EXPECT_LE(label->fontMetrics().horizontalAdvance(formula), label->contentsRect().width());
    EXPECT_GT(QFontMetrics(full).horizontalAdvance(formula), label->contentsRect().width());

    DIALOG_SET_TEXT(dialog, ID_LABEL, "Short");
    settle_events();
    EXPECT_EQ(label->font().pointSizeF(), full.pointSizeF());
}

INSTANTIATE_TEST_SUITE_P(DesktopAndLargerFont, LayoutTest, ::testing::Values(1.0, 1.5));

} // namespace

} // namespace binora::testing
