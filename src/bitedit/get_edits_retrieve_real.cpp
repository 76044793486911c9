#include "bitedit/get_edits_retrieve_real.hpp"

#include "bitedit/bit_fields.hpp"
#include "current/class_state.hpp"
#include "current/current_x.hpp"
#include "dialog/dialog_operations.hpp"
#include "model/comun.hpp"
#include "model/fixed_text.hpp"
#include "numeric/storage_word.hpp"
#include "resources/resource.hpp"

#include <string>

namespace binora {

namespace {

// Joins the fields of the kind (each blank-padded to its width), reads the digits as one
// unsigned binary integer with blanks ignored (a short field moves every digit after it
// towards the least significant end), stores that word unchanged as X and classifies it.
// The class flags are taken from the stored word rather than from the padded field texts, so
// that the class text and the list always describe the X that was stored, short fields
// included; for full fields both are the same bits.
void rebuild_value(DIALOG_RECORD& dialog, const FormatControls& controls) {
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
    const Word128 word = word_from_bit_string(joined);
    with_x_of_kind(controls.kind, [word](auto& x, auto traits) {
        x = traits.value(static_cast<typename decltype(traits)::Word>(word));
    });

    const FormatTraits& format = format_of(controls.kind);
    char stored_bits[128];
    write_bit_string(word, format.storage_bits, stored_bits);
    const std::string_view stored(stored_bits, static_cast<std::size_t>(format.storage_bits));
    const auto exponent_bits = static_cast<std::size_t>(format.exponent_bits);
    ISNONNUMBER(format.exponent_bits, format.significand_bits, stored.substr(1, exponent_bits),
                stored.substr(1 + exponent_bits));
}

} // namespace

void GETEDITSANDRETRIEVEREAL(DIALOG_RECORD& dialog, int /*id*/, int /*event*/) {
    if (const FormatControls* controls = find_controls(COMUN.KIND_REAL))
        rebuild_value(dialog, *controls);
    RETRIEVEDATATYPE();
    DIALOG_SET_TEXT(dialog, IDC_DATATYPE, trim_right(in_language(COMUN.DATATYPE, COMUN.LANG)));
    DIALOG_SET_FLAG(dialog, IDC_PARAM_LIST, COMUN.IS_FINITE, PROP_ENABLED);
}

} // namespace binora
