#include "dialog/dialog_operations.hpp"
#include "engine/sub_list.hpp"
#include "parameter_dialog_test.hpp"
#include "resources/resource.hpp"
#include "state/comun.hpp"
#include "test_words.hpp"
#include "testing/user_input.hpp"

#include <gtest/gtest.h>

#include <string>

namespace binora::testing {
namespace {

constexpr int EXPONENT_ROW = 1;
constexpr int SIGNIFICAND_ROW = 2;
constexpr int ULP_ROW = 3;
constexpr int X_PLUS_ROW = 4;
constexpr int X_MINUS_ROW = 5;
constexpr int EPSILON_ROW = 6;

const Word128 binary32_one = 0x3F800000U;

using ParameterList = ParameterDialogTest;

TEST_F(ParameterList, UlpRowShowsTheSpacingInTheKindsLayout) {
    struct Row {
        const char* what;
        int kind;
        Word128 x;
        const char* text;
    };
    const std::uint64_t ones = ~std::uint64_t{0};
    const Row rows[] = {
        {"+0", 4, 0x00000000U, "1.4012985E-45"},
        {"-0", 4, 0x80000000U, "1.4012985E-45"},
        {"subnormal", 4, 0x00012345U, "1.4012985E-45"},
        {"smallest normal", 4, 0x00800000U, "1.4012985E-45"},
        {"2^-125", 4, 0x01000000U, "2.8025969E-45"},
        {"1.0", 4, 0x3F800000U, "1.1920929E-07"},
        {"-1.0", 4, 0xBF800000U, "1.1920929E-07"},
        {"largest finite", 4, 0x7F7FFFFFU, "2.0282410E+31"},
        {"negative largest finite", 4, 0xFF7FFFFFU, "2.0282410E+31"},
        {"+0", 8, 0, "4.9406564584124654D-324"},
        {"-0", 8, 0x8000000000000000U, "4.9406564584124654D-324"},
        {"subnormal", 8, 0x000FFFFFFFFFFFFFU, "4.9406564584124654D-324"},
        {"2^-1021", 8, 0x0020000000000000U, "9.8813129168249309D-324"},
        {"1.0", 8, 0x3FF0000000000000U, "2.2204460492503131D-16"},
        {"largest finite", 8, 0x7FEFFFFFFFFFFFFFU, "1.9958403095347198D+292"},
        {"+0", 16, 0, "6.475175119438025110924438958227647D-4966"},
        {"-0", 16, word128(0x8000000000000000U, 0), "6.475175119438025110924438958227647D-4966"},
        {"2^-16381", 16, word128(0x0002000000000000U, 0),
         "1.295035023887605022184887791645529D-4965"},
        {"1.0", 16, word128(0x3FFF000000000000U, 0), "1.925929944387235853055977942584927D-034"},
        {"-1.0", 16, word128(0xBFFF000000000000U, 0), "1.925929944387235853055977942584927D-034"},
        {"largest finite", 16, word128(0x7FFEFFFFFFFFFFFFU, ones),
         "1.145669756344548161919429759370211D+4898"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::to_string(row.kind) + " " + row.what);
        show_value(row.kind, row.x);
        select_row(ULP_ROW);
        EXPECT_EQ(text(IDC_NEAREST), row.text);
        EXPECT_EQ(text(IDC_NEAREST_LABEL), "        ULP(X)");
    }
}

TEST_F(ParameterList, EpsilonRowDefinesEpsilonInTheKindsNotation) {
    struct Row {
        int kind;
        const char* text;
    };
    const Row rows[] = {
        {4, "Epsilon = ULP(1.0)."}, {8, "Epsilon = ULP(1.D0)."}, {16, "Epsilon = ULP(1.Q0)."}};
    for (const auto& row : rows) {
        show_value(row.kind, 0);
        select_row(EPSILON_ROW);
        EXPECT_EQ(text(IDC_NEAREST), row.text) << row.kind;
        EXPECT_EQ(text(IDC_NEAREST_LABEL), "Epsilon") << row.kind;
    }
}

TEST_F(ParameterList, ExponentAndSignificandRowsShowTheirReadOuts) {
    show_value(4, binary32_one);
    select_row(EXPONENT_ROW);
    EXPECT_EQ(text(IDC_NEAREST), "0");
    EXPECT_EQ(text(IDC_NEAREST_LABEL), "Exponentul reprezentarii (E)");
    select_row(SIGNIFICAND_ROW);
    EXPECT_EQ(text(IDC_NEAREST), "1.0000000E+00");
    EXPECT_EQ(text(IDC_NEAREST_LABEL), "     Semnificand");
}

// A kind chosen after a rebuild zeroes its edits and leaves the list usable: rows 1 and 2
// read the zeroed edits with the class of the X rebuilt before (a normal binary32 number),
// the others the X the new kind kept.
TEST_F(ParameterList, AfterAKindChangeTheRowsReadTheNewEditsWithTheOldClass) {
    show_value(4, binary32_one);
    COMUN.X8 = -2.0;
    ASSERT_TRUE(user_click(dialog(), IDC_KIND64));
    ASSERT_TRUE(enabled(IDC_PARAM_LIST));
    const char* expected[][2] = {
        {"-1023", "Exponentul reprezentarii (E)"},
        {"1.000000000000000E+00", "     Semnificand"},
        {"4.4408920985006262D-16", "        ULP(X)"},
        {"-1.9999999999999998D+00", "      Nearest, > X"},
    };
    for (int row = EXPONENT_ROW; row <= X_PLUS_ROW; ++row) {
        select_row(row);
        EXPECT_EQ(text(IDC_NEAREST), expected[row - 1][0]) << row;
        EXPECT_EQ(text(IDC_NEAREST_LABEL), expected[row - 1][1]) << row;
    }
}

TEST_F(ParameterList, CheckBoxIsUsableOnlyWhileANeighbourIsShown) {
    show_value(4, binary32_one);
    for (const bool checked : {false, true}) {
        for (int row = EXPONENT_ROW; row <= EPSILON_ROW; ++row) {
            set_binary(checked);
            DIALOG_SET_FLAG(dialog(), IDC_BINARY_XPM, row % 2 == 0, PROP_ENABLED);
            select_row(row);
            const bool neighbour = row == X_PLUS_ROW || row == X_MINUS_ROW;
            EXPECT_EQ(enabled(IDC_BINARY_XPM), neighbour) << row;
            EXPECT_EQ(this->checked(IDC_BINARY_XPM), checked) << row;
            EXPECT_EQ(COMUN.LIST_INDEX, row);
        }
    }
}

TEST_F(ParameterList, NoSelectionLeavesTheReadOutAsItWas) {
    show_value(4, binary32_one);
    select_row(ULP_ROW);
    DIALOG_SET_INT(dialog(), IDC_PARAM_LIST, 0, 1);
    DIALOG_SET_FLAG(dialog(), IDC_BINARY_XPM, true, PROP_ENABLED);
    SUB_LIST(dialog(), IDC_PARAM_LIST, EVENT_SELECTION_CHANGED);
    EXPECT_EQ(COMUN.LIST_INDEX, 0);
    EXPECT_EQ(text(IDC_NEAREST), "1.1920929E-07");
    EXPECT_EQ(text(IDC_NEAREST_LABEL), "        ULP(X)");
    EXPECT_FALSE(enabled(IDC_BINARY_XPM));
}

} // namespace
} // namespace binora::testing
