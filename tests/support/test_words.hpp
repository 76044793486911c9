#pragma once

// Storage words written as hexadecimal in the tests, binary128 as its two 64-bit halves.

#include "numeric/storage_word.hpp"

#include <cstdint>

namespace binora::testing {

inline Word128 word128(std::uint64_t high, std::uint64_t low) {
    return (static_cast<Word128>(high) << 64) | low;
}

inline __float128 q(std::uint64_t high, std::uint64_t low) {
    return binary128_from_word(word128(high, low));
}

} // namespace binora::testing
