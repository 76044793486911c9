// The arithmetic window's routines on its windowless record: what it shows at start-up, what
// typing, the operation, format, direction, table, lessons and language change, held against
// words written out here and against the arithmetic and read-out cores' own texts.

#include "arith_window_test.hpp"

#include "arith/arithmetic.hpp"
#include "arith/exact_result.hpp"
#include "arith/operand_reader.hpp"
#include "arithwindow/lessons.hpp"
#include "dialog/dialog_operations.hpp"
#include "dialog/mnemonics.hpp"
#include "model/fixed_text.hpp"
#include "readout/value_read_out.hpp"
#include "resources/resource.hpp"
#include "testing/user_input.hpp"

#include <gmock/gmock.h>

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace binora::testing {
namespace {

using ::testing::ElementsAre;

constexpr std::array<int, 5> FLAGS = {IDC_AR_INVALID, IDC_AR_DIVBYZERO, IDC_AR_OVERFLOW,
                                      IDC_AR_UNDERFLOW, IDC_AR_INEXACT};

using ArithWindow = ArithWindowTest;

TEST_F(ArithWindow, OpensOnBinary64AdditionToNearestWithTheOperandsEmptyAndTheResultsWaiting) {
    EXPECT_EQ(dialog().caption, "Binora - IEEE 754 Arithmetic");
    EXPECT_EQ(text(IDC_AR_FORMAT_LABEL), "&Format:");
    EXPECT_EQ(selected_row(IDC_AR_FORMAT), 2);
    EXPECT_EQ(items(IDC_AR_FORMAT)[1], "binary64");
    EXPECT_EQ(selected_row(IDC_AR_OPERATION), 1);
    EXPECT_EQ(items(IDC_AR_OPERATION)[0], "a + b (add)");
    EXPECT_TRUE(checked(IDC_AR_RNE));
    EXPECT_TRUE(checked(IDC_AR_LANG_EN));
    EXPECT_EQ(text(IDC_AR_A), "");
    EXPECT_EQ(text(IDC_AR_B), "");
    EXPECT_TRUE(enabled(IDC_AR_A) && enabled(IDC_AR_B));
    EXPECT_FALSE(enabled(IDC_AR_C));
    EXPECT_FALSE(enabled(IDC_AR_SOURCE));
    EXPECT_FALSE(enabled(IDC_AR_COPY));
    for (int id : {IDC_AR_HEX, IDC_AR_VALUE, IDC_AR_REAL, IDC_AR_GRS, IDC_AR_A_STATUS})
        EXPECT_EQ(text(id), "") << id;
    EXPECT_EQ(text(IDC_AR_LINE),
              "Type the operands: the line shows where the exact result lies among the format's "
              "numbers.");
    EXPECT_TRUE(marks().empty());
    EXPECT_EQ(selected_row(IDC_AR_LESSON), 1);
    EXPECT_THAT(message_boxes.texts(), ::testing::IsEmpty());
}

TEST_F(ArithWindow, ZeroPointOneThenZeroPointTwoShowTheirSumWithInexactLit) {
    type_operand(IDC_AR_A, "0.1");
    type_operand(IDC_AR_B, "0.2");
    EXPECT_EQ(text(IDC_AR_HEX), "3FD3333333333334");
    EXPECT_EQ(text(IDC_AR_VALUE), "+3.0000000000000004D-01");
    EXPECT_EQ(text(IDC_AR_REAL), "0.3000000000000000166533453693773481063544750213623046875");
    EXPECT_EQ(text(IDC_AR_GRS), "100");
    EXPECT_EQ(text(IDC_AR_ULPS), "5.000E-01");
    EXPECT_EQ(text(IDC_AR_A_STATUS), "rounded when read (inexact)");
    EXPECT_EQ(text(IDC_AR_A_VALUE), "+1.0000000000000001D-01");
    EXPECT_EQ(text(IDC_AR_A_S) + text(IDC_AR_A_E) + text(IDC_AR_A_F),
              "0011111110111001100110011001100110011001100110011001100110011010");
    for (int id : FLAGS)
        EXPECT_EQ(checked(id), id == IDC_AR_INEXACT) << id;
    EXPECT_TRUE(enabled(IDC_AR_COPY));
    EXPECT_THAT(items(IDC_AR_MODES),
                ElementsAre("\xbb rne\t3FD3333333333334\t+3.0000000000000004D-01\tinexact",
                            "rna\t3FD3333333333334\t+3.0000000000000004D-01\tinexact",
                            "rtz\t3FD3333333333332\t+2.9999999999999993D-01\tinexact",
                            "rup\t3FD3333333333334\t+3.0000000000000004D-01\tinexact",
                            "rdn\t3FD3333333333332\t+2.9999999999999993D-01\tinexact"));
    EXPECT_EQ(selected_row(IDC_AR_MODES), 1);
}

// Cases whose every shown text is held against the cores' texts for the same inputs.
struct Case {
    const char* what;
    int format_row; // of the format list
    Operation operation;
    int rounding_radio;
    std::array<const char*, 3> operands;
    const char* hex; // the result's word, written out here
    const char* flags;
};

using enum Operation;

// clang-format off
const Case CASES[] = {
    {"1 / 3 toward +infinity", 2, div, IDC_AR_RUP, {"1", "3", ""}, "3FD5555555555556", "inexact"},
    {"sqrt(2) in binary32", 1, sqrt, IDC_AR_RNE, {"2", "", ""}, "3FB504F3", "inexact"},
    {"fma in binary128", 3, fma, IDC_AR_RNE, {"0.1", "10", "-1"}, "3F8D0000000000000000000000000000", "none"},
    {"1 / 0 in binary16", 4, div, IDC_AR_RNE, {"1", "0", ""}, "7C00", "divbyzero"},
    {"0 / 0 in bfloat16", 5, div, IDC_AR_RNE, {"0", "0", ""}, "7FC0", "invalid"},
    {"448 * 2 in E4M3", 7, mul, IDC_AR_RTZ, {"448", "2", ""}, "7E", "overflow,inexact"},
    {"rem(10, 3) in E5M2", 6, rem, IDC_AR_RNE, {"10", "3", ""}, "3C", "none"},
};
// clang-format on

TEST_F(ArithWindow, EveryReadOutIsTheCoresTextForTheInputsChosen) {
    for (const Case& c : CASES) {
        ASSERT_TRUE(user_select_row(dialog(), IDC_AR_FORMAT, c.format_row)) << c.what;
        ASSERT_TRUE(user_select_row(dialog(), IDC_AR_OPERATION, static_cast<int>(c.operation) + 1));
        ASSERT_TRUE(user_click(dialog(), c.rounding_radio));
        for (std::size_t i = 0; i < 3; ++i) {
            const int edit = IDC_AR_A + 3 * static_cast<int>(i);
            if (enabled(edit)) {
                ASSERT_TRUE(user_replace_text(dialog(), edit, c.operands[i]));
            }
        }
        EXPECT_EQ(text(IDC_AR_HEX), c.hex) << c.what;

        // The same through the cores.
        ArithmeticCase arithmetic;
        arithmetic.operation = c.operation;
        const FormatTraits* formats[] = {&FORMATS[0],        &FORMATS[1],        &FORMATS[2],
                                         &NARROW_FORMATS[0], &NARROW_FORMATS[1], &NARROW_FORMATS[2],
                                         &NARROW_FORMATS[3]};
        arithmetic.format = formats[c.format_row - 1];
        arithmetic.rounding = static_cast<Rounding>(c.rounding_radio - IDC_AR_RNE);
        for (int i = 0; i < operand_count(c.operation); ++i)
            arithmetic.operands[static_cast<std::size_t>(i)] =
                read_operand(*arithmetic.format, arithmetic.rounding, false,
                             c.operands[static_cast<std::size_t>(i)])
                    .word;
        const ArithmeticResult result = compute(arithmetic);
        ValueReadOut read_out;
        read_out_value(*arithmetic.format, result.word, Language::english, read_out);
        ExactTexts exact;
        write_exact_texts(arithmetic, result, EXACT_REAL | EXACT_ERROR, exact);
        EXPECT_EQ(flags_text(result.flags), c.flags) << c.what;
        EXPECT_EQ(text(IDC_AR_S), read_out.sign) << c.what;
        EXPECT_EQ(text(IDC_AR_E), read_out.exponent) << c.what;
        EXPECT_EQ(text(IDC_AR_F), read_out.significand) << c.what;
        EXPECT_EQ(text(IDC_AR_VALUE), read_out.value) << c.what;
        EXPECT_EQ(text(IDC_AR_EXACT), read_out.exact) << c.what;
        EXPECT_EQ(text(IDC_AR_REAL), exact.real) << c.what;
        EXPECT_EQ(text(IDC_AR_ULPS), exact.error_ulps) << c.what;
        for (std::size_t i = 0; i < FLAGS.size(); ++i)
            EXPECT_EQ(checked(FLAGS[i]), (result.flags & (1U << i)) != 0)
                << c.what << ", flag " << i;
    }
}

TEST_F(ArithWindow, AnOperandThatCannotBeReadYetIsMarkedInWordsAndTheResultsWait) {
    type_operand(IDC_AR_B, "2");
    struct Typed {
        const char* text;
        const char* status;
        const char* hex;
    };
    const Typed typed[] = {
        {"-", "not a number yet: the results wait", ""},
        {"1e", "not a number yet: the results wait", ""},
        {"1e5", "", "40F86A2000000000"},
        {"0x12", "a storage word takes 16 hexadecimal digits: the results wait", ""},
        {"0x3FF0000000000000", "", "4008000000000000"},
        {"1e999", "rounded when read (overflow,inexact)", "7FF0000000000000"},
    };
    // What a screen reader tells in the edit: why the results wait, and nothing once it reads.
    const auto description = [this](int id) {
        std::string told;
        EXPECT_TRUE(DIALOG_GET_TEXT(dialog(), id, told, 80, PROP_DESCRIPTION));
        return std::string(trim_blanks(told));
    };
    for (const Typed& t : typed) {
        type_operand(IDC_AR_A, t.text);
        EXPECT_EQ(text(IDC_AR_A_STATUS), t.status) << t.text;
        EXPECT_EQ(description(IDC_AR_A), *t.hex == '\0' ? t.status : "") << t.text;
        EXPECT_EQ(text(IDC_AR_HEX), t.hex) << t.text;
        EXPECT_EQ(enabled(IDC_AR_COPY), *t.hex != '\0') << t.text;
        if (*t.hex == '\0') {
            EXPECT_EQ(text(IDC_AR_A_VALUE), "") << t.text;
            EXPECT_EQ(text(IDC_AR_LINE), "Waiting until every operand can be read.") << t.text;
            EXPECT_TRUE(marks().empty()) << t.text;
        }
    }
    type_operand(IDC_AR_B, "1e");
    ASSERT_TRUE(user_click(dialog(), IDC_AR_LANG_RO));
    EXPECT_EQ(description(IDC_AR_B), "inca nu este un numar: rezultatele asteapta");
    EXPECT_EQ(description(IDC_AR_A), "");
    EXPECT_THAT(message_boxes.texts(), ::testing::IsEmpty()) << "no box ever interrupts typing";
}

TEST_F(ArithWindow, TheOperationEnablesTheOperandsItTakesAndConvertItsSourceFormat) {
    struct Row {
        Operation operation;
        bool b;
        bool c;
        bool source;
    };
    for (const Row& row : {Row{add, true, false, false}, Row{fma, true, true, false},
                           Row{sqrt, false, false, false}, Row{convert, false, false, true}}) {
        ASSERT_TRUE(
            user_select_row(dialog(), IDC_AR_OPERATION, static_cast<int>(row.operation) + 1));
        EXPECT_TRUE(enabled(IDC_AR_A));
        EXPECT_EQ(enabled(IDC_AR_B), row.b) << operation_name(row.operation);
        EXPECT_EQ(enabled(IDC_AR_C), row.c) << operation_name(row.operation);
        EXPECT_EQ(enabled(IDC_AR_SOURCE), row.source) << operation_name(row.operation);
    }
    // 0.1 read as a binary64 number, then converted into binary16.
    ASSERT_TRUE(user_select_row(dialog(), IDC_AR_FORMAT, 4));
    type_operand(IDC_AR_A, "0.1");
    EXPECT_EQ(text(IDC_AR_A_VALUE), "+1.0000000000000001D-01");
    EXPECT_EQ(text(IDC_AR_HEX), "2E66");
}

TEST_F(ArithWindow, ARowOfTheTableChoosesItsDirection) {
    ASSERT_TRUE(user_select_row(dialog(), IDC_AR_OPERATION, static_cast<int>(div) + 1));
    type_operand(IDC_AR_A, "1");
    type_operand(IDC_AR_B, "3");
    ASSERT_TRUE(user_select_row(dialog(), IDC_AR_MODES, 4));
    EXPECT_TRUE(checked(IDC_AR_RUP));
    EXPECT_FALSE(checked(IDC_AR_RNE));
    EXPECT_EQ(text(IDC_AR_HEX), "3FD5555555555556");
    EXPECT_EQ(items(IDC_AR_MODES)[3].substr(0, 6), "\xbb rup\t");
    EXPECT_EQ(selected_row(IDC_AR_MODES), 4);
}

// Each lesson's result word, written out here.
TEST_F(ArithWindow, EveryLessonFillsInItsCaseAndExplainsIt) {
    const char* words[] = {"3FD3333333333334",
                           "4341C37937E08000",
                           "0000000000000000",
                           "3FD5555555555555",
                           "3FF6A09E667F3BCD",
                           "7FF0000000000000",
                           "0008000000000000",
                           "3C30000000000000",
                           "3FF0000000800000",
                           "2E66",
                           "2E66",
                           "3C00",
                           "7F"};
    ASSERT_EQ(std::size(words), lessons().size());
    for (std::size_t i = 0; i < lessons().size(); ++i) {
        ASSERT_TRUE(user_select_row(dialog(), IDC_AR_LESSON, static_cast<int>(i) + 2));
        EXPECT_EQ(text(IDC_AR_HEX), words[i]) << i;
        EXPECT_EQ(text(IDC_AR_LESSON_TEXT),
                  in_language(lessons()[i].explanation, Language::english));
        EXPECT_TRUE(checked(IDC_AR_RNE)) << i;
        EXPECT_EQ(text(IDC_AR_A), lessons()[i].operands[0]) << i;
    }
    ASSERT_TRUE(user_select_row(dialog(), IDC_AR_LESSON, 1));
    EXPECT_EQ(text(IDC_AR_LESSON_TEXT),
              "Choose a lesson, or type the operands and choose the operation, format and "
              "rounding.");
}

TEST_F(ArithWindow, RoAndEnRelabelTheWindowAndItsWordsWithoutTouchingTheNumbers) {
    ASSERT_TRUE(user_select_row(dialog(), IDC_AR_LESSON, 2));
    const std::string hex = text(IDC_AR_HEX);
    ASSERT_TRUE(user_click(dialog(), IDC_AR_LANG_RO));
    EXPECT_EQ(dialog().caption, "Binora - Aritmetica IEEE 754");
    EXPECT_EQ(text(IDC_AR_OPERATION_LABEL), "&Operatia:");
    EXPECT_EQ(items(IDC_AR_OPERATION)[0], "a + b (adunare)");
    EXPECT_EQ(items(IDC_AR_LESSON)[0], "(fara lectie)");
    EXPECT_EQ(text(IDC_AR_A_STATUS), "rotunjit la citire (inexact)");
    EXPECT_EQ(text(IDC_AR_LINE),
              "Rezultatul exact este intre doua numere ale formatului; rne il rotunjeste la cel "
              "superior.");
    EXPECT_EQ(text(IDC_AR_MODES), "sens\tcuvant\tvaloare\tindicatori");
    EXPECT_EQ(text(IDC_AR_LESSON_TEXT).substr(0, 8), "0.1 si 0");
    EXPECT_EQ(text(IDC_AR_HEX), hex);
    EXPECT_EQ(selected_row(IDC_AR_LESSON), 2);
    ASSERT_TRUE(user_click(dialog(), IDC_AR_LANG_EN));
    EXPECT_EQ(dialog().caption, "Binora - IEEE 754 Arithmetic");
    EXPECT_EQ(text(IDC_AR_A_STATUS), "rounded when read (inexact)");
}

// Every control that takes the focus answers one mnemonic in each language. An input or button
// has its letter alone, so that a press reaches it (or clicks it) at once; read-outs may share
// a letter, which repeated presses go round.
TEST_F(ArithWindow, EveryControlAnswersOneMnemonicAndNoInputOrButtonSharesItsLetter) {
    const auto& controls = dialog().controls;
    for (const int language : {IDC_AR_LANG_EN, IDC_AR_LANG_RO}) {
        ASSERT_TRUE(user_click(dialog(), language));
        std::vector<int> answered(controls.size(), 0);
        for (const char letter : std::string_view("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789")) {
            const std::vector<int> owners = mnemonic_owners(dialog(), letter);
            for (const int owner : owners) {
                const ControlRecord& control = controls[static_cast<std::size_t>(owner)];
                ++answered[static_cast<std::size_t>(owner)];
                const bool read_out = (control.source->style & STYLE_READ_ONLY) != 0 ||
                                      control.kind == ControlKind::Table ||
                                      control.kind == ControlKind::NumberLine;
                if (!read_out) {
                    EXPECT_EQ(owners.size(), 1U) << "Alt+" << letter << " shared by input "
                                                 << control.id << " in " << language;
                }
            }
        }
        for (std::size_t i = 0; i < controls.size(); ++i) {
            const bool takes_focus = controls[i].kind != ControlKind::Static &&
                                     controls[i].kind != ControlKind::GroupBox;
            EXPECT_EQ(answered[i], takes_focus ? 1 : 0) << controls[i].id << " in " << language;
        }
    }
}

TEST_F(ArithWindow, TheNumberLineMarksTheNeighboursTheMidpointTheExactAndTheRoundedResult) {
    type_operand(IDC_AR_A, "0.1");
    type_operand(IDC_AR_B, "0.2");
    const std::vector<LineMark> tie = marks();
    ASSERT_EQ(tie.size(), 5U);
    EXPECT_EQ(tie[0], (LineMark{LineMarkKind::point, 0.0, "lower",
                                "lower neighbour: 2.9999999999999998889...E-01"}));
    EXPECT_EQ(tie[1], (LineMark{LineMarkKind::midpoint, 0.5, "midpoint",
                                "midpoint: 3.0000000000000001665...E-01"}));
    EXPECT_EQ(tie[2], (LineMark{LineMarkKind::point, 1.0, "upper",
                                "upper neighbour: 3.0000000000000004440...E-01"}));
    EXPECT_EQ(tie[3], (LineMark{LineMarkKind::exact, 0.5, "exact",
                                "exact result: 3.0000000000000001665...E-01"}));
    EXPECT_EQ(tie[4], (LineMark{LineMarkKind::rounded, 1.0, "rounded",
                                "rounded result: +3.0000000000000004D-01"}));
    ASSERT_TRUE(user_click(dialog(), IDC_AR_RTZ));
    EXPECT_EQ(marks()[4].position, 0.0);
    EXPECT_EQ(text(IDC_AR_LINE), "The exact result lies between two numbers of the format; rtz "
                                 "rounds it to the lower one.");

    type_operand(IDC_AR_A, "1");
    type_operand(IDC_AR_B, "1");
    EXPECT_EQ(text(IDC_AR_LINE), "The exact result is a number of the format: nothing is rounded.");
    ASSERT_EQ(marks().size(), 4U);
    EXPECT_NEAR(marks()[1].position, 1.0 / 3, 1e-15) << "2's neighbour below is half as far";

    ASSERT_TRUE(user_select_row(dialog(), IDC_AR_LESSON, 7)); // the largest finite number * 2
    EXPECT_EQ(text(IDC_AR_LINE), "The exact result lies past the largest finite number; rne "
                                 "gives +Infinity.");
    EXPECT_GT(marks()[3].position, 1.0);
    EXPECT_GT(marks()[4].position, 1.0);
}

TEST_F(ArithWindow, CopyAsCommandPutsTheEquivalentCommandLineOnTheClipboard) {
    type_operand(IDC_AR_A, "0.1");
    type_operand(IDC_AR_B, "0.2");
    ASSERT_TRUE(user_click(dialog(), IDC_AR_COPY));
    ASSERT_TRUE(user_select_row(dialog(), IDC_AR_LESSON, 13)); // double rounding
    ASSERT_TRUE(user_click(dialog(), IDC_AR_RDN));
    ASSERT_TRUE(user_click(dialog(), IDC_AR_COPY));
    EXPECT_THAT(clipboard, ElementsAre("binora-cli --op add --kind 64 --round rne 0.1 0.2",
                                       "binora-cli --op convert --kind 16 --from 64 --round rdn "
                                       "1.00048828125000000001"));
}

} // namespace
} // namespace binora::testing
