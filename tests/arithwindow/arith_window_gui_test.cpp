// The arithmetic window on real widgets, offscreen, as a user meets it: keys typed into the
// focused edit, Tab, mnemonics, clicks; the number line's texts drawn whole and apart; no
// caption clipped in either language (registered a second time at twice the scale); the copy
// button and the clipboard; what a screen reader is told.

#include "gui_test.hpp"
#include "text_fit.hpp"

#include "arithwindow/arith_start_up.hpp"
#include "arithwindow/arith_state.hpp"
#include "dialog/dialog_operations.hpp"
#include "dialog/qt/number_line_view.hpp"
#include "resources/resource.hpp"
#include "resources/templates.hpp"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>
#include <gmock/gmock.h>

#include <set>
#include <string>
#include <vector>

namespace binora::testing {
namespace {

using ::testing::IsEmpty;

class ArithOnScreen : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        reset_arith_state();
        install_program_resources();
        ASSERT_TRUE(build_arith_record(Language::english));
        ASSERT_TRUE(DIALOG_SHOW_MODELESS(dialog()));
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    }
    void TearDown() override {
        reset_arith_state();
        GuiTest::TearDown();
    }

    static DIALOG_RECORD& dialog() { return ARITH.ARITH_DIALOG; }
    static QWidget& window() { return *control_widget(dialog(), IDC_AR_A)->window(); }
    static QString shown(int id) { return control<QLineEdit>(dialog(), id)->text(); }

    // A key pressed in the focused widget of the window, as the keyboard sends it.
    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus != nullptr ? focus : &window(), key, modifiers);
        settle_events();
    }
    static void type(const char* text) {
        QTest::keyClicks(QApplication::focusWidget(), text);
        settle_events();
    }
    static void click(int id) {
        auto* button = control<QAbstractButton>(dialog(), id);
        QTest::mouseClick(button, Qt::LeftButton, {},
                          QPoint(button->height() / 2, button->height() / 2));
        settle_events();
    }
    static void choose(int combo_id, int index) {
        auto* combo = control<QComboBox>(dialog(), combo_id);
        combo->setFocus(Qt::TabFocusReason);
        while (combo->currentIndex() < index)
            QTest::keyClick(combo, Qt::Key_Down);
        while (combo->currentIndex() > index)
            QTest::keyClick(combo, Qt::Key_Up);
        settle_events();
    }
};

TEST_F(ArithOnScreen, ZeroPointOneTabZeroPointTwoShowsTheSumWithInexactLit) {
    ASSERT_EQ(QApplication::focusWidget(), control_widget(dialog(), IDC_AR_A)) << "focus in A";
    type("0.1");
    press(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), control_widget(dialog(), IDC_AR_B));
    type("0.2");
    EXPECT_EQ(shown(IDC_AR_HEX), "3FD3333333333334");
    EXPECT_TRUE(control<QCheckBox>(dialog(), IDC_AR_INEXACT)->isChecked());
    EXPECT_FALSE(control<QCheckBox>(dialog(), IDC_AR_OVERFLOW)->isChecked());
    EXPECT_EQ(QApplication::focusWidget(), control_widget(dialog(), IDC_AR_B))
        << "nothing takes the focus away";
    auto* table = control<QTableWidget>(dialog(), IDC_AR_MODES);
    EXPECT_EQ(table->item(2, 1)->text(), "3FD3333333333332");
    EXPECT_EQ(table->selectedItems().front()->row(), 0);
}

TEST_F(ArithOnScreen, TabGoesFromAToBToCAndPassesOverWhatTheOperationDoesNotTake) {
    press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), control_widget(dialog(), IDC_AR_B));
    press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), control_widget(dialog(), IDC_AR_FORMAT))
        << "C waits disabled while the operation takes two operands";
    choose(IDC_AR_OPERATION, 4); // fma
    control_widget(dialog(), IDC_AR_A)->setFocus(Qt::MouseFocusReason);
    press(Qt::Key_Tab);
    press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), control_widget(dialog(), IDC_AR_C));
}

// The controls an Alt+letter reaches, in the order repeated presses go round them.
struct Mnemonic {
    Qt::Key key;
    std::vector<int> english;
    std::vector<int> romanian;
};

std::vector<int> stored(int value_id) {
    return {value_id, value_id + 1, value_id + 2,
            value_id + 3}; // value, sign, exponent, significand
}

std::vector<int> joined(std::vector<int> first, const std::vector<int>& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

TEST_F(ArithOnScreen,
       MnemonicsMoveTheFocusToTheirControlsInBothLanguagesRoundTheControlsTheyShare) {
    const std::vector<int> flags = {IDC_AR_INVALID, IDC_AR_DIVBYZERO, IDC_AR_OVERFLOW,
                                    IDC_AR_UNDERFLOW, IDC_AR_INEXACT};
    const std::vector<int> result_bits = {IDC_AR_S, IDC_AR_E, IDC_AR_F};
    press(Qt::Key_B, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), control_widget(dialog(), IDC_AR_B)) << "Alt+B";
    const Mnemonic mnemonics[] = {
        {Qt::Key_F, {IDC_AR_FORMAT}, {IDC_AR_FORMAT}},
        {Qt::Key_O, {IDC_AR_OPERATION}, {IDC_AR_OPERATION}},
        {Qt::Key_L, {IDC_AR_LESSON}, {IDC_AR_LESSON}},
        {Qt::Key_A, {IDC_AR_A}, {IDC_AR_A}},
        {Qt::Key_M, {IDC_AR_SOURCE}, stored(IDC_AR_A_VALUE)},
        {Qt::Key_D, {IDC_AR_MODES}, {IDC_AR_SOURCE}},
        {Qt::Key_T, stored(IDC_AR_A_VALUE), joined(stored(IDC_AR_B_VALUE), stored(IDC_AR_C_VALUE))},
        {Qt::Key_S, joined(stored(IDC_AR_B_VALUE), stored(IDC_AR_C_VALUE)), {IDC_AR_MODES}},
        {Qt::Key_U, joined(result_bits, {IDC_AR_REAL, IDC_AR_ULPS}), {IDC_AR_REAL, IDC_AR_ULPS}},
        {Qt::Key_Z, {}, result_bits},
        {Qt::Key_H, {IDC_AR_HEX}, {}},
        {Qt::Key_X, {}, {IDC_AR_HEX, IDC_AR_EXACT}},
        {Qt::Key_V, {IDC_AR_VALUE}, {IDC_AR_VALUE}},
        {Qt::Key_Y, {IDC_AR_EXACT}, {}},
        {Qt::Key_I, {IDC_AR_GRS}, flags},
        {Qt::Key_G, flags, {IDC_AR_GRS}},
        {Qt::Key_N, {IDC_AR_LINE}, {IDC_AR_LINE}},
    };
    choose(IDC_AR_OPERATION, 7); // convert: its source format is enabled
    for (const bool romanian : {false, true}) {
        if (romanian) click(IDC_AR_LANG_RO);
        const char* in = romanian ? " in Romanian" : " in English";
        std::set<int> reached;
        for (const Mnemonic& m : mnemonics) {
            const std::vector<int>& ids = romanian ? m.romanian : m.english;
            if (ids.empty()) continue;
            control_widget(dialog(), IDC_AR_A)->setFocus(Qt::MouseFocusReason);
            // Each press goes on to the next control, and after the last back to the first.
            for (std::size_t press = 0; press <= ids.size(); ++press) {
                QTest::keyClick(&window(), m.key, Qt::AltModifier);
                settle_events();
                const int id = ids[press % ids.size()];
                EXPECT_EQ(QApplication::focusWidget(), control_widget(dialog(), id))
                    << "Alt+" << QKeySequence(m.key).toString().toStdString() << " press "
                    << press + 1 << in;
                reached.insert(id);
            }
        }
        for (const ControlRecord& control : dialog().controls) {
            const bool read_out = (control.source->style & STYLE_READ_ONLY) != 0 ||
                                  control.kind == ControlKind::Table ||
                                  control.kind == ControlKind::NumberLine;
            if (read_out) {
                EXPECT_EQ(reached.count(control.id), 1U) << control.id << in;
            }
        }
    }
    press(Qt::Key_4, Qt::AltModifier); // a button's mnemonic clicks it a moment later
    EXPECT_TRUE(QTest::qWaitFor(
        [] { return control<QAbstractButton>(dialog(), IDC_AR_RUP)->isChecked(); }, 1000));
}

TEST_F(ArithOnScreen, TheUserCannotChangeAFlagNeitherByClickNorBySpace) {
    type("0.1");
    press(Qt::Key_Tab);
    type("0.2");
    auto* inexact = control<QCheckBox>(dialog(), IDC_AR_INEXACT);
    ASSERT_TRUE(inexact->isChecked());
    QTest::mouseClick(inexact, Qt::LeftButton, {},
                      QPoint(inexact->height() / 2, inexact->height() / 2));
    inexact->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Space);
    settle_events();
    EXPECT_TRUE(inexact->isChecked());
    bool state = false;
    DIALOG_GET_FLAG(dialog(), IDC_AR_INEXACT, state);
    EXPECT_TRUE(state);
}

// Every text of the number line lies inside it and apart from the others.
void expect_legible(const NumberLineView& line, const std::string& when) {
    const auto texts = line.placed_texts();
    EXPECT_GE(texts.size(), 1U) << when;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        EXPECT_TRUE(line.rect().contains(texts[i].rect))
            << when << ": \"" << texts[i].text.toStdString() << "\" leaves the line";
        for (std::size_t j = i + 1; j < texts.size(); ++j)
            EXPECT_FALSE(texts[i].rect.intersects(texts[j].rect))
                << when << ": \"" << texts[i].text.toStdString() << "\" covers \""
                << texts[j].text.toStdString() << "\"";
    }
}

TEST_F(ArithOnScreen, TheNumberLineShowsTheRecordsTextsWholeAndApartInBothLanguages) {
    auto* line = dynamic_cast<NumberLineView*>(control_widget(dialog(), IDC_AR_LINE));
    ASSERT_NE(line, nullptr);
    for (const int language : {IDC_AR_LANG_EN, IDC_AR_LANG_RO}) {
        click(language);
        // A tie, a number of the format, an overflow, double rounding, a binary128 quotient.
        for (const int lesson : {2, 3, 7, 13, 5}) {
            choose(IDC_AR_LESSON, lesson - 1);
            const std::string when = "lesson row " + std::to_string(lesson) +
                                     (language == IDC_AR_LANG_RO ? ", RO" : ", EN");
            const ControlRecord& record = *find_control(dialog(), IDC_AR_LINE);
            ASSERT_EQ(line->marks().size(), record.marks.size()) << when;
            for (std::size_t i = 0; i < record.marks.size(); ++i) {
                EXPECT_EQ(line->marks()[i].tag.toStdString(), record.marks[i].tag) << when;
                EXPECT_EQ(line->marks()[i].label.toStdString(), record.marks[i].label) << when;
            }
            EXPECT_EQ(line->caption().toStdString(), record.text) << when;
            expect_legible(*line, when);
        }
        choose(IDC_AR_FORMAT, 2);
        expect_legible(*line, "binary128");
        choose(IDC_AR_FORMAT, 1);
    }
}

TEST_F(ArithOnScreen, EveryCaptionFitsInBothLanguages) {
    choose(IDC_AR_LESSON, 5); // sqrt(2): the widest results
    for (const int language : {IDC_AR_LANG_RO, IDC_AR_LANG_EN}) {
        click(language);
        EXPECT_THAT(overflowing_texts(window()), IsEmpty()) << language;
    }
}

TEST_F(ArithOnScreen, CopyAsCommandPutsTheCommandLineOnTheClipboard) {
    type("0.1");
    press(Qt::Key_Tab);
    type("0.2");
    QGuiApplication::clipboard()->clear();
    click(IDC_AR_COPY);
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              "binora-cli --op add --kind 64 --round rne 0.1 0.2");
}

std::string announced(QWidget* widget, QAccessible::Text text = QAccessible::Name) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible != nullptr ? accessible->text(text).toStdString() : "(not accessible)";
}

TEST_F(ArithOnScreen,
       ScreenReadersHearEveryControlNamedAndWhyAnOperandWaitsInTheInterfaceLanguage) {
    struct Named {
        int id;
        const char* romanian;
        const char* english;
    };
    const Named names[] = {
        {IDC_AR_A, "Operandul A", "Operand A"},
        {IDC_AR_A_VALUE, "A memorat", "A as stored"},
        {IDC_AR_F, "Rezultat, semnificand", "Result, significand"},
        {IDC_AR_HEX, "hex:", "hex:"},
        {IDC_AR_REAL, "rezultat exact:", "exact result:"},
        {IDC_AR_MODES, "Rotunjirea in fiecare sens:", "Rounding in each direction:"},
        {IDC_AR_LINE, "Axa numerelor:", "Number line:"},
        {IDC_AR_INEXACT, "inexact", "inexact"},
    };
    type("0.1");
    press(Qt::Key_Tab);
    type("0.2");
    for (const int language : {IDC_AR_LANG_EN, IDC_AR_LANG_RO}) {
        click(language);
        for (const Named& named : names)
            EXPECT_EQ(announced(control_widget(dialog(), named.id)),
                      language == IDC_AR_LANG_RO ? named.romanian : named.english)
                << named.id;
    }
    QAccessibleInterface* inexact =
        QAccessible::queryAccessibleInterface(control_widget(dialog(), IDC_AR_INEXACT));
    EXPECT_EQ(inexact->role(), QAccessible::CheckBox);
    EXPECT_TRUE(inexact->state().checked);
    QAccessibleInterface* overflow =
        QAccessible::queryAccessibleInterface(control_widget(dialog(), IDC_AR_OVERFLOW));
    EXPECT_FALSE(overflow->state().checked);
    QAccessibleInterface* line =
        QAccessible::queryAccessibleInterface(control_widget(dialog(), IDC_AR_LINE));
    EXPECT_EQ(line->role(), QAccessible::Chart);
    EXPECT_THAT(announced(control_widget(dialog(), IDC_AR_LINE), QAccessible::Description),
                ::testing::HasSubstr("rezultatul exact: 3.0000000000000001665...E-01"));
    // In an operand's edit a screen reader is told why the results wait, in the interface
    // language, and nothing more once the operand reads.
    struct Step {
        int language;
        const char* typed; // at the end of A's "0.1"
        const char* told;
    };
    const Step steps[] = {
        {IDC_AR_LANG_EN, "e", "not a number yet: the results wait"},
        {IDC_AR_LANG_RO, "", "inca nu este un numar: rezultatele asteapta"},
        {IDC_AR_LANG_RO, "\b", ""},
    };
    QWidget* a = control_widget(dialog(), IDC_AR_A);
    for (const Step& step : steps) {
        click(step.language);
        a->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(a, Qt::Key_End);
        type(step.typed);
        EXPECT_EQ(announced(a, QAccessible::Description), step.told)
            << shown(IDC_AR_A).toStdString();
    }
    // A drop-down list is named by its current item and labelled by its label, as Qt tells
    // screen readers on this desktop.
    for (const int id : {IDC_AR_FORMAT, IDC_AR_OPERATION, IDC_AR_LESSON}) {
        QAccessibleInterface* list =
            QAccessible::queryAccessibleInterface(control_widget(dialog(), id));
        const auto labels = list->relations(QAccessible::Label);
        ASSERT_EQ(labels.size(), 1) << id;
        EXPECT_EQ(labels.front().first->object(), control_widget(dialog(), id - 1)) << id;
    }
}

} // namespace
} // namespace binora::testing
