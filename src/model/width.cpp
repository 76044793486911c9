#include "model/width.hpp"

namespace binora {

std::int32_t WIDTH(std::int32_t n) {
    // Counted with integer division rather than log10, which rounds up just below the
    // powers of ten on some values and would leave a blank in front of the number.
    std::int64_t magnitude = n < 0 ? -static_cast<std::int64_t>(n) : n;
    std::int32_t digits = 1;
    while (magnitude >= 10) {
        magnitude /= 10;
        ++digits;
    }
    return n < 0 ? digits + 1 : digits;
}

} // namespace binora
