#pragma once

// The two texts of the bit validation's message boxes, as the user reads them.

namespace binora::testing {

inline constexpr const char* INVALID_BOX =
    "Invalid input for bit !\n(It is being replaced by \"1\")";
inline constexpr const char* EXCESS_BOX = "1 Bit in Excess !\n(The last bit is being removed)";

} // namespace binora::testing
