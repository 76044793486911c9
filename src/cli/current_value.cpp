#include "cli/current_value.hpp"

#include "numeric/current_x.hpp"
#include "numeric/exact_decimal.hpp"

namespace binora::cli {

Word128 storage_word_of_x(int kind) {
    Word128 word = 0;
    with_x_of_kind(kind, [&word](const auto& x, auto traits) { word = traits.word(x); });
    return word;
}

void write_exact_value_of_x(int kind, std::string& text) {
    with_x_of_kind(kind, [&text](const auto& x, auto) { write_exact_decimal(text, x); });
}

} // namespace binora::cli
