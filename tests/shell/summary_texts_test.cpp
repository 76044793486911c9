#include "dialog/dialog_operations.hpp"
#include "main_dialog_test.hpp"
#include "resources/resource.hpp"
#include "shell/binora_globals.hpp"
#include "shell/summary_paragraphs.hpp"
#include "state/comun.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace binora {
namespace {

std::string blanks(std::size_t n) {
    return std::string(n, ' ');
}

// Lines joined by CR LF.
std::string crlf_lines(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i)
        text += (i > 0 ? "\r\n" : "") + lines[i];
    return text;
}

const std::string ellipsis = "\x85";

struct ParagraphRow {
    std::string romanian;
    std::string english;
};

// The seven paragraphs as the summary dialog shows them; blank runs counted out.
std::vector<ParagraphRow> expected_paragraphs() {
    return {
        {crlf_lines({"Datele reprezentabile intr-un format in virgula flotanta (Date FP), sunt:",
                     "- Numere Finite:", "1) Numere normale (normalizate)",
                     "2) Numere subnormale (denormalizate)", "3) Zero cu semn"}),
         crlf_lines({"Data representable in a floating-point format (Floating-Point Data) are:",
                     "- Finite Numbers:", "1) Normal numbers (normalized)",
                     "2) Subnormal numbers (denormalized)", "3) Signed Zero"})},
        {crlf_lines({"- Alte Date:", "4) Infinit cu semn", "5) Non-Numere (Not-a-Number)"}),
         crlf_lines({"- Other Data:", "4) Signed Infinity", "5) Non-Numbers (Not-a-Number)"})},
        {crlf_lines(
             {"Datele 1, 2, si 3, se reprezinta printr-o tripleta:" + blanks(2) + "(S, E, sig)",
              "S = bitul de semn;", "E = exponentul (reprezentarii) ;", "sig = semnificand", "",
              "Valoare = (-1)^S * 2^E * sig"}),
         crlf_lines({"Data 1, 2, and 3, are represented by a triple:" + blanks(2) + "(S, E, sig)",
                     "S = sign bit;", "E = (representation) exponent;", "sig = significand", "",
                     "Value =(-1)^S * 2^E * sig"})},
        {crlf_lines({"Codificare exponent \"E\":",
                     "- Datele 2 and 3:" + blanks(2) + "Camp exponent = 00 ... 0",
                     "- Datele 4 and 5:" + blanks(2) + "Camp exponent = 11 ... 1"}),
         crlf_lines({"Exponent encoding:", "- Data 2 and 3: Exponent field = 00 ... 0",
                     "- Data 4 and 5: Exponent field = 11 ... 1"})},
        {crlf_lines({"- Numere normale:" + blanks(10) + "E = Exponent_stocat - deplasare",
                     "- Numere subnormale:" + blanks(2) + "E = Emin",
                     "- Zero cu semn:" + blanks(16) + "E = Emin"}),
         crlf_lines({"- Normal's exponent:" + blanks(11) + "E = Stored exponent - bias",
                     "- Subnormal's exponent:" + blanks(4) + "E = Emin",
                     "- Signed Zero's exponent: E = Emin"})},
        {crlf_lines({"Codificare semnificand \"sig\":",
                     "- Numere normale:" + blanks(11) + "sig = 1.b1b2 " + ellipsis + " bP-1",
                     "- Numere subnormale:" + blanks(4) + "sig = 0.b1b2 " + ellipsis + " bP-1",
                     "- Zero cu semn:" + blanks(17) + "sig = 0.0"}),
         crlf_lines(
             {"Significand encoding:",
              "- Normal's significand:" + blanks(12) + "sig = 1.b1b2 " + ellipsis + " bP-1",
              "- Subnormal's significand:" + blanks(5) + "sig = 0.b1b2 " + ellipsis + " bP-1",
              "- Signed Zero's significand:" + blanks(2) + "sig = 0.0"})},
        {crlf_lines(
             {"- Infinit cu semn:" + blanks(2) + "Camp semnificand" + blanks(2) + "= 00 ... 0",
              "- Not-a-Number:" + blanks(5) + "Camp semnificand diferit de: 00 ... 0"}),
         crlf_lines({"- Signed Infinity:" + blanks(2) + "Significand Field = 00 ... 0",
                     "- Not-a-Number: Significand Field is not 00 ... 0"})},
    };
}

std::string padded(const std::string& text) {
    return text + blanks(180 - text.size());
}

TEST(SummaryTexts, FourteenParagraphsExactlyBlankPaddedTo180) {
    INITIALIZE_STATIC_2();
    const auto expected = expected_paragraphs();
    const auto& g = BINORAGLOBALS;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        ASSERT_LE(expected[i].romanian.size(), 180U);
        ASSERT_LE(expected[i].english.size(), 180U);
        EXPECT_EQ(g.STATIC_2[i][0], padded(expected[i].romanian)) << "paragraph " << i + 1;
        EXPECT_EQ(g.STATIC_2[i][1], padded(expected[i].english)) << "paragraph " << i + 1;
        EXPECT_EQ(g.ID_STATIC_2[i], 1047 + static_cast<int>(i));
    }
}

class SummaryAtStartUp : public testing::MainDialogTest {};

TEST_F(SummaryAtStartUp, SummaryDialogHoldsTheRomanianParagraphs) {
    const auto expected = expected_paragraphs();
    for (std::size_t i = 0; i < expected.size(); ++i) {
        std::string shown;
        const int id = IDC_SUMMARY_1 + static_cast<int>(i);
        ASSERT_TRUE(DIALOG_GET_TEXT(BINORAGLOBALS.SUMMARY_DIALOG, id, shown, 180));
        EXPECT_EQ(shown, padded(expected[i].romanian)) << id;
    }
}

} // namespace
} // namespace binora
