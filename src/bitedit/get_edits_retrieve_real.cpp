#include "bitedit/get_edits_retrieve_real.hpp"

#include "bitedit/format_controls.hpp"
#include "current/current_x.hpp"
#include "current/window_read_out.hpp"
#include "dialog/dialog_operations.hpp"
#include "resources/resource.hpp"

#include <string>

namespace binora {

namespace {

// Joins the fields of the format (each blank-padded to its width) and reads the digits as one
// unsigned binary integer with blanks ignored: a short field moves every digit after it
// towards the least significant end.
Word128 word_of_edits(DIALOG_RECORD& dialog, const FormatControls& controls) {
    // Reused texts: a rebuild at every keystroke allocates nothing. Each field reads as
    // read_bit_field reads it: all blanks when the edit cannot be read.
    static std::string joined;
    static std::string field_text;
    joined.clear();
    for (const BitField& field : controls.fields()) {
        const auto width = static_cast<std::size_t>(field.bits);
        field_text.assign(width, ' ');
        DIALOG_GET_TEXT(dialog, field.edit, field_text, width);
        joined += field_text;
    }
    return word_from_bit_string(joined);
}

} // namespace

// X is the word stored unchanged, and the class and the canonical value are the read-out
// core's for it: the class flags and the class text describe the X that was stored, and the
// list is enabled when it is finite. Rows 1 and 2 of the list read the fields as they stand
// in the edits, so with a short field they show other bits than X's (sub_list.hpp).
void GETEDITSANDRETRIEVEREAL(DIALOG_RECORD& dialog, int /*id*/, int /*event*/) {
    const FormatTraits& format = current_format();
    const Word128 word = word_of_edits(dialog, controls_of(format));
    set_x(format, word);
    const ValueReadOut& read_out = read_out_for_window(format, word, PART_CLASS | PART_VALUE);
    keep_class_flags(read_out.flags);
    DIALOG_SET_TEXT(dialog, IDC_DATATYPE, read_out.class_text);
    DIALOG_SET_FLAG(dialog, IDC_PARAM_LIST, read_out.flags.is_finite, PROP_ENABLED);
}

} // namespace binora
