// The infinity and NaN fill leaves other kinds alone; only the edits of the current kind are
// enabled. (What a typed spelling fills is followed through the dialog in
// typed_patterns_test.cpp.)

#include "bitedit/enable_bit_edits.hpp"
#include "bitedit/set_edits_infinity_nan.hpp"
#include "current/class_state.hpp"
#include "dialog/dialog_operations.hpp"
#include "main_dialog_test.hpp"
#include "model/comun.hpp"
#include "model/fixed_text.hpp"
#include "resources/resource.hpp"

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
