#include "current/current_x.hpp"

#include "state/comun.hpp"

#include <cstdint>

namespace binora {

const FormatTraits& current_format() {
    const FormatTraits* format = find_format(COMUN.KIND_REAL);
    return format != nullptr ? *format : FORMATS[0];
}

Word128 word_of_x(const FormatTraits& format) {
    switch (format.storage_bits) {
    case 32:
        return word_of(COMUN.X4);
    case 64:
        return word_of(COMUN.X8);
    default:
        return word_of(COMUN.X16);
    }
}

void set_x(const FormatTraits& format, Word128 word) {
    switch (format.storage_bits) {
    case 32:
        COMUN.X4 = binary32_from_word(static_cast<std::uint32_t>(word));
        break;
    case 64:
        COMUN.X8 = binary64_from_word(static_cast<std::uint64_t>(word));
        break;
    default:
        COMUN.X16 = binary128_from_word(word);
        break;
    }
}

} // namespace binora
