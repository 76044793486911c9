#include "engine/output_value.hpp"

#include "bitedit/get_edits_retrieve_real.hpp"
#include "dialog/dialog_operations.hpp"
#include "engine/bits_from_value.hpp"
#include "main_dialog_test.hpp"
#include "model/fixed_text.hpp"
#include "model/format_traits.hpp"
#include "resources/resource.hpp"
#include "state/comun.hpp"
#include "test_words.hpp"

namespace binora::testing {
namespace {

class OutputValue : public MainDialogTest {
  protected:
    // X rebuilt from the bit edits, then written back, as entering a bit edit does.
    void rebuild_and_output() {
        GETEDITSANDRETRIEVEREAL(dialog(), IDC_S32, EVENT_FOCUS_GAINED);
        OUTPUTVALUE(dialog(), IDC_S32, EVENT_FOCUS_GAINED);
    }
};

struct Row {
    int kind;
    const char* typed;
    const char* canonical;
};

TEST_F(OutputValue, WritesXBackInItsCanonicalForm) {
    const Row rows[] = {
        {4, "0.1", "+1.0000000E-01"},
        {8, "0.1", "+1.0000000000000001D-01"},
        {16, "0.1", "+1.000000000000000000000000000000000D-001"},
        {4, " -0", "-0.0000000E+00"},
        {8, "1e-320", "+9.9998886718268301D-321"},
        {8, "1.7976931348623157e308", "+1.7976931348623157D+308"},
        {16, "1.189731495357231765085759326628007e4932",
         "+1.189731495357231765085759326628007D+4932"},
        {16, "-1e-4940", "-9.999999999999999999999999804439328D-4941"},
        {4, "-3.4028235e38", "-3.4028235E+38"},
    };
    for (const auto& row : rows) {
        COMUN.KIND_REAL = row.kind;
        COMUN.VALUE_CHAR = pad_to(row.typed, VALUE_CHAR_LENGTH);
        BITSFROMVALUE(dialog());
        rebuild_and_output();
        EXPECT_EQ(text(IDC_VALUE_X), row.canonical) << row.kind << " " << row.typed;
    }
}

TEST_F(OutputValue, InfinitiesAndNans) {
    show_word(4, 0xFF800000U);
    rebuild_and_output();
    EXPECT_EQ(text(IDC_VALUE_X), "-Infinity");
    COMUN.KIND_REAL = 8;
    show_word(8, 0x7FF0000000000000U);
    rebuild_and_output();
    EXPECT_EQ(text(IDC_VALUE_X), "+Infinity");
    COMUN.KIND_REAL = 16;
    show_word(16, word128(0xFFFF800000000000, 0));
    rebuild_and_output();
    EXPECT_EQ(text(IDC_VALUE_X), "NaN");
}

} // namespace
} // namespace binora::testing
