// The main dialog as start-up wires it: bit patterns typed into the bit edits, and infinity
// and NaN spellings typed into the value edit, followed through the controller.

#include "bit_patterns.hpp"
#include "dialog/dialog_operations.hpp"
#include "dialog/user_input.hpp"
#include "main_dialog_test.hpp"
#include "model/comun.hpp"
#include "shell/resources/resource.hpp"

#include <string>
#include <vector>

namespace binora::testing {
namespace {

struct Field {
    int edit;
    std::size_t bits;
};

std::vector<Field> fields_of(int kind) {
    if (kind == 4) return {{IDC_S32, 1}, {IDC_E32, 8}, {IDC_F32, 23}};
    if (kind == 8) return {{IDC_S64, 1}, {IDC_E64, 11}, {IDC_F64, 52}};
    return {{IDC_S128, 1}, {IDC_E128, 15}, {IDC_F128_48, 48}, {IDC_F128_64, 64}};
}

int kind_radio(int kind) {
    return kind == 4 ? IDC_KIND32 : kind == 8 ? IDC_KIND64 : IDC_KIND128;
}

class TypedPatterns : public MainDialogTest {
  protected:
    void SetUp() override {
        MainDialogTest::SetUp();
        ASSERT_TRUE(user_click(dialog(), IDC_LANG_EN));
    }
};

TEST_F(TypedPatterns, TypingEveryFieldRebuildsXExactly) {
    struct Row {
        int kind;
        const char* hex;
        const char* class_text;
    };
    const Row rows[] = {
        {4, "80000000", "Signed Zero"},
        {4, "00000001", "Denormalized Number"},
        {4, "007FFFFF", "Denormalized Number"},
        {4, "00800000", "Normalized Number: Real(4)"},
        {4, "7F7FFFFF", "Normalized Number: Real(4)"},
        {4, "3F800000", "Normalized Number: Real(4)"},
        {4, "FF800000", "Signed Infinity"},
        {4, "7FC00123", "Not-a-Number"},
        {4, "7F800123", "Not-a-Number"},
        {8, "0000000000000000", "Signed Zero"},
        {8, "0000000000000001", "Denormalized Number"},
        {8, "000FFFFFFFFFFFFF", "Denormalized Number"},
        {8, "0010000000000000", "Normalized Number: Real(8)"},
        {8, "7FEFFFFFFFFFFFFF", "Normalized Number: Real(8)"},
        {8, "7FF0000000000000", "Signed Infinity"},
        {8, "FFF8000000000ABC", "Not-a-Number"},
        {8, "7FF0000000000ABC", "Not-a-Number"},
        {16, "80000000000000000000000000000000", "Signed Zero"},
        {16, "00000000000000000000000000000001", "Denormalized Number"},
        {16, "0000FFFFFFFFFFFFFFFFFFFFFFFFFFFF", "Denormalized Number"},
        {16, "00010000000000000000000000000000", "Normalized Number: Real(16)"},
        {16, "FFFEFFFFFFFFFFFFFFFFFFFFFFFFFFFF", "Normalized Number: Real(16)"},
        {16, "3FFF0000000000000000000000000000", "Normalized Number: Real(16)"},
        {16, "7FFF0000000000000000000000000000", "Signed Infinity"},
        {16, "7FFF8000000000000000000000000ABC", "Not-a-Number"},
        {16, "FFFF0000000000000000000000000ABC", "Not-a-Number"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.hex);
        ASSERT_TRUE(user_click(dialog(), kind_radio(row.kind)));
        const std::string bits = bits_of_hex(row.hex);
        std::size_t at = 0;
        for (const Field& field : fields_of(row.kind)) {
            ASSERT_TRUE(DIALOG_SET_TEXT(dialog(), field.edit, ""));
            ASSERT_TRUE(user_type(dialog(), field.edit, bits.substr(at, field.bits)));
            at += field.bits;
        }
        EXPECT_TRUE(message_boxes.texts().empty());
        EXPECT_EQ(hex_of_x(row.kind), row.hex);
        EXPECT_EQ(text(IDC_DATATYPE), row.class_text);
        const std::string shown = row.class_text;
        EXPECT_EQ(enabled(IDC_PARAM_LIST), shown != "Signed Infinity" && shown != "Not-a-Number");
    }
}

TEST_F(TypedPatterns, InfinityAndNanSpellingsFillTheEditsAndClassifyOnEntry) {
    struct Row {
        int kind;
        const char* typed;
        const char* hex;
        const char* class_text;
    };
    const Row rows[] = {
        {8, "-Inf", "FFF0000000000000", "Signed Infinity"},
        {8, "nan", "7FFFFFFFFFFFFFFF", "Not-a-Number"},
        {4, "-nan", "FFFFFFFF", "Not-a-Number"},
        {16, "+Infinity", "7FFF0000000000000000000000000000", "Signed Infinity"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.typed);
        ASSERT_TRUE(user_click(dialog(), kind_radio(row.kind)));
        ASSERT_TRUE(user_replace_text(dialog(), IDC_VALUE_X, row.typed));
        std::string shown;
        for (const Field& field : fields_of(row.kind))
            shown += text(field.edit);
        EXPECT_EQ(shown, bits_of_hex(row.hex));
        EXPECT_EQ(text(IDC_DATATYPE), "");

        ASSERT_TRUE(user_focus(dialog(), fields_of(row.kind)[1].edit));
        EXPECT_EQ(hex_of_x(row.kind), row.hex);
        EXPECT_EQ(text(IDC_DATATYPE), row.class_text);
        EXPECT_FALSE(enabled(IDC_PARAM_LIST));
        EXPECT_EQ(text(IDC_CURSOR_POS), "0");
    }
    EXPECT_TRUE(message_boxes.texts().empty());
}

} // namespace
} // namespace binora::testing
