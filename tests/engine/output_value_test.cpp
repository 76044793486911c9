#include "engine/output_value.hpp"

#include "dialog/dialog_operations.hpp"
#include "engine/bits_from_value.hpp"
#include "main_dialog_test.hpp"
#include "model/comun.hpp"
#include "model/fixed_text.hpp"
#include "model/format_traits.hpp"
#include "resources/resource.hpp"
#include "test_words.hpp"

#include <limits>

namespace binora::testing {
namespace {

using OutputValue = MainDialogTest;

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
        OUTPUTVALUE(dialog(), IDC_E32, EVENT_FOCUS_GAINED);
        EXPECT_EQ(text(IDC_VALUE_X), row.canonical) << row.kind << " " << row.typed;
    }
}

TEST_F(OutputValue, InfinitiesAndNans) {
    COMUN.X4 = -std::numeric_limits<float>::infinity();
    OUTPUTVALUE(dialog(), IDC_E32, EVENT_FOCUS_GAINED);
    EXPECT_EQ(text(IDC_VALUE_X), "-Infinity");
    COMUN.KIND_REAL = 8;
    COMUN.X8 = std::numeric_limits<double>::infinity();
    OUTPUTVALUE(dialog(), IDC_E64, EVENT_FOCUS_GAINED);
    EXPECT_EQ(text(IDC_VALUE_X), "+Infinity");
    COMUN.KIND_REAL = 16;
    COMUN.X16 = binary128_from_word(word128(0xFFFF800000000000, 0));
    OUTPUTVALUE(dialog(), IDC_E128, EVENT_FOCUS_GAINED);
    EXPECT_EQ(text(IDC_VALUE_X), "NaN");
}

} // namespace
} // namespace binora::testing
