#include "bitedit/get_edits_retrieve_real.hpp"

#include "bitedit/bit_fields.hpp"
#include "dialog/dialog_operations.hpp"
#include "engine/classify.hpp"
#include "engine/storage_word.hpp"
#include "model/comun.hpp"
#include "model/fixed_text.hpp"
#include "shell/resources/resource.hpp"

#include <cstdint>
#include <string>

namespace binora {

namespace {

void store_word(int kind, Word128 word) {
    if (kind == 4) COMUN.X4 = binary32_from_word(static_cast<std::uint32_t>(word));
    if (kind == 8) COMUN.X8 = binary64_from_word(static_cast<std::uint64_t>(word));
    if (kind == 16) COMUN.X16 = binary128_from_word(word);
}

// Joins the fields of the kind (each blank-padded to its width), reads the digits as one
// unsigned binary integer with blanks ignored (a short field moves every digit after it
// towards the least significant end), stores that word unchanged as X and classifies it.
// The class flags are taken from the stored word rather than from the padded field texts, so
// that the class text and the list always describe the X that was stored, short fields
// included; for full fields both are the same bits.
void rebuild_value(DIALOG_RECORD& dialog, const FormatTraits& format) {
    std::string joined;
    for (const BitField& field : bit_fields_of(format))
        joined += read_bit_field(dialog, field);
    const Word128 word = word_from_bit_string(joined);
    store_word(format.kind, word);

    const std::string stored = bit_string(word, format.storage_bits);
    const auto exponent_bits = static_cast<std::size_t>(format.exponent_bits);
    ISNONNUMBER(format.exponent_bits, format.significand_bits, stored.substr(1, exponent_bits),
                stored.substr(1 + exponent_bits));
}

} // namespace

void GETEDITSANDRETRIEVEREAL(DIALOG_RECORD& dialog, int /*id*/, int /*event*/) {
    if (const FormatTraits* format = find_format(COMUN.KIND_REAL)) rebuild_value(dialog, *format);
    RETRIEVEDATATYPE();
    DIALOG_SET_TEXT(dialog, IDC_DATATYPE, trim_right(in_language(COMUN.DATATYPE, COMUN.LANG)));
    DIALOG_SET_FLAG(dialog, IDC_PARAM_LIST, COMUN.IS_FINITE, PROP_ENABLED);
}

} // namespace binora
