// Radio groups, check boxes and list boxes on real widgets.

#include "qt_dialog_test.hpp"

#include <QCheckBox>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>

#include <array>

namespace binora::testing {

namespace {

using ButtonsTest = QtDialogTest;

constexpr std::array<int, 7> RADIOS{ID_RADIO_A1, ID_RADIO_A2, ID_RADIO_A3, ID_RADIO_B1,
                                    ID_RADIO_B2, ID_RADIO_C1, ID_RADIO_C2};

// The checked radios, as "1" or "0" in the order of RADIOS: from the record as it stands
// (no read from the window) and from the widgets.
std::string record_states(DIALOG_RECORD& dialog) {
    std::string states;
    for (int id : RADIOS)
        states += find_control(dialog, id)->state ? '1' : '0';
    return states;
}

std::string widget_states(DIALOG_RECORD& dialog) {
    std::string states;
    for (int id : RADIOS)
        states += control<QRadioButton>(dialog, id)->isChecked() ? '1' : '0';
    return states;
}

TEST_F(ButtonsTest, ThreeRadioGroupsAreIndependentAndAClickUpdatesTheWholeGroupInTheRecord) {
    struct Step {
        int clicked;
        const char* states; // A1 A2 A3 B1 B2 C1 C2
    };
    for (int id : RADIOS)
        count(id, EVENT_CLICKED);
    show();
    EXPECT_EQ(widget_states(dialog), "1001010");
    for (const Step step :
         {Step{ID_RADIO_A2, "0101010"}, Step{ID_RADIO_B2, "0100110"}, Step{ID_RADIO_C2, "0100101"},
          Step{ID_RADIO_A3, "0010101"}, Step{ID_RADIO_A3, "0010101"}}) {
        QTest::mouseClick(control<QRadioButton>(dialog, step.clicked), Qt::LeftButton);
        EXPECT_EQ(record_states(dialog), step.states) << "after clicking " << step.clicked;
        EXPECT_EQ(widget_states(dialog), step.states) << "after clicking " << step.clicked;
    }
    EXPECT_EQ(raised.size(), 5U);
}

TEST_F(ButtonsTest, ProgramSetsOfARadioReachTheWholeGroup) {
    show();
    DIALOG_SET_FLAG(dialog, ID_RADIO_A3, true);
    EXPECT_EQ(widget_states(dialog), "0011010");
    DIALOG_SET_FLAG(dialog, ID_RADIO_A3, false); // the group falls back to its first radio
    EXPECT_EQ(widget_states(dialog), "1001010");
}

TEST_F(ButtonsTest, CheckBoxRoutineSeesTheNewState) {
    std::vector<bool> seen;
    DIALOG_SET_CALLBACK(dialog, ID_CHECK, [&](DIALOG_RECORD& d, int id, int) {
        bool checked = false;
        DIALOG_GET_FLAG(d, id, checked);
        seen.push_back(checked);
    });
    show();
    QTest::mouseClick(control<QCheckBox>(dialog, ID_CHECK), Qt::LeftButton);
    QTest::mouseClick(control<QCheckBox>(dialog, ID_CHECK), Qt::LeftButton);
    EXPECT_EQ(seen, (std::vector<bool>{true, false}));
}

TEST_F(ButtonsTest, ListSelectionByTheUserRaisesItsEventsAndCannotBeCleared) {
    for (const char* row : {"Exponent", "Significand", "ULP"})
        DIALOG_SET_TEXT(dialog, ID_LIST, row, PROP_APPEND_ITEM);
    std::vector<int> rows;
    DIALOG_SET_CALLBACK(dialog, ID_LIST, [&](DIALOG_RECORD& d, int id, int) {
        int row = -1;
        DIALOG_GET_INT(d, id, row, 1);
        rows.push_back(row);
    });
    count(ID_LIST, EVENT_DOUBLE_CLICK);
    show();
    auto* list = control<QListWidget>(dialog, ID_LIST);
    const QPoint third = list->visualItemRect(list->item(2)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, third);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, third);
    QTest::keyClick(list, Qt::Key_Up);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, third);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, third);
    EXPECT_EQ(rows, (std::vector<int>{3, 2, 3}));
    EXPECT_EQ(events(ID_LIST, EVENT_DOUBLE_CLICK), 1);
}

TEST_F(ButtonsTest, ScreenReadersHearTheLabelOrTheNameInTheChosenLanguage) {
    show();
    QWidget* value = control_widget(dialog, ID_VALUE);
    QWidget* second = control_widget(dialog, ID_SECOND);
    EXPECT_EQ(value->accessibleName(), "Label");
    EXPECT_EQ(second->accessibleName(), QString::fromUtf8("Al doilea c\xC3\xA2mp"));

    DIALOG_SET_TEXT(dialog, ID_LABEL, "Value\nX");
    QTest::mouseClick(control<QRadioButton>(dialog, ID_RADIO_C2), Qt::LeftButton);
    settle_events();
    EXPECT_EQ(value->accessibleName(), "Value X");
    EXPECT_EQ(second->accessibleName(), "Second field");
}

} // namespace

} // namespace binora::testing
