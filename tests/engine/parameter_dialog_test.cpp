#include "parameter_dialog_test.hpp"

#include "bitedit/bit_fields.hpp"
#include "bitedit/get_edits_retrieve_real.hpp"
#include "dialog/dialog_operations.hpp"
#include "model/format_traits.hpp"
#include "resources/resource.hpp"
#include "state/comun.hpp"
#include "testing/user_input.hpp"
#include "testing/words.hpp"

#include <string>

namespace binora::testing {

void ParameterDialogTest::show_value(int kind, Word128 word) {
    const FormatTraits& format = *find_format(kind);
    COMUN.KIND_REAL = kind;
    const FormatControls& controls = controls_of(*find_format(kind));
    DIALOG_SET_FLAG(dialog(), controls.kind_radio, true, PROP_STATE);
    const std::string bits = bit_string(word, format.storage_bits);
    std::size_t position = 0;
    for (const BitField& field : controls.fields()) {
        const auto width = static_cast<std::size_t>(field.bits);
        DIALOG_SET_TEXT(dialog(), field.edit, bits.substr(position, width));
        position += width;
    }
    GETEDITSANDRETRIEVEREAL(dialog(), controls.sign().edit, EVENT_FOCUS_GAINED);
    ASSERT_TRUE(enabled(IDC_PARAM_LIST)) << "the list is enabled for finite X";
}

void ParameterDialogTest::select_row(int row) {
    ASSERT_TRUE(user_select_row(dialog(), IDC_PARAM_LIST, row)) << row;
}

void ParameterDialogTest::set_binary(bool checked) {
    DIALOG_SET_FLAG(dialog(), IDC_BINARY_XPM, checked, PROP_STATE);
}

void ParameterDialogTest::set_language(bool romanian) {
    ASSERT_TRUE(user_click(dialog(), romanian ? IDC_LANG_RO : IDC_LANG_EN));
}

} // namespace binora::testing
