#include "arith/operation.hpp"

namespace binora {

namespace {

// The texts of every combination of flags, indexed by the flag bits.
constexpr std::array<std::string_view, ALL_FLAGS + 1> FLAG_TEXTS = {
    "none",
    "invalid",
    "divbyzero",
    "invalid,divbyzero",
    "overflow",
    "invalid,overflow",
    "divbyzero,overflow",
    "invalid,divbyzero,overflow",
    "underflow",
    "invalid,underflow",
    "divbyzero,underflow",
    "invalid,divbyzero,underflow",
    "overflow,underflow",
    "invalid,overflow,underflow",
    "divbyzero,overflow,underflow",
    "invalid,divbyzero,overflow,underflow",
    "inexact",
    "invalid,inexact",
    "divbyzero,inexact",
    "invalid,divbyzero,inexact",
    "overflow,inexact",
    "invalid,overflow,inexact",
    "divbyzero,overflow,inexact",
    "invalid,divbyzero,overflow,inexact",
    "underflow,inexact",
    "invalid,underflow,inexact",
    "divbyzero,underflow,inexact",
    "invalid,divbyzero,underflow,inexact",
    "overflow,underflow,inexact",
    "invalid,overflow,underflow,inexact",
    "divbyzero,overflow,underflow,inexact",
    "invalid,divbyzero,overflow,underflow,inexact",
};

} // namespace

std::optional<Operation> operation_named(std::string_view name) {
    for (std::size_t i = 0; i < OPERATION_NAMES.size(); ++i)
        if (OPERATION_NAMES[i] == name) return static_cast<Operation>(i);
    return std::nullopt;
}

std::optional<Rounding> rounding_named(std::string_view name) {
    for (std::size_t i = 0; i < ROUNDING_NAMES.size(); ++i)
        if (ROUNDING_NAMES[i] == name) return static_cast<Rounding>(i);
    return std::nullopt;
}

std::string_view flags_text(unsigned flags) {
    return FLAG_TEXTS[flags & ALL_FLAGS];
}

} // namespace binora
