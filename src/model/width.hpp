#pragma once

#include <cstdint>

namespace binora {

// Number of characters of `n` written in decimal without blanks: the digits of |n|
// (1 for zero) plus one for a minus sign. Exact for every 32-bit value (-2147483648 gives 11).
std::int32_t WIDTH(std::int32_t n);

} // namespace binora
