// The parameter list on the real main window: X = 0.1 typed in binary32, each row selected
// with the mouse, the read-out and its caption as the widgets show them.

#include "gui_test.hpp"

#include "dialog/dialog_operations.hpp"
#include "model/comun.hpp"
#include "shell/binora_globals.hpp"
#include "shell/resources/resource.hpp"
#include "shell/resources/templates.hpp"
#include "shell/start_up.hpp"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

namespace binora::testing {
namespace {

class ParameterListGui : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        reset_shared_state();
        reset_shell_state();
        install_program_resources();
        ASSERT_TRUE(build_program_records());
        ASSERT_TRUE(DIALOG_SHOW_MODELESS(main()));
        ASSERT_TRUE(QTest::qWaitForWindowActive(control_widget(main(), IDC_VALUE_X)->window()));
    }
    void TearDown() override {
        reset_shell_state();
        reset_shared_state();
        GuiTest::TearDown();
    }

    static DIALOG_RECORD& main() { return BINORAGLOBALS.MAIN_DIALOG; }

    // Types the value over the value edit's text, then clicks into the significand edit,
    // which rebuilds X from the bits and enables the list.
    void enter_value(const char* typed) {
        auto* value = control<QLineEdit>(main(), IDC_VALUE_X);
        QTest::mouseClick(value, Qt::LeftButton);
        value->selectAll();
        QTest::keyClicks(value, typed);
        QTest::mouseClick(control<QLineEdit>(main(), IDC_F32), Qt::LeftButton);
        settle_events();
    }

    // Clicks 1-based row `row` of the parameter list, scrolling it into view first.
    void click_row(int row) {
        auto* list = control<QListWidget>(main(), IDC_PARAM_LIST);
        QListWidgetItem* item = list->item(row - 1);
        ASSERT_NE(item, nullptr) << row;
        list->scrollToItem(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(item).center());
        settle_events();
        ASSERT_EQ(list->currentRow(), row - 1);
    }

    QString read_out() { return control<QLineEdit>(main(), IDC_NEAREST)->text(); }
    QString caption() { return control<QLabel>(main(), IDC_NEAREST_LABEL)->text(); }
    QCheckBox* binary_box() { return control<QCheckBox>(main(), IDC_BINARY_XPM); }
};

TEST_F(ParameterListGui, EachRowShowsItsParameterOfZeroPointOneInBinary32) {
    enter_value("0.1");
    ASSERT_TRUE(control<QListWidget>(main(), IDC_PARAM_LIST)->isEnabled());
    struct Row {
        int row;
        const char* text;
        const char* caption;
    };
    const Row rows[] = {
        {1, "-4", "Exponentul reprezentarii (E)"},  {2, "1.6000000E+00", "     Semnificand"},
        {3, "7.4505806E-09", "        ULP(X)"},     {4, "1.0000001E-01", "      Nearest, > X"},
        {5, "9.9999994E-02", "      Nearest, < X"}, {6, "Epsilon = ULP(1.0).", "Epsilon"},
    };
    for (const Row& row : rows) {
        click_row(row.row);
        EXPECT_EQ(read_out(), row.text) << row.row;
        EXPECT_EQ(caption(), row.caption) << row.row;
    }
}

TEST_F(ParameterListGui, BinaryCheckBoxShowsTheBitsAndIsUsableOnlyForTheNeighbours) {
    enter_value("0.1");
    click_row(4);
    ASSERT_TRUE(binary_box()->isEnabled());
    QTest::mouseClick(binary_box(), Qt::LeftButton, {}, QPoint(4, binary_box()->height() / 2));
    settle_events();
    ASSERT_TRUE(binary_box()->isChecked());
    click_row(5);
    EXPECT_EQ(read_out(), "0_01111011_10011001100110011001100");
    EXPECT_EQ(caption(), "      Nearest < X  (S_Exp_Sig)");
    click_row(4);
    EXPECT_EQ(read_out(), "0_01111011_10011001100110011001110");
    EXPECT_EQ(caption(), "      Nearest > X  (S_Exp_Sig)");

    for (const int other : {1, 2, 3, 6}) {
        click_row(4);
        EXPECT_TRUE(binary_box()->isEnabled());
        click_row(other);
        EXPECT_FALSE(binary_box()->isEnabled()) << other;
        EXPECT_TRUE(binary_box()->isChecked()) << other;
    }
}

} // namespace
} // namespace binora::testing
