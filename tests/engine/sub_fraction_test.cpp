#include "engine/sub_list.hpp"

#include "current/window_read_out.hpp"
#include "dialog/dialog_operations.hpp"
#include "main_dialog_test.hpp"
#include "model/fixed_text.hpp"
#include "model/format_traits.hpp"
#include "resources/resource.hpp"
#include "state/comun.hpp"
#include "test_words.hpp"
#include "testing/words.hpp"

namespace binora::testing {
namespace {

using SubFraction = MainDialogTest;

struct Row {
    int kind;
    Word128 word;
    const char* significand;
};

TEST_F(SubFraction, ShowsTheSignificandOfTheBitsInTheEdits) {
    const Row rows[] = {
        {4, 0x3FC00000, "1.5000000E+00"},
        {4, 0xBFC00000, "1.5000000E+00"}, // the sign is not part of the significand
        {4, 0x00000000, "0.0000000E+00"},
        {4, 0x00000001, "1.1920929E-07"},
        {4, 0x00400000, "5.0000000E-01"},
        {4, 0x7F7FFFFF, "1.9999999E+00"},
        {8, 0x3FF8000000000000, "1.500000000000000E+00"},
        {8, 0x000FFFFFFFFFFFFF, "9.999999999999998E-01"},
        {16, word128(0x3FFF800000000000, 0), "1.500000000000000000000000000000000E+00"},
        {16, word128(0x3FFF000000000000, 0x8000000000000000),
         "1.000000000000001776356839400250465E+00"},
        {16, word128(0, 1), "1.925929944387235853055977942584927E-34"},
        {16, word128(0x8000000000000000, 0), "0.000000000000000000000000000000000E+00"},
    };
    for (const auto& row : rows) {
        const FormatTraits& f = *find_format(row.kind);
        COMUN.KIND_REAL = row.kind;
        COMUN.LANG = Language::english;
        show_word(row.kind, row.word);
        keep_class_flags(class_of_word(f, row.word));
        SUB_FRACTION(dialog());
        const std::string where = hex_string(row.word, f.storage_bits);
        EXPECT_EQ(text(IDC_NEAREST), row.significand) << where;
        EXPECT_EQ(text(IDC_NEAREST_LABEL), "     Significand") << where;
    }
}

TEST_F(SubFraction, LabelFollowsTheLanguage) {
    show_word(4, 0x3F800000);
    COMUN.IS_FINITE = true;
    SUB_FRACTION(dialog());
    EXPECT_EQ(text(IDC_NEAREST), "1.0000000E+00");
    EXPECT_EQ(text(IDC_NEAREST_LABEL), "     Semnificand");
}

} // namespace
} // namespace binora::testing
