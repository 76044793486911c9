// Typed infinity and NaN spellings fill the bit edits; entering an edit then rebuilds X
// and shows the class. Only the edits of the current kind are enabled.

#include "bit_patterns.hpp"
#include "bitedit/enable_bit_edits.hpp"
#include "bitedit/set_edits_infinity_nan.hpp"
#include "dialog/dialog_operations.hpp"
#include "dialog/user_input.hpp"
#include "engine/classify.hpp"
#include "main_dialog_test.hpp"
#include "model/comun.hpp"
#include "model/fixed_text.hpp"
#include "shell/resources/resource.hpp"

#include <string>
#include <vector>

namespace binora::testing {
namespace {

class InfinityNanFill : public MainDialogTest {
  protected:
    void use_kind(int kind) {
        COMUN.KIND_REAL = kind;
        ENABLEBITEDITS(dialog(), 0, EVENT_CLICKED);
    }
    void typed(const char* value) {
        COMUN.VALUE_CHAR = pad_to(value, VALUE_CHAR_LENGTH);
        ISINFINITY_OR_NAN();
        SETEDITSFORINFINITY_NAN(dialog(), IDC_VALUE_X, EVENT_CHANGED);
    }
};

TEST_F(InfinityNanFill, FillsTheEditsAndEnteringOneClassifiesThem) {
    struct Row {
        int kind;
        const char* typed;
        std::vector<int> edits;
        const char* hex; // what the edits hold, and X once an edit is entered
        const char* english;
    };
    const std::vector<int> k4{IDC_S32, IDC_E32, IDC_F32};
    const std::vector<int> k8{IDC_S64, IDC_E64, IDC_F64};
    const std::vector<int> k16{IDC_S128, IDC_E128, IDC_F128_48, IDC_F128_64};
    const Row rows[] = {
        {8, "-Inf", k8, "FFF0000000000000", "Signed Infinity"},
        {8, "nan", k8, "7FFFFFFFFFFFFFFF", "Not-a-Number"},
        {8, "-nan(0x1)", k8, "FFFFFFFFFFFFFFFF", "Not-a-Number"},
        {4, "nan", k4, "7FFFFFFF", "Not-a-Number"},
        {4, "+Infinity", k4, "7F800000", "Signed Infinity"},
        {16, "-infinity", k16, "FFFF0000000000000000000000000000", "Signed Infinity"},
        {16, "NaN", k16, "7FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF", "Not-a-Number"},
    };
    COMUN.LANG = LANG_ENGLISH;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.typed);
        use_kind(row.kind);
        ASSERT_TRUE(DIALOG_SET_TEXT(dialog(), IDC_DATATYPE, ""));
        COMUN.X4 = 1.0F;
        COMUN.X8 = 1.0;
        COMUN.X16 = 1;
        const std::string one = hex_of_x(row.kind);
        typed(row.typed);

        // Each edit shows its part of the pattern; X is not rebuilt yet.
        const std::string bits = bits_of_hex(row.hex);
        std::string shown;
        for (int edit : row.edits)
            shown += text(edit);
        EXPECT_EQ(shown, bits);
        EXPECT_EQ(text(row.edits[1]), std::string(text(row.edits[1]).size(), '1'));
        EXPECT_EQ(text(IDC_DATATYPE), "");
        EXPECT_EQ(hex_of_x(row.kind), one);

        ASSERT_TRUE(user_focus(dialog(), row.edits[2]));
        EXPECT_EQ(hex_of_x(row.kind), row.hex);
        EXPECT_EQ(text(IDC_DATATYPE), row.english);
        EXPECT_FALSE(enabled(IDC_PARAM_LIST));
    }
}

TEST_F(InfinityNanFill, AnUnknownKindChangesNothing) {
    const std::vector<std::string> before{text(IDC_S32), text(IDC_E32), text(IDC_F32)};
    COMUN.KIND_REAL = 0;
    typed("-Inf");
    EXPECT_EQ((std::vector<std::string>{text(IDC_S32), text(IDC_E32), text(IDC_F32)}), before);
}

TEST_F(InfinityNanFill, OnlyTheCurrentKindsEditsAreEnabled) {
    const int kinds[] = {4, 8, 16};
    const std::vector<std::pair<int, int>> edits{
        {IDC_S32, 4}, {IDC_E32, 4},   {IDC_F32, 4},   {IDC_S64, 8},      {IDC_E64, 8},
        {IDC_F64, 8}, {IDC_S128, 16}, {IDC_E128, 16}, {IDC_F128_48, 16}, {IDC_F128_64, 16}};
    for (int kind : kinds) {
        ASSERT_TRUE(DIALOG_SET_TEXT(dialog(), IDC_E32, "101"));
        use_kind(kind);
        for (auto [edit, owner] : edits)
            EXPECT_EQ(enabled(edit), owner == kind) << edit;
        EXPECT_EQ(text(IDC_E32), "101");
    }
}

} // namespace
} // namespace binora::testing
