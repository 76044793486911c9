#pragma once

// Seeded random operands for the arithmetic tests, drawn so that the cases where arithmetic
// goes wrong come often: zeros, subnormal numbers, the ends of the exponent range, infinities
// and NaNs (quiet and signalling, with payloads); significands with few bits or all bits set;
// and operands that belong together: addends of close magnitude and opposite signs (sums that
// cancel) or far apart by about the precision (ties and sticky bits), factors and quotients
// whose result lands beyond the largest finite number or among the subnormal numbers,
// addends of fma near minus the product, squares under sqrt, and conversions whose source
// bits fall just at, above or below a midpoint of the target.

#include "arith/operation.hpp"
#include "model/format_traits.hpp"
#include "numeric/storage_word.hpp"

#include <array>
#include <cstdint>
#include <random>

namespace binora::testing {

// Every format of the table: binary32, binary64, binary128, binary16, bfloat16, E5M2, E4M3.
std::array<const FormatTraits*, 7> every_format();

class RandomWords {
  public:
    explicit RandomWords(std::uint64_t seed) : random_(seed) {}

    // One word of `format`, finite or not.
    Word128 any(const FormatTraits& format);

    // The operands of `operation` in `format` (the source format for convert), related to
    // each other as the comment above says. `target` is the result format (convert).
    std::array<Word128, 3> operands(Operation operation, const FormatTraits& format,
                                    const FormatTraits& target);

    // A number in [0, n).
    unsigned below(unsigned n);

  private:
    bool chance(unsigned percent) { return below(100) < percent; }
    Word128 bits(int count);
    Word128 fraction(const FormatTraits& format);
    // A finite word of the sign whose number is about 2^exponent (clamped to the format).
    Word128 finite(const FormatTraits& format, bool negative, long exponent, Word128 fraction);
    long exponent_of(const FormatTraits& format, Word128 word);
    Word128 special(const FormatTraits& format);
    Word128 near(const FormatTraits& format, Word128 word);
    long some_exponent(const FormatTraits& format);

    std::mt19937_64 random_;
};

} // namespace binora::testing
