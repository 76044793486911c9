#include "numeric/classify.hpp"

#include <initializer_list>

namespace binora {

namespace {

bool is_one_of(std::string_view head, std::initializer_list<std::string_view> forms) {
    for (const auto form : forms)
        if (head == form) return true;
    return false;
}

} // namespace

TypedSpelling typed_spelling(std::string_view text) {
    char padded[3] = {' ', ' ', ' '};
    for (std::size_t i = 0; i < 3 && i < text.size(); ++i)
        padded[i] = text[i];
    const std::string_view head(padded, 3);
    TypedSpelling spelling;
    spelling.negative = head[0] == '-';
    spelling.is_nan = is_one_of(head, {"NaN", "Nan", "nan", "naN", "+Na", "+na", "-Na", "-na"});
    spelling.is_infinity =
        !spelling.is_nan && is_one_of(head, {"Inf", "inf", "+In", "+in", "-In", "-in"});
    return spelling;
}

} // namespace binora
