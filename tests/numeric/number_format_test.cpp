#include "numeric/number_format.hpp"

#include "model/fixed_text.hpp"
#include "numeric/storage_word.hpp"
#include "testing/words.hpp"

#include <gtest/gtest.h>

#include <string>

namespace binora {
namespace {

Word128 word128(std::uint64_t high, std::uint64_t low) {
    return (static_cast<Word128>(high) << 64) | low;
}

// The formatted text of a value given by its storage word, in the form of its own kind.
std::string formatted(int kind, Word128 word, const NumberForm& form) {
    if (kind == 4) return format_number(binary32_from_word(static_cast<std::uint32_t>(word)), form);
    if (kind == 8) return format_number(binary64_from_word(static_cast<std::uint64_t>(word)), form);
    return format_number(binary128_from_word(word), form);
}

enum class Form { significand, plain, signed_plus };

NumberForm form_of(Form form, int kind) {
    if (form == Form::significand) return find_format(kind)->significand_form;
    return kind_form(*find_format(kind), form == Form::signed_plus);
}

struct Row {
    Form form;
    int kind;
    Word128 word;
    const char* text; // without the leading blanks
};

// Field widths: "(1pE14.7)", "(1pE22.15)", "(1pE41.33)"; "(1pE)" and "(1pD)" by kind.
std::size_t field_width(Form form, int kind) {
    if (form == Form::significand) return kind == 4 ? 14 : kind == 8 ? 22 : 41;
    return kind == 4 ? 15 : kind == 8 ? 25 : 42;
}

TEST(NumberFormat, EveryFormWritesItsFieldExactly) {
    const Row rows[] = {
        // "(1pE14.7)", "(1pE22.15)", "(1pE41.33)"
        {Form::significand, 4, 0x3FC00000, "1.5000000E+00"},
        {Form::significand, 4, 0x00000000, "0.0000000E+00"},
        {Form::significand, 4, 0x34000000, "1.1920929E-07"},
        {Form::significand, 8, 0x3FFFFFFFFFFFFFFF, "2.000000000000000E+00"}, // 2 - 2^-52 rounds up
        {Form::significand, 8, 0x3FF8000000000000, "1.500000000000000E+00"},
        {Form::significand, 16, word128(0x3FFF800000000000, 0),
         "1.500000000000000000000000000000000E+00"},
        {Form::significand, 16, word128(0x3FFF000000000000, 0x8000000000000000),
         "1.000000000000001776356839400250465E+00"},
        // "(SP,1pE)", "(SP,1pD)"
        {Form::signed_plus, 4, 0x3DCCCCCD, "+1.0000000E-01"},
        {Form::signed_plus, 8, 0x3FB999999999999A, "+1.0000000000000001D-01"},
        {Form::signed_plus, 16, word128(0x3FFB999999999999, 0x999999999999999A),
         "+1.000000000000000000000000000000000D-001"},
        {Form::signed_plus, 8, 0x7FEFFFFFFFFFFFFF, "+1.7976931348623157D+308"},
        {Form::signed_plus, 16, word128(0x7FFEFFFFFFFFFFFF, 0xFFFFFFFFFFFFFFFF),
         "+1.189731495357231765085759326628007D+4932"},
        {Form::signed_plus, 4, 0x00000000, "+0.0000000E+00"},
        {Form::signed_plus, 4, 0x80000000, "-0.0000000E+00"},
        {Form::signed_plus, 8, 0xC002000000000000, "-2.2500000000000000D+00"},
        {Form::signed_plus, 4, 0x7F800000, "+Infinity"},
        {Form::signed_plus, 8, 0xFFF0000000000000, "-Infinity"},
        {Form::signed_plus, 16, word128(0x7FFF800000000000, 0), "NaN"},
        {Form::signed_plus, 4, 0xFFC00000, "NaN"},
        // "(1pE)", "(1pD)"
        {Form::plain, 4, 0x34000000, "1.1920929E-07"},
        {Form::plain, 4, 0x00000001, "1.4012985E-45"},
        {Form::plain, 4, 0x7F7FFFFF, "3.4028235E+38"},
        {Form::plain, 4, 0x73800000, "2.0282410E+31"},
        {Form::plain, 8, 0x3CB0000000000000, "2.2204460492503131D-16"},
        {Form::plain, 8, 0x0000000000000001, "4.9406564584124654D-324"},
        {Form::plain, 8, 0x7CA0000000000000, "1.9958403095347198D+292"},
        {Form::plain, 16, word128(0x3F8F000000000000, 0),
         "1.925929944387235853055977942584927D-034"},
        {Form::plain, 16, word128(0, 1), "6.475175119438025110924438958227647D-4966"},
        {Form::plain, 16, word128(0x7F8E000000000000, 0),
         "1.145669756344548161919429759370211D+4898"},
        {Form::plain, 4, 0x80000000, "-0.0000000E+00"},
        {Form::plain, 4, 0xFF800000, "-Infinity"},
        {Form::plain, 4, 0x7F800000, "Infinity"},
    };
    for (const auto& row : rows) {
        const std::string text = formatted(row.kind, row.word, form_of(row.form, row.kind));
        const std::string where =
            std::to_string(row.kind) + " " + hex_string(row.word, row.kind * 8);
        EXPECT_EQ(trim_left(text), row.text) << where;
        EXPECT_EQ(text.size(), field_width(row.form, row.kind)) << where;
    }
}

TEST(NumberFormat, ExponentDigitsGrowAndATextLongerThanTheFieldIsNotCut) {
    const NumberForm narrow = {8, 3, 'Q', 1, true};
    EXPECT_EQ(format_number(1.5, narrow), "+1.500Q+0");
    EXPECT_EQ(format_number(1e-300, narrow), "+1.000Q-300");
    EXPECT_EQ(format_number(0.0F, narrow), "+0.000Q+0");
}

TEST(NumberFormat, DecimalPointIsAPointWhateverTheUserLocale) {
    locale_t comma = newlocale(LC_ALL_MASK, "de_DE.UTF-8", static_cast<locale_t>(nullptr));
    if (comma == nullptr) GTEST_SKIP() << "no locale with a decimal comma is installed";
    const locale_t previous = uselocale(comma);
    const std::string text32 = format_number(1.5F, kind_form(FORMATS[0]));
    const std::string text128 = format_number(static_cast<__float128>(1.5), kind_form(FORMATS[2]));
    uselocale(previous);
    freelocale(comma);
    EXPECT_EQ(trim_left(text32), "1.5000000E+00");
    EXPECT_EQ(trim_left(text128), "1.500000000000000000000000000000000D+000");
}

} // namespace
} // namespace binora
