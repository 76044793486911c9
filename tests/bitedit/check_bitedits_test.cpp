// Validation of typed bits on the windowless main dialog: wrong characters become "1",
// surplus characters are cut, each correction announced by its message box.

#include "bitedit/check_bitedits.hpp"
#include "bitedit/enable_bit_edits.hpp"
#include "box_texts.hpp"
#include "dialog/dialog_operations.hpp"
#include "main_dialog_test.hpp"
#include "resources/resource.hpp"
#include "state/comun.hpp"
#include "testing/user_input.hpp"

#include <bit>
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace binora::testing {
namespace {

using Boxes = std::vector<std::string>;
using CheckRoutine = void (*)(DIALOG_RECORD&, int, int);

std::string ones(std::size_t n) {
    return std::string(n, '1');
}
std::string zeros(std::size_t n) {
    return std::string(n, '0');
}

TEST(CheckBitEdit, ReplacesEveryWrongCharacterInTheFirstNOnly) {
    struct Row {
        int n;
        const char* in;
        const char* out;
        bool error;
    };
    const Row rows[] = {
        {4, "0101", "0101", false},  {3, "0 1", "0 1", false},  {4, "0a1b", "0111", true},
        {5, "29x 7", "111 1", true}, {1, "a0", "10", true},     {1, "0a", "0a", false},
        {0, "abc", "abc", false},    {-3, "abc", "abc", false}, {3, "\t-.", "111", true},
    };
    for (const auto& row : rows) {
        std::string text = row.in;
        bool error = !row.error;
        CHECK_BITEDIT(row.n, text, error);
        EXPECT_EQ(text, row.out) << row.in << " n=" << row.n;
        EXPECT_EQ(error, row.error) << row.in << " n=" << row.n;
    }
}

class CheckBitEdits : public MainDialogTest {};

TEST_F(CheckBitEdits, CorrectsTheEditAndShowsItsBoxes) {
    struct Row {
        CheckRoutine check;
        int edit;
        std::string text; // as the user left it
        std::string corrected;
        Boxes boxes;
    };
    const std::string e32 = "01111111", e64 = "10000000001", e128 = "011111111111111";
    const Row rows[] = {
        // Sign edits: only the first character is validated.
        {CHECK_BITEDITS_4, IDC_S32, "", "", {}},
        {CHECK_BITEDITS_4, IDC_S32, "1", "1", {}},
        {CHECK_BITEDITS_4, IDC_S32, "2", "1", {INVALID_BOX}},
        {CHECK_BITEDITS_4, IDC_S32, "01", "0", {EXCESS_BOX}},
        {CHECK_BITEDITS_4, IDC_S32, "0x", "0", {EXCESS_BOX}},
        {CHECK_BITEDITS_4, IDC_S32, "a0", "1", {INVALID_BOX, EXCESS_BOX}},
        {CHECK_BITEDITS_8, IDC_S64, "-", "1", {INVALID_BOX}},
        {CHECK_BITEDITS_16, IDC_S128, "10", "1", {EXCESS_BOX}},
        // Exponent edits: IDC_E32 validates nine characters, IDC_E64 and IDC_E128 their field.
        {CHECK_BITEDITS_4, IDC_E32, "2", "1", {INVALID_BOX}},
        {CHECK_BITEDITS_4, IDC_E32, "0 1", "0 1", {}},
        {CHECK_BITEDITS_4, IDC_E32, e32 + "1", e32, {EXCESS_BOX}},
        {CHECK_BITEDITS_4, IDC_E32, e32 + "x", e32, {INVALID_BOX, EXCESS_BOX}},
        {CHECK_BITEDITS_4, IDC_E32, e32 + "1x", e32, {EXCESS_BOX}},
        {CHECK_BITEDITS_8, IDC_E64, e64 + "7", e64, {EXCESS_BOX}},
        {CHECK_BITEDITS_8, IDC_E64, "7" + e64, "1" + e64.substr(0, 10), {INVALID_BOX, EXCESS_BOX}},
        {CHECK_BITEDITS_8, IDC_E64, "2 a9", "1 11", {INVALID_BOX}},
        {CHECK_BITEDITS_16, IDC_E128, e128 + "x", e128, {EXCESS_BOX}},
        {CHECK_BITEDITS_16, IDC_E128, "0b", "01", {INVALID_BOX}},
        // Significand edits: IDC_F32, IDC_F64 and IDC_F128_48 validate one character beyond.
        {CHECK_BITEDITS_4, IDC_F32, "0a1b", "0111", {INVALID_BOX}},
        {CHECK_BITEDITS_4, IDC_F32, zeros(23) + "c", zeros(23), {INVALID_BOX, EXCESS_BOX}},
        {CHECK_BITEDITS_8, IDC_F64, "a2 3b9 10", "11 111 10", {INVALID_BOX}},
        {CHECK_BITEDITS_8, IDC_F64, ones(52) + "0", ones(52), {EXCESS_BOX}},
        {CHECK_BITEDITS_8, IDC_F64, ones(52) + "Z", ones(52), {INVALID_BOX, EXCESS_BOX}},
        {CHECK_BITEDITS_16, IDC_F128_48, zeros(48) + "1", zeros(48), {EXCESS_BOX}},
        {CHECK_BITEDITS_16, IDC_F128_48, zeros(48) + "z", zeros(48), {INVALID_BOX, EXCESS_BOX}},
        {CHECK_BITEDITS_16, IDC_F128_64, ones(64) + "9", ones(64), {EXCESS_BOX}},
        {CHECK_BITEDITS_16, IDC_F128_64, "8" + ones(63), ones(64), {INVALID_BOX}},
        // An edit of another kind is left alone.
        {CHECK_BITEDITS_4, IDC_E64, "2222", "2222", {}},
        {CHECK_BITEDITS_8, IDC_F128_64, "x", "x", {}},
        {CHECK_BITEDITS_16, IDC_S32, "77", "77", {}},
        {CHECK_BITEDITS_16, IDC_VALUE_X, "1.5", "1.5", {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.edit);
        SCOPED_TRACE(row.text);
        message_boxes.clear();
        ASSERT_TRUE(DIALOG_SET_TEXT(dialog(), row.edit, row.text));
        row.check(dialog(), row.edit, EVENT_CHANGED);
        EXPECT_EQ(text(row.edit), row.corrected);
        EXPECT_EQ(message_boxes.texts(), row.boxes);
    }
}

TEST_F(CheckBitEdits, BoxesHaveCaptionErrorAndTheirIcons) {
    ASSERT_TRUE(DIALOG_SET_TEXT(dialog(), IDC_E32, "000000002"));
    CHECK_BITEDITS_4(dialog(), IDC_E32, EVENT_CHANGED);
    const auto& boxes = message_boxes.boxes();
    ASSERT_EQ(boxes.size(), 2U);
    EXPECT_EQ(boxes[0].caption, "Error");
    EXPECT_EQ(boxes[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(boxes[1].caption, "Error");
    EXPECT_EQ(boxes[1].icon, MessageIcon::Error);
}

// Typing and pasting into the main dialog as start-up wires it.
class TypedBits : public MainDialogTest {
  protected:
    void use_kind(int kind) {
        COMUN.KIND_REAL = kind;
        ENABLEBITEDITS(dialog(), 0, EVENT_CLICKED);
    }
    void empty(int edit) {
        ASSERT_TRUE(DIALOG_SET_TEXT(dialog(), edit, ""));
        ASSERT_TRUE(DIALOG_SET_INT(dialog(), edit, 0, PROP_CARET));
    }
};

TEST_F(TypedBits, AHugePasteIsCutToTheFieldQuickly) {
    use_kind(16);
    empty(IDC_F128_64);
    std::string pasted;
    while (pasted.size() < 5000)
        pasted += "10x1 7";
    pasted.resize(5000);
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(user_paste(dialog(), IDC_F128_64, pasted));
    const auto elapsed = std::chrono::steady_clock::now() - start;

    std::string expected = pasted.substr(0, 64);
    for (char& c : expected)
        if (c != '0' && c != '1' && c != ' ') c = '1';
    EXPECT_EQ(find_control(dialog(), IDC_F128_64)->text, expected);
    EXPECT_EQ(message_boxes.texts(), (Boxes{INVALID_BOX, EXCESS_BOX}));
    // The caret position is shown in full, even past the field.
    EXPECT_EQ(text(IDC_CURSOR_POS), "5000");
    EXPECT_LT(elapsed, std::chrono::milliseconds(500));
}

TEST_F(TypedBits, TheRebuildReadsTheCorrectedBits) {
    use_kind(4);
    ASSERT_TRUE(DIALOG_SET_TEXT(dialog(), IDC_S32, "0"));
    ASSERT_TRUE(DIALOG_SET_TEXT(dialog(), IDC_F32, zeros(23)));
    empty(IDC_E32);
    // "0111111" then a pasted "x8": the wrong characters become "1", the ninth is cut.
    ASSERT_TRUE(user_type(dialog(), IDC_E32, "0111111"));
    ASSERT_TRUE(user_paste(dialog(), IDC_E32, "x8"));
    EXPECT_EQ(text(IDC_E32), "01111111");
    EXPECT_EQ(std::bit_cast<std::uint32_t>(COMUN.X4), 0x3F800000U);
}

} // namespace
} // namespace binora::testing
