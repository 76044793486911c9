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

using SubExponent = MainDialogTest;

struct Row {
    int kind;
    int lang;
    Word128 word;
    const char* exponent;
    const char* label;
};

TEST_F(SubExponent, ShowsTheRepresentationExponentWithItsMark) {
    const Row rows[] = {
        {4, 2, 0x00800000, "-126", "Representation Exponent (Emin)"},
        {4, 2, 0x00000001, "-126", "Representation Exponent (Emin)"},
        {4, 2, 0x80000000, "-126", "Representation Exponent (Emin)"},
        {4, 2, 0x7F7FFFFF, "127", "Representation Exponent (Emax)"},
        {4, 2, 0x3F800000, "0", "Representation Exponent (E)"},
        {4, 2, 0x01000000, "-125", "Representation Exponent (E)"},
        {4, 1, 0x3F800000, "0", "Exponentul reprezentarii (E)"},
        {4, 1, 0x00000000, "-126", "Exponentul reprezentarii (Emin)"},
        {8, 2, 0x3FF0000000000000, "0", "Representation Exponent (E)"},
        {8, 2, 0x7FEFFFFFFFFFFFFF, "1023", "Representation Exponent (Emax)"},
        {8, 2, 0x0000000000000001, "-1022", "Representation Exponent (Emin)"},
        {8, 1, 0xC340000000000000, "53", "Exponentul reprezentarii (E)"},
        {16, 2, word128(0x0001000000000000, 0), "-16382", "Representation Exponent (Emin)"},
        {16, 2, word128(0, 1), "-16382", "Representation Exponent (Emin)"},
        {16, 2, word128(0x7FFEFFFFFFFFFFFF, 0xFFFFFFFFFFFFFFFF), "16383",
         "Representation Exponent (Emax)"},
        {16, 1, word128(0xBFFE000000000000, 0), "-1", "Exponentul reprezentarii (E)"},
    };
    for (const auto& row : rows) {
        const FormatTraits& f = *find_format(row.kind);
        COMUN.KIND_REAL = row.kind;
        COMUN.LANG = static_cast<Language>(row.lang);
        show_word(row.kind, row.word);
        keep_class_flags(class_of_word(f, row.word));
        SUB_EXPONENT(dialog());
        const std::string where = hex_string(row.word, f.storage_bits);
        EXPECT_EQ(text(IDC_NEAREST), row.exponent) << where;
        EXPECT_EQ(text(IDC_NEAREST_LABEL), row.label) << where;
    }
}

} // namespace
} // namespace binora::testing
