// The main dialog as start-up wires it: bit patterns typed into the bit edits, and infinity
// and NaN spellings typed into the value edit, followed through the controller.

#include "bit_patterns.hpp"
#include "dialog/dialog_operations.hpp"
#include "main_dialog_test.hpp"
#include "model/fixed_text.hpp"
#include "resources/resource.hpp"
#include "state/comun.hpp"
#include "testing/user_input.hpp"

#include <string>
#include <vector>

namespace binora::testing {
namespace {

int kind_radio(int kind) {
    return kind == 4 ? IDC_KIND32 : kind == 8 ? IDC_KIND64 : IDC_KIND128;
}

struct ClassText {
    const char* english;
    const char* romanian;
    bool finite;
};

const ClassText ZERO{"Signed Zero", "Zero cu semn", true};
const ClassText SUBNORMAL{"Denormalized Number", "Numar denormalizat", true};
const ClassText NORMAL4{"Normalized Number: Real(4)", "Numar normalizat: Real(4)", true};
const ClassText NORMAL8{"Normalized Number: Real(8)", "Numar normalizat: Real(8)", true};
const ClassText NORMAL16{"Normalized Number: Real(16)", "Numar normalizat: Real(16)", true};
const ClassText INFINITY_{"Signed Infinity", "Infinit cu semn", false};
const ClassText NAN_{"Not-a-Number", "Non-Numar", false};

class TypedPatterns : public MainDialogTest {
  protected:
    void SetUp() override {
        MainDialogTest::SetUp();
        ASSERT_TRUE(user_click(dialog(), IDC_LANG_EN));
    }

    // The class text in English, then in Romanian after a language click.
    void expect_class(const ClassText& expected) {
        EXPECT_EQ(text(IDC_DATATYPE), expected.english);
        EXPECT_EQ(enabled(IDC_PARAM_LIST), expected.finite);
        ASSERT_TRUE(user_click(dialog(), IDC_LANG_RO));
        EXPECT_EQ(text(IDC_DATATYPE), expected.romanian);
        ASSERT_TRUE(user_click(dialog(), IDC_LANG_EN));
    }
};

TEST_F(TypedPatterns, TypingEveryFieldRebuildsXExactly) {
    struct Row {
        int kind;
        const char* hex;
        ClassText class_text;
    };
    const Row rows[] = {
        {4, "00000000", ZERO},
        {4, "80000000", ZERO},
        {4, "00000001", SUBNORMAL},
        {4, "007FFFFF", SUBNORMAL},
        {4, "00800000", NORMAL4},
        {4, "7F7FFFFF", NORMAL4},
        {4, "3F800000", NORMAL4},
        {4, "7F800000", INFINITY_},
        {4, "FF800000", INFINITY_},
        {4, "7FC00123", NAN_}, // quiet NaN with payload
        {4, "7F800123", NAN_}, // signalling NaN with payload
        {4, "FFC00000", NAN_},
        {8, "0000000000000000", ZERO},
        {8, "8000000000000000", ZERO},
        {8, "0000000000000001", SUBNORMAL},
        {8, "000FFFFFFFFFFFFF", SUBNORMAL},
        {8, "0010000000000000", NORMAL8},
        {8, "7FEFFFFFFFFFFFFF", NORMAL8},
        {8, "3FF0000000000000", NORMAL8},
        {8, "7FF0000000000000", INFINITY_},
        {8, "FFF0000000000000", INFINITY_},
        {8, "7FF8000000000ABC", NAN_},
        {8, "7FF0000000000ABC", NAN_},
        {16, "00000000000000000000000000000000", ZERO},
        {16, "80000000000000000000000000000000", ZERO},
        {16, "00000000000000000000000000000001", SUBNORMAL},
        {16, "0000FFFFFFFFFFFFFFFFFFFFFFFFFFFF", SUBNORMAL},
        {16, "00010000000000000000000000000000", NORMAL16},
        {16, "7FFEFFFFFFFFFFFFFFFFFFFFFFFFFFFF", NORMAL16},
        {16, "3FFF0000000000000000000000000000", NORMAL16},
        {16, "7FFF0000000000000000000000000000", INFINITY_},
        {16, "FFFF0000000000000000000000000000", INFINITY_},
        {16, "7FFF8000000000000000000000000ABC", NAN_},
        {16, "7FFF0000000000000000000000000ABC", NAN_},
        {16, "FFFF0000000000010000000000000000", NAN_}, // payload in the 48-bit part
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
        expect_class(row.class_text);
    }
}

TEST_F(TypedPatterns, InfinityAndNanSpellingsFillTheEditsAndClassifyOnEntry) {
    struct Row {
        int kind;
        const char* typed;
        const char* hex;
        ClassText class_text;
    };
    const Row rows[] = {
        {8, "-Inf", "FFF0000000000000", INFINITY_},
        {8, "nan", "7FFFFFFFFFFFFFFF", NAN_},
        {8, "-nan(0x1)", "FFFFFFFFFFFFFFFF", NAN_},
        {4, "nan", "7FFFFFFF", NAN_},
        {4, "+Infinity", "7F800000", INFINITY_},
        {16, "-infinity", "FFFF0000000000000000000000000000", INFINITY_},
        {16, "NaN", "7FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF", NAN_},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.typed);
        ASSERT_TRUE(user_click(dialog(), kind_radio(row.kind)));
        const std::string zero = hex_of_x(row.kind);
        ASSERT_TRUE(user_replace_text(dialog(), IDC_VALUE_X, row.typed));
        // The edits show the pattern; X and the class wait until an edit is entered.
        std::string shown;
        for (const Field& field : fields_of(row.kind))
            shown += text(field.edit);
        EXPECT_EQ(shown, bits_of_hex(row.hex));
        EXPECT_EQ(text(IDC_DATATYPE), "");
        EXPECT_EQ(hex_of_x(row.kind), zero);

        ASSERT_TRUE(user_focus(dialog(), fields_of(row.kind)[1].edit));
        EXPECT_EQ(hex_of_x(row.kind), row.hex);
        expect_class(row.class_text);
        EXPECT_EQ(text(IDC_CURSOR_POS), "0");
    }
    EXPECT_TRUE(message_boxes.texts().empty());
}

} // namespace
} // namespace binora::testing
