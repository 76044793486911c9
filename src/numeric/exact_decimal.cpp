#include "numeric/exact_decimal.hpp"

#include "numeric/float_traits.hpp"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace binora {

namespace {

// A natural number in base 10^9, least significant limb first.
class BigDecimal {
  public:
    explicit BigDecimal(Word128 value) {
        do {
            limbs_.push_back(static_cast<std::uint32_t>(value % base));
            value /= base;
        } while (value != 0);
    }

    // Multiplies by 2^count.
    void shift_left(int count) {
        for (; count >= 31; count -= 31)
            multiply(std::uint32_t{1} << 31);
        if (count > 0) multiply(std::uint32_t{1} << count);
    }

    // Multiplies by 5^count.
    void multiply_by_five_to(int count) {
        constexpr std::uint32_t five_to_13 = 1220703125;
        for (; count >= 13; count -= 13)
            multiply(five_to_13);
        std::uint32_t rest = 1;
        for (; count > 0; --count)
            rest *= 5;
        multiply(rest);
    }

    std::string digits() const {
        std::string text = std::to_string(limbs_.back());
        char limb[16];
        for (auto it = limbs_.rbegin() + 1; it != limbs_.rend(); ++it) {
            std::snprintf(limb, sizeof limb, "%09u", *it);
            text += limb;
        }
        return text;
    }

  private:
    static constexpr std::uint32_t base = 1000000000;

    void multiply(std::uint32_t factor) {
        std::uint64_t carry = 0;
        for (auto& limb : limbs_) {
            const std::uint64_t product = std::uint64_t{limb} * factor + carry;
            limb = static_cast<std::uint32_t>(product % base);
            carry = product / base;
        }
        for (; carry != 0; carry /= base)
            limbs_.push_back(static_cast<std::uint32_t>(carry % base));
    }

    std::vector<std::uint32_t> limbs_;
};

// The value of a storage word of format `f`.
std::string exact_decimal_of_word(Word128 word, const FormatTraits& f) {
    const Word128 one = 1;
    const bool negative = ((word >> (f.storage_bits - 1)) & one) != 0;
    const auto biased =
        static_cast<int>((word >> f.significand_bits) & ((one << f.exponent_bits) - 1));
    const Word128 fraction = word & ((one << f.significand_bits) - 1);
    if (biased == (1 << f.exponent_bits) - 1) {
        if (fraction != 0) return "NaN";
        return negative ? "-Infinity" : "Infinity";
    }
    const int exponent = std::max(biased, 1) - f.bias - f.significand_bits;
    const Word128 significand = biased == 0 ? fraction : fraction | (one << f.significand_bits);
    return exact_decimal(negative, significand, exponent);
}

} // namespace

std::string exact_decimal(bool negative, Word128 significand, int exponent2) {
    BigDecimal number(significand);
    const int fraction_digits = exponent2 < 0 ? -exponent2 : 0;
    if (exponent2 >= 0)
        number.shift_left(exponent2);
    else
        number.multiply_by_five_to(fraction_digits); // m / 2^k = m * 5^k / 10^k
    std::string digits = number.digits();
    const auto point_from_right = static_cast<std::size_t>(fraction_digits);
    if (digits.size() <= point_from_right)
        digits.insert(0, point_from_right + 1 - digits.size(), '0');
    std::string integer = digits.substr(0, digits.size() - point_from_right);
    std::string fraction = digits.substr(digits.size() - point_from_right);
    fraction.erase(fraction.find_last_not_of('0') + 1);
    std::string text = negative ? "-" : "";
    text += integer;
    if (!fraction.empty()) text += "." + fraction;
    return text;
}

std::string exact_decimal(float value) {
    return exact_decimal_of_word(FloatTraits<float>::word(value), FloatTraits<float>::format);
}
std::string exact_decimal(double value) {
    return exact_decimal_of_word(FloatTraits<double>::word(value), FloatTraits<double>::format);
}
std::string exact_decimal(__float128 value) {
    return exact_decimal_of_word(FloatTraits<__float128>::word(value),
                                 FloatTraits<__float128>::format);
}

} // namespace binora
