#pragma once

// The program's XPM drawings decoded when the program is compiled: the palette and one
// palette index a pixel, as an 8-bit indexed image holds them, so that no drawing is parsed
// while the program starts.
//
// The drawings use this much of XPM, and a drawing outside it does not compile: a values
// row "WIDTH HEIGHT COLOURS 1" (one character a pixel), one row per colour "K c #RRRRGGGGBBBB",
// "K c #RRGGBB", "K c None" or "K c NAME" for the names in named_colour below, then HEIGHT
// rows of WIDTH keys. A 16-bit channel is rounded to 8 bits (v * 255 / 65535 to nearest);
// None is the fully transparent colour 0; every other colour is opaque (0xFFRRGGBB).

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace binora {

constexpr int XPM_MAX_COLOURS = 256;

template <int WIDTH, int HEIGHT> struct XpmPixels {
    std::array<std::uint32_t, XPM_MAX_COLOURS> palette{};
    int colours = 0;
    std::array<std::uint8_t, static_cast<std::size_t>(WIDTH) * HEIGHT> indices{};
};

namespace xpm_detail {

// Throwing ends the compile-time evaluation: the drawing does not compile.
[[noreturn]] inline void reject(const char* /*why*/) {
    throw "not a drawing this decoder reads";
}

constexpr bool is_space(char c) {
    return c == ' ' || c == '\t';
}

constexpr std::string_view trimmed(std::string_view text) {
    while (!text.empty() && is_space(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && is_space(text.back()))
        text.remove_suffix(1);
    return text;
}

// The next blank-separated number of `text` from `pos`, which moves past it.
constexpr int next_number(std::string_view text, std::size_t& pos) {
    while (pos < text.size() && is_space(text[pos]))
        ++pos;
    if (pos == text.size() || text[pos] < '0' || text[pos] > '9') reject("number expected");
    int value = 0;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9')
        value = value * 10 + (text[pos++] - '0');
    return value;
}

constexpr std::uint32_t hex_digits(std::string_view digits) {
    std::uint32_t value = 0;
    for (const char c : digits) {
        std::uint32_t digit = 0;
        if (c >= '0' && c <= '9')
            digit = static_cast<std::uint32_t>(c - '0');
        else if (c >= 'a' && c <= 'f')
            digit = static_cast<std::uint32_t>(c - 'a' + 10);
        else if (c >= 'A' && c <= 'F')
            digit = static_cast<std::uint32_t>(c - 'A' + 10);
        else
            reject("hexadecimal digit expected");
        value = value * 16 + digit;
    }
    return value;
}

constexpr bool same_letters(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) {
            return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
        };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

// The colour names the drawings use, with their red, green and blue.
constexpr std::uint32_t named_colour(std::string_view name) {
    struct Named {
        std::string_view name;
        std::uint32_t rgb;
    };
    constexpr Named names[] = {{"black", 0x000000}, {"white", 0xFFFFFF}, {"SeaGreen", 0x2E8B57}};
    for (const Named& named : names)
        if (same_letters(named.name, name)) return named.rgb;
    reject("unknown colour name");
}

constexpr std::uint32_t colour(std::string_view value) {
    if (same_letters(value, "None")) return 0;
    if (value.empty() || value.front() != '#') return 0xFF000000u | named_colour(value);
    const std::string_view digits = value.substr(1);
    if (digits.size() == 6) return 0xFF000000u | hex_digits(digits);
    if (digits.size() != 12) reject("#RRGGBB or #RRRRGGGGBBBB expected");
    std::uint32_t rgb = 0;
    for (std::size_t channel = 0; channel < 3; ++channel) {
        const std::uint32_t wide = hex_digits(digits.substr(channel * 4, 4));
        rgb = rgb << 8 | (wide * 255 + 32767) / 65535;
    }
    return 0xFF000000u | rgb;
}

} // namespace xpm_detail

// The drawing `rows` (an XPM image's strings) as palette and indices; it must be WIDTH x
// HEIGHT pixels. Meant for constant evaluation: a drawing it cannot read does not compile.
template <int WIDTH, int HEIGHT, std::size_t ROWS>
constexpr XpmPixels<WIDTH, HEIGHT> decode_xpm(const char* const (&rows)[ROWS]) {
    using namespace xpm_detail;
    const std::string_view values = rows[0];
    std::size_t pos = 0;
    const int width = next_number(values, pos);
    const int height = next_number(values, pos);
    const int colours = next_number(values, pos);
    const int keys_per_pixel = next_number(values, pos);
    if (width != WIDTH || height != HEIGHT || keys_per_pixel != 1 || colours < 1 ||
        colours > XPM_MAX_COLOURS || ROWS != static_cast<std::size_t>(1 + colours + height))
        reject("the values row does not match the drawing");

    XpmPixels<WIDTH, HEIGHT> image;
    image.colours = colours;
    std::array<int, 256> index_of_key{};
    index_of_key.fill(-1);
    for (int i = 0; i < colours; ++i) {
        const std::string_view row = rows[1 + i];
        if (row.size() < 4 || row[2] != 'c' || !is_space(row[1]) || !is_space(row[3]))
            reject("colour row \"K c VALUE\" expected");
        image.palette[static_cast<std::size_t>(i)] = colour(trimmed(row.substr(4)));
        index_of_key[static_cast<unsigned char>(row[0])] = i;
    }
    for (int y = 0; y < HEIGHT; ++y) {
        const std::string_view row = rows[1 + colours + y];
        if (row.size() != static_cast<std::size_t>(WIDTH)) reject("pixel row of the wrong width");
        for (int x = 0; x < WIDTH; ++x) {
            const int index =
                index_of_key[static_cast<unsigned char>(row[static_cast<std::size_t>(x)])];
            if (index < 0) reject("pixel of a colour the drawing does not define");
            image.indices[static_cast<std::size_t>(y) * WIDTH + static_cast<std::size_t>(x)] =
                static_cast<std::uint8_t>(index);
        }
    }
    return image;
}

} // namespace binora
