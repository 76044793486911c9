#include "arith/operation.hpp"

#include <string>

namespace binora {

namespace {

constexpr std::array<std::string_view, 8> OPERATION_NAMES = {"add", "sub",  "mul", "div",
                                                             "fma", "sqrt", "rem", "convert"};
constexpr std::array<std::string_view, 5> ROUNDING_NAMES = {"rne", "rna", "rtz", "rup", "rdn"};
constexpr std::array<std::string_view, 5> FLAG_NAMES = {"invalid", "divbyzero", "overflow",
                                                        "underflow", "inexact"};

// The texts of every combination of flags, made once.
const std::array<std::string, ALL_FLAGS + 1>& all_flag_texts() {
    static const auto texts = [] {
        std::array<std::string, ALL_FLAGS + 1> made;
        for (unsigned flags = 0; flags <= ALL_FLAGS; ++flags) {
            for (std::size_t bit = 0; bit < FLAG_NAMES.size(); ++bit) {
                if ((flags & (1U << bit)) == 0) continue;
                if (!made[flags].empty()) made[flags] += ',';
                made[flags] += FLAG_NAMES[bit];
            }
            if (flags == 0) made[flags] = "none";
        }
        return made;
    }();
    return texts;
}

} // namespace

std::string_view operation_name(Operation operation) {
    return OPERATION_NAMES[static_cast<std::size_t>(operation)];
}

std::optional<Operation> operation_named(std::string_view name) {
    for (std::size_t i = 0; i < OPERATION_NAMES.size(); ++i)
        if (OPERATION_NAMES[i] == name) return static_cast<Operation>(i);
    return std::nullopt;
}

std::string_view rounding_name(Rounding rounding) {
    return ROUNDING_NAMES[static_cast<std::size_t>(rounding)];
}

std::optional<Rounding> rounding_named(std::string_view name) {
    for (std::size_t i = 0; i < ROUNDING_NAMES.size(); ++i)
        if (ROUNDING_NAMES[i] == name) return static_cast<Rounding>(i);
    return std::nullopt;
}

std::string_view flags_text(unsigned flags) {
    return all_flag_texts()[flags & ALL_FLAGS];
}

} // namespace binora
