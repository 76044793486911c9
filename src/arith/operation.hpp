#pragma once

// The words of IEEE 754 arithmetic as Binora names them: the operations, the rounding
// directions and the five exception flags, with the names binora-cli reads and writes.

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace binora {

enum class Operation {
    add,     // a + b
    sub,     // a - b
    mul,     // a * b
    div,     // a / b
    fma,     // a * b + c, rounded once
    sqrt,    // the square root of a
    rem,     // the IEEE remainder a - n * b, n the integer nearest a / b (ties to even)
    convert, // a, a number of another format (or the same), into the result's format
};

// How many operands the operation takes: 1 for sqrt and convert, 3 for fma, else 2.
constexpr int operand_count(Operation operation) {
    switch (operation) {
    case Operation::sqrt:
    case Operation::convert:
        return 1;
    case Operation::fma:
        return 3;
    default:
        return 2;
    }
}

enum class Rounding {
    rne, // to nearest, ties to even
    rna, // to nearest, ties away from zero
    rtz, // toward zero
    rup, // toward +infinity
    rdn, // toward -infinity
};

// Every rounding direction, in the order of their names.
inline constexpr std::array<Rounding, 5> ALL_ROUNDINGS = {
    Rounding::rne, Rounding::rna, Rounding::rtz, Rounding::rup, Rounding::rdn};

// The exception flags, one bit each.
enum ExceptionFlag : unsigned {
    FLAG_INVALID = 1U << 0,
    FLAG_DIVBYZERO = 1U << 1,
    FLAG_OVERFLOW = 1U << 2,
    FLAG_UNDERFLOW = 1U << 3,
    FLAG_INEXACT = 1U << 4,
    ALL_FLAGS = (1U << 5) - 1,
};

inline constexpr std::array<std::string_view, 8> OPERATION_NAMES = {
    "add", "sub", "mul", "div", "fma", "sqrt", "rem", "convert"};
inline constexpr std::array<std::string_view, 5> ROUNDING_NAMES = {"rne", "rna", "rtz", "rup",
                                                                   "rdn"};

// "add", "sub", "mul", "div", "fma", "sqrt", "rem", "convert".
constexpr std::string_view operation_name(Operation operation) {
    return OPERATION_NAMES[static_cast<std::size_t>(operation)];
}
std::optional<Operation> operation_named(std::string_view name);

// "rne", "rna", "rtz", "rup", "rdn".
constexpr std::string_view rounding_name(Rounding rounding) {
    return ROUNDING_NAMES[static_cast<std::size_t>(rounding)];
}
std::optional<Rounding> rounding_named(std::string_view name);

// The flags raised, in the order invalid, divbyzero, overflow, underflow, inexact, separated
// by commas ("overflow,inexact"); "none" for none. The view is of a static text.
std::string_view flags_text(unsigned flags);

} // namespace binora
