// The "0's", "1's" and "0 <--> 1" buttons on all fields or on the current field, and the
// read-outs they reset.

#include "bitedit/bulk_buttons.hpp"
#include "bitedit/flip_bits.hpp"
#include "dialog/dialog_operations.hpp"
#include "main_dialog_test.hpp"
#include "resources/resource.hpp"
#include "state/comun.hpp"
#include "testing/user_input.hpp"

#include <map>
#include <string>

namespace binora::testing {
namespace {

TEST(FlipBits, ComplementsBitsAndBlanksEverythingElse) {
    struct Row {
        int n;
        const char* in;
        const char* out;
    };
    const Row rows[] = {{4, "0110", "1001"}, {3, "101", "010"}, {4, "1 0x", "0 1 "},
                        {3, "1", "0  "},     {2, "0110", "10"}, {0, "01", ""}};
    for (const auto& row : rows) {
        std::string flipped = "old";
        FLIP_BITS(row.n, row.in, flipped);
        EXPECT_EQ(flipped, row.out) << row.in;
    }
}

class BulkButtons : public MainDialogTest {
  protected:
    // Kind, scope and current field as the user left them, with every edit of the three
    // kinds holding `bits` and the read-outs showing something.
    void prepare(int kind, bool all_fields, int field_width, const std::string& bits) {
        COMUN.KIND_REAL = kind;
        COMUN.FIELD_WIDTH = field_width;
        ASSERT_TRUE(user_click(dialog(), all_fields ? IDC_ALL_FIELDS : IDC_CURRENT_FIELD));
        for (int edit : all_edits)
            ASSERT_TRUE(DIALOG_SET_TEXT(dialog(), edit, bits));
        for (int id : {IDC_NEAREST, IDC_NEAREST_LABEL, IDC_DATATYPE, IDC_CURSOR_POS})
            ASSERT_TRUE(DIALOG_SET_TEXT(dialog(), id, "old"));
        ASSERT_TRUE(DIALOG_SET_TEXT(dialog(), IDC_VALUE_X, "+1.5000000E+00"));
        ASSERT_TRUE(DIALOG_SET_FLAG(dialog(), IDC_BINARY_XPM, true, PROP_STATE));
        ASSERT_TRUE(DIALOG_SET_FLAG(dialog(), IDC_PARAM_LIST, true, PROP_ENABLED));
    }

    // The edits whose text is not `bits` any more.
    std::map<int, std::string> changed(const std::string& bits) {
        std::map<int, std::string> result;
        for (int edit : all_edits)
            if (text(edit) != bits) result[edit] = text(edit);
        return result;
    }

    void expect_read_outs_reset() {
        for (int id : {IDC_NEAREST, IDC_NEAREST_LABEL, IDC_DATATYPE, IDC_CURSOR_POS})
            EXPECT_EQ(text(id), "") << id;
        EXPECT_FALSE(checked(IDC_BINARY_XPM));
        EXPECT_FALSE(enabled(IDC_PARAM_LIST));
    }

    static constexpr int all_edits[] = {IDC_S32, IDC_E32,  IDC_F32,  IDC_S64,     IDC_E64,
                                        IDC_F64, IDC_S128, IDC_E128, IDC_F128_48, IDC_F128_64};
};

std::string zeros(std::size_t n) {
    return std::string(n, '0');
}
std::string ones(std::size_t n) {
    return std::string(n, '1');
}

TEST_F(BulkButtons, FillsTheChosenFieldsAndShowsZeroAsValue) {
    struct Row {
        int kind;
        bool all_fields;
        int field_width;
        int button;
        std::map<int, std::string> changed;
    };
    const Row rows[] = {
        {16, false, 15, IDC_ZEROS, {{IDC_E128, zeros(15)}}},
        {16, false, 15, IDC_ONES, {{IDC_E128, ones(15)}}},
        {16, false, 64, IDC_ONES, {{IDC_F128_64, ones(64)}}},
        {4, true, 0, IDC_ONES, {{IDC_S32, "1"}, {IDC_E32, ones(8)}, {IDC_F32, ones(23)}}},
        {8, true, 8, IDC_ZEROS, {{IDC_S64, "0"}, {IDC_E64, zeros(11)}, {IDC_F64, zeros(52)}}},
        {16,
         true,
         1,
         IDC_ONES,
         {{IDC_S128, "1"}, {IDC_E128, ones(15)}, {IDC_F128_48, ones(48)}, {IDC_F128_64, ones(64)}}},
        // The sign width is shared by all kinds: after a kind change it names the new sign.
        {8, false, 1, IDC_ZEROS, {{IDC_S64, "0"}}},
        // A width of no field of the kind (none used yet, or one of another kind).
        {4, false, 0, IDC_ONES, {}},
        {4, false, 52, IDC_ZEROS, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.kind * 1000 + row.field_width);
        prepare(row.kind, row.all_fields, row.field_width, "x");
        fill_bits_clicked(dialog(), row.button);
        EXPECT_EQ(COMUN.ALL_FIELDS, row.all_fields);
        EXPECT_EQ(changed("x"), row.changed);
        EXPECT_EQ(text(IDC_VALUE_X), "0");
        expect_read_outs_reset();
    }
}

TEST_F(BulkButtons, FlipsTheChosenFieldsAndKeepsTheValueText) {
    struct Row {
        int kind;
        bool all_fields;
        int field_width;
        std::string bits;
        std::map<int, std::string> changed;
    };
    const Row rows[] = {
        // A short field stays short; a blank stays a blank.
        {4, false, 8, "101", {{IDC_E32, "010"}}},
        {4, true, 8, "10 1", {{IDC_S32, "0"}, {IDC_E32, "01 0"}, {IDC_F32, "01 0"}}},
        // Characters beyond the field are cut.
        {8, false, 1, "10", {{IDC_S64, "0"}}},
        {16,
         true,
         0,
         "1",
         {{IDC_S128, "0"}, {IDC_E128, "0"}, {IDC_F128_48, "0"}, {IDC_F128_64, "0"}}},
        {16, false, 48, zeros(48), {{IDC_F128_48, ones(48)}}},
        {4, false, 0, "101", {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.bits);
        prepare(row.kind, row.all_fields, row.field_width, row.bits);
        flip_bits_clicked(dialog());
        EXPECT_EQ(changed(row.bits), row.changed);
        EXPECT_EQ(text(IDC_VALUE_X), "+1.5000000E+00");
        expect_read_outs_reset();
    }
}

TEST_F(BulkButtons, OtherIdsFillNothing) {
    prepare(4, true, 8, "x");
    fill_bits_clicked(dialog(), IDC_FLIP);
    EXPECT_TRUE(changed("x").empty());
    EXPECT_EQ(text(IDC_DATATYPE), "old");
}

} // namespace
} // namespace binora::testing
