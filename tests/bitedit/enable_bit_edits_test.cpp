// Only the edits of the current kind are enabled; the others keep their texts.

#include "bitedit/enable_bit_edits.hpp"
#include "dialog/dialog_operations.hpp"
#include "main_dialog_test.hpp"
#include "model/fixed_text.hpp"
#include "resources/resource.hpp"
#include "state/comun.hpp"

#include <string>
#include <vector>

namespace binora::testing {
namespace {

class EnableBitEdits : public MainDialogTest {
  protected:
    void use_kind(int kind) {
        COMUN.KIND_REAL = kind;
        ENABLEBITEDITS(dialog(), 0, EVENT_CLICKED);
    }
};

TEST_F(EnableBitEdits, OnlyTheCurrentKindsEditsAreEnabled) {
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
