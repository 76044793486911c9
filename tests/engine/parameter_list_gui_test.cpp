// The parameter list on the real main window: X = 0.1 typed in binary32, each row selected
// with the mouse, the read-out and its caption as the widgets show them.

#include "program_on_screen.hpp"

#include "resources/resource.hpp"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

namespace binora::testing {
namespace {

class ParameterListGui : public ProgramOnScreen {
  protected:
    QString read_out() { return control<QLineEdit>(main_dialog(), IDC_NEAREST)->text(); }
    QString caption() { return control<QLabel>(main_dialog(), IDC_NEAREST_LABEL)->text(); }
    QCheckBox* binary_box() { return control<QCheckBox>(main_dialog(), IDC_BINARY_XPM); }
};

TEST_F(ParameterListGui, EachRowShowsItsParameterOfZeroPointOneInBinary32) {
    enter_value("0.1");
    ASSERT_TRUE(control<QListWidget>(main_dialog(), IDC_PARAM_LIST)->isEnabled());
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
        select_row(row.row);
        EXPECT_EQ(read_out(), row.text) << row.row;
        EXPECT_EQ(caption(), row.caption) << row.row;
    }
}

TEST_F(ParameterListGui, BinaryCheckBoxShowsTheBitsAndIsUsableOnlyForTheNeighbours) {
    enter_value("0.1");
    select_row(4);
    ASSERT_TRUE(binary_box()->isEnabled());
    QTest::mouseClick(binary_box(), Qt::LeftButton, {}, QPoint(4, binary_box()->height() / 2));
    settle_events();
    ASSERT_TRUE(binary_box()->isChecked());
    select_row(5);
    EXPECT_EQ(read_out(), "0_01111011_10011001100110011001100");
    EXPECT_EQ(caption(), "      Nearest < X  (S_Exp_Sig)");
    select_row(4);
    EXPECT_EQ(read_out(), "0_01111011_10011001100110011001110");
    EXPECT_EQ(caption(), "      Nearest > X  (S_Exp_Sig)");

    for (const int other : {1, 2, 3, 6}) {
        select_row(4);
        EXPECT_TRUE(binary_box()->isEnabled());
        select_row(other);
        EXPECT_FALSE(binary_box()->isEnabled()) << other;
        EXPECT_TRUE(binary_box()->isChecked()) << other;
    }
}

} // namespace
} // namespace binora::testing
