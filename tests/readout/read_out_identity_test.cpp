// One computation, two views: what the windowless main dialog shows after a value is typed
// (or its word typed into the bit edits), its sign edit entered and every row of the
// parameter list selected (the neighbours once more with the Binary box checked) is, text by
// text, what the read-out core gives for the stored word; and the core's reader of typed
// texts finds the word the window stores. Every kind, both languages.

#include "bit_patterns.hpp"
#include "main_dialog_test.hpp"
#include "model/format_traits.hpp"
#include "readout/typed_value.hpp"
#include "readout/value_read_out.hpp"
#include "resources/resource.hpp"
#include "state/comun.hpp"
#include "testing/user_input.hpp"

#include <string>
#include <string_view>

namespace binora::testing {
namespace {

// Typed texts and, after "0x", storage words typed bit field by bit field.
constexpr std::string_view INPUTS[] = {
    "0.1",
    "-1.5e-3",
    "  1",
    "1D300",
    "-0",
    ",5",
    "Infinity",
    "-inf",
    "nan",
    "-NaN",
    "1e-45",
    "2.5e-310",
    "6.02214076e23",
    "3.4028235e38",
    "1.17549435e-38",
    "0.333333333333333333333333333333333333",
    "65504",
    "-7.5E-4933",
};
struct WordRow {
    int kind;
    const char* hex;
};
constexpr WordRow WORDS[] = {
    {4, "7F7FFFFF"},
    {4, "00000001"},
    {4, "80800000"},
    {4, "7FC00001"},
    {4, "FF800000"},
    {8, "7FEFFFFFFFFFFFFF"},
    {8, "8000000000000001"},
    {8, "0010000000000000"},
    {8, "FFF0000000000001"},
    {16, "7FFEFFFFFFFFFFFFFFFFFFFFFFFFFFFF"},
    {16, "00000000000000000000000000000001"},
    {16, "BFFF0000000000000000000000000000"},
    {16, "7FFF8000000000000000000000000000"},
};

class ReadOutIdentity : public MainDialogTest {
  protected:
    // Starts a value of kind `kind` in language `lang` as a user would: language and kind
    // radios (the kind zeroes its bit edits), with X as after start-up.
    void start(int kind, Language lang) {
        kind_ = kind;
        lang_ = lang;
        user_click(dialog(), lang == Language::english ? IDC_LANG_EN : IDC_LANG_RO);
        COMUN.X4 = 0.0F;
        COMUN.X8 = 0.0;
        COMUN.X16 = 0;
        user_click(dialog(), kind_radio());
    }

    void type(std::string_view text) { user_replace_text(dialog(), IDC_VALUE_X, text); }

    void type_word(std::string_view hex) {
        const std::string bits = bits_of_hex(hex);
        std::size_t at = 0;
        for (const Field& field : fields_of(kind_)) {
            user_replace_text(dialog(), field.edit, bits.substr(at, field.bits));
            at += field.bits;
        }
    }

    // The word now in the bit edits.
    Word128 shown_word() {
        std::string bits;
        for (const Field& field : fields_of(kind_))
            bits += text(field.edit);
        return word_from_bit_string(bits);
    }

    // Enters the sign edit, selects every row and compares each control with the core.
    void check(const std::string& where) {
        const std::vector<Field> fields = fields_of(kind_);
        user_focus(dialog(), fields[0].edit);
        const FormatTraits& format = *find_format(kind_);
        read_out_value(format, shown_word(), lang_, core_);
        const std::string significand =
            text(fields[2].edit) + (fields.size() > 3 ? text(fields[3].edit) : "");
        EXPECT_EQ(text(fields[0].edit), core_.sign) << where;
        EXPECT_EQ(text(fields[1].edit), core_.exponent) << where;
        EXPECT_EQ(significand, core_.significand) << where;
        EXPECT_EQ(text(IDC_DATATYPE), core_.class_text) << where;
        EXPECT_EQ(text(IDC_VALUE_X), core_.value) << where;
        EXPECT_EQ(enabled(IDC_PARAM_LIST), core_.finite) << where;
        if (!core_.finite) return;
        const RowText* decimal_rows[] = {&core_.exponent_row, &core_.significand_row,
                                         &core_.ulp_row,      &core_.next_up,
                                         &core_.next_down,    &core_.epsilon_row};
        for (int row = 1; row <= 5; ++row)
            select_and_compare(row, *decimal_rows[row - 1], where);
        // The Binary box is usable while a neighbour row is selected.
        EXPECT_TRUE(user_click(dialog(), IDC_BINARY_XPM)) << where;
        select_and_compare(4, core_.next_up_bits, where + " binary");
        select_and_compare(5, core_.next_down_bits, where + " binary");
        user_click(dialog(), IDC_BINARY_XPM);
        select_and_compare(6, core_.epsilon_row, where);
    }

  private:
    int kind_radio() const {
        return kind_ == 4 ? IDC_KIND32 : (kind_ == 8 ? IDC_KIND64 : IDC_KIND128);
    }

    void select_and_compare(int row, const RowText& core_row, const std::string& where) {
        EXPECT_TRUE(user_select_row(dialog(), IDC_PARAM_LIST, row)) << where;
        EXPECT_EQ(text(IDC_NEAREST), core_row.text) << where << " row " << row;
        EXPECT_EQ(text(IDC_NEAREST_LABEL), core_row.caption) << where << " row " << row;
    }

    int kind_ = 4;
    Language lang_ = Language::romanian;
    ValueReadOut core_;
};

TEST_F(ReadOutIdentity, TypedValuesShowTheCoresTexts) {
    for (const int kind : {4, 8, 16}) {
        for (const Language lang : {Language::romanian, Language::english}) {
            for (const std::string_view input : INPUTS) {
                const std::string where = std::string(input) + " kind " + std::to_string(kind) +
                                          " lang " + std::to_string(static_cast<int>(lang));
                start(kind, lang);
                message_boxes.clear();
                type(input);
                const TypedWord typed = read_typed_value(*find_format(kind), input);
                if (typed.status == TypedStatus::invalid) {
                    ASSERT_EQ(message_boxes.boxes().size(), 1U) << where;
                    EXPECT_EQ(message_boxes.boxes()[0].text, INVALID_VALUE_TEXT) << where;
                    EXPECT_EQ(message_boxes.boxes()[0].caption, ERROR_CAPTION) << where;
                    continue;
                }
                EXPECT_TRUE(message_boxes.boxes().empty()) << where;
                // A text that holds no number shows X as it was, here +0.
                const Word128 word = typed.status == TypedStatus::ok ? typed.word : 0;
                EXPECT_TRUE(shown_word() == word) << where;
                check(where);
            }
        }
    }
}

TEST_F(ReadOutIdentity, WordsTypedIntoTheBitEditsShowTheCoresTexts) {
    for (const WordRow& row : WORDS) {
        for (const Language lang : {Language::romanian, Language::english}) {
            const std::string where =
                std::string(row.hex) + " lang " + std::to_string(static_cast<int>(lang));
            start(row.kind, lang);
            type_word(row.hex);
            check(where);
        }
    }
}

} // namespace
} // namespace binora::testing
