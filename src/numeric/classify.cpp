#include "numeric/classify.hpp"

#include <array>
#include <cstdint>

namespace binora {

namespace {

// Three characters as one number, so that a spelling is matched by one comparison.
constexpr std::uint32_t packed(char a, char b, char c) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(a)) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b)) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(c)) << 16;
}
constexpr std::uint32_t packed(const char (&three)[4]) {
    return packed(three[0], three[1], three[2]);
}

constexpr std::array NAN_HEADS{packed("NaN"), packed("Nan"), packed("nan"), packed("naN"),
                               packed("+Na"), packed("+na"), packed("-Na"), packed("-na")};
constexpr std::array INFINITY_HEADS{packed("Inf"), packed("inf"), packed("+In"),
                                    packed("+in"), packed("-In"), packed("-in")};

template <std::size_t N>
bool is_one_of(std::uint32_t head, const std::array<std::uint32_t, N>& heads) {
    for (const std::uint32_t form : heads)
        if (head == form) return true;
    return false;
}

} // namespace

TypedSpelling typed_spelling(std::string_view text) {
    char padded[3] = {' ', ' ', ' '};
    for (std::size_t i = 0; i < 3 && i < text.size(); ++i)
        padded[i] = text[i];
    const std::uint32_t head = packed(padded[0], padded[1], padded[2]);
    TypedSpelling spelling;
    spelling.negative = padded[0] == '-';
    spelling.is_nan = is_one_of(head, NAN_HEADS);
    spelling.is_infinity = !spelling.is_nan && is_one_of(head, INFINITY_HEADS);
    return spelling;
}

} // namespace binora
