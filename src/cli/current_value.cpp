#include "cli/current_value.hpp"

#include "engine/exact_decimal.hpp"
#include "model/comun.hpp"

namespace binora::cli {

Word128 storage_word_of_x(int kind) {
    switch (kind) {
    case 4:
        return word_of(COMUN.X4);
    case 8:
        return word_of(COMUN.X8);
    default:
        return word_of(COMUN.X16);
    }
}

std::string exact_value_of_x(int kind) {
    switch (kind) {
    case 4:
        return exact_decimal(COMUN.X4);
    case 8:
        return exact_decimal(COMUN.X8);
    default:
        return exact_decimal(COMUN.X16);
    }
}

} // namespace binora::cli
