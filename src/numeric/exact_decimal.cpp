#include "numeric/exact_decimal.hpp"

#include "numeric/format_word.hpp"

#include <gmpxx.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <vector>

namespace binora {

namespace {

// Natural numbers in base 10^9, least significant limb first: multiplying by powers of five
// or two in this base gives the decimal digits directly, with no division of a big binary
// number by ten.
using Limbs = std::vector<std::uint32_t>;

constexpr std::uint32_t BASE = 1000000000;
constexpr int LIMB_DIGITS = 9;

// A number of at most `CAPACITY` limbs, held in place: a significand (at most 5 limbs), times
// a small factor (one more), times a power of the tables (at most 84 limbs).
struct Product {
    static constexpr std::size_t CAPACITY = 96;
    std::array<std::uint32_t, CAPACITY> limbs;
    std::size_t size = 0;
};

void set_limbs(Product& number, Word128 value) {
    number.size = 0;
    do {
        number.limbs[number.size++] = static_cast<std::uint32_t>(value % BASE);
        value /= BASE;
    } while (value != 0);
}

void multiply(Limbs& number, std::uint32_t factor) {
    std::uint64_t carry = 0;
    for (auto& limb : number) {
        const std::uint64_t product = std::uint64_t{limb} * factor + carry;
        limb = static_cast<std::uint32_t>(product % BASE);
        carry = product / BASE;
    }
    for (; carry != 0; carry /= BASE)
        number.push_back(static_cast<std::uint32_t>(carry % BASE));
}

void multiply(Product& number, std::uint32_t factor) {
    std::uint64_t carry = 0;
    for (std::size_t i = 0; i < number.size; ++i) {
        const std::uint64_t product = std::uint64_t{number.limbs[i]} * factor + carry;
        number.limbs[i] = static_cast<std::uint32_t>(product % BASE);
        carry = product / BASE;
    }
    for (; carry != 0; carry /= BASE)
        number.limbs[number.size++] = static_cast<std::uint32_t>(carry % BASE);
}

// a * b for an `a` of N limbs, column by column: a column's sum of N products (each below
// 10^18) and the carry stays below 2^64 for N <= 6 and is split into limb and carry once.
// `b` is read through a copy with N - 1 zero limbs on either side, so that every column
// has N terms.
template <std::size_t N> void multiply_columns(const Product& a, const Limbs& b, Product& product) {
    std::array<std::uint32_t, Product::CAPACITY + 2 * N> padded{};
    std::copy(b.begin(), b.end(), padded.begin() + (N - 1));
    std::uint64_t carry = 0;
    const std::size_t columns = N + b.size() - 1;
    for (std::size_t column = 0; column < columns; ++column) {
        std::uint64_t sum = carry;
        for (std::size_t i = 0; i < N; ++i)
            sum += std::uint64_t{a.limbs[i]} * padded[column + N - 1 - i];
        product.limbs[column] = static_cast<std::uint32_t>(sum % BASE);
        carry = sum / BASE;
    }
    product.size = columns;
    for (; carry != 0; carry /= BASE)
        product.limbs[product.size++] = static_cast<std::uint32_t>(carry % BASE);
    while (product.size > 1 && product.limbs[product.size - 1] == 0)
        --product.size;
}

// a * b, `a` of one to six limbs (a 128-bit significand times a factor below 2^32).
void multiply(const Product& a, const Limbs& b, Product& product) {
    switch (a.size) {
    case 1:
        return multiply_columns<1>(a, b, product);
    case 2:
        return multiply_columns<2>(a, b, product);
    case 3:
        return multiply_columns<3>(a, b, product);
    case 4:
        return multiply_columns<4>(a, b, product);
    case 5:
        return multiply_columns<5>(a, b, product);
    default:
        return multiply_columns<6>(a, b, product);
    }
}

// The powers base^(step * i), i = 0 ... count - 1, of a small base whose step-th power is
// below 2^32, built once.
class PowerTable {
  public:
    PowerTable(std::uint32_t base, int step, int count) : base_(base), step_(step) {
        std::uint32_t factor = 1;
        for (int i = 0; i < step; ++i)
            factor *= base;
        powers_.push_back({1});
        for (int i = 1; i < count; ++i) {
            powers_.push_back(powers_.back());
            multiply(powers_.back(), factor);
        }
    }

    bool holds(int exponent) const {
        return static_cast<std::size_t>(exponent / step_) < powers_.size();
    }

    // `product` = number * base^exponent, for an exponent the table holds.
    void times_power(Word128 number, int exponent, Product& product) const {
        Product factor;
        set_limbs(factor, number);
        std::uint32_t rest = 1;
        for (int i = 0; i < exponent % step_; ++i)
            rest *= base_;
        multiply(factor, rest);
        multiply(factor, powers_[static_cast<std::size_t>(exponent / step_)], product);
    }

  private:
    std::uint32_t base_;
    int step_;
    std::vector<Limbs> powers_;
};

// Up to 5^1078 and 2^991 (steps of 5^13 and 2^31): every binary32 and binary64 value. Their
// largest power has 84 limbs, so a product fits a Product.
const PowerTable& fives() {
    static const PowerTable table(5, 13, 83);
    return table;
}
const PowerTable& twos() {
    static const PowerTable table(2, 31, 32);
    return table;
}

// Writes the nine digits of a limb, leading zeros included, at `out`: the limb times
// 2^57 / 10^8 (rounded up) holds its first digit above bit 57 and the rest as a binary
// fraction, from which each multiplication by 100 lifts the next two digits. Exact for
// every limb below 10^9.
void write_limb(std::uint32_t limb, char* out) {
    static constexpr char pairs[] = "00010203040506070809101112131415161718192021222324252627282930"
                                    "31323334353637383940414243444546474849505152535455565758596061"
                                    "62636465666768697071727374757677787980818283848586878889909192"
                                    "93949596979899";
    constexpr std::uint64_t SCALE = 1441151881; // ceil(2^57 / 10^8)
    constexpr std::uint64_t FRACTION = (std::uint64_t{1} << 57) - 1;
    std::uint64_t fixed = limb * SCALE;
    out[0] = static_cast<char>('0' + (fixed >> 57));
    const auto next_pair = [&fixed](char* at) {
        fixed = (fixed & FRACTION) * 100;
        std::memcpy(at, pairs + 2 * (fixed >> 57), 2);
    };
    next_pair(out + 1);
    next_pair(out + 3);
    next_pair(out + 5);
    next_pair(out + 7);
}

// Appends the decimal digits of `number`, without leading zeros.
void append_digits(std::string& text, const Product& number) {
    char top[LIMB_DIGITS + 1];
    const std::uint32_t top_limb = number.limbs[number.size - 1];
    char* const top_end = std::to_chars(top, top + sizeof top, top_limb).ptr;
    text.append(top, static_cast<std::size_t>(top_end - top));
    std::size_t at = text.size();
    text.resize(at + LIMB_DIGITS * (number.size - 1));
    for (std::size_t i = number.size - 1; i-- > 0; at += LIMB_DIGITS)
        write_limb(number.limbs[i], text.data() + at);
}

// The same with GMP, whose subquadratic multiplication and conversion pay for the powers
// beyond the tables (binary128 numbers far from 1): 5^16494 costs a tenth of the base 10^9
// way there.
void append_digits_with_gmp(std::string& text, Word128 significand, int exponent2) {
    const std::uint64_t halves[2] = {static_cast<std::uint64_t>(significand),
                                     static_cast<std::uint64_t>(significand >> 64)};
    mpz_class number;
    mpz_import(number.get_mpz_t(), 2, -1, sizeof halves[0], 0, 0, halves);
    if (exponent2 >= 0) {
        number <<= static_cast<mp_bitcnt_t>(exponent2);
    } else {
        mpz_class power;
        mpz_ui_pow_ui(power.get_mpz_t(), 5, static_cast<unsigned long>(-exponent2));
        number *= power;
    }
    const std::size_t at = text.size();
    text.resize(at + mpz_sizeinbase(number.get_mpz_t(), 10) + 1); // may be one digit too many
    mpz_get_str(text.data() + at, 10, number.get_mpz_t());
    text.resize(at + std::strlen(text.data() + at));
}

// Appends the digits of significand * 2^exponent2, or for a negative exponent those of
// significand * 5^-exponent2, which are the digits of significand * 2^exponent2 * 10^-exponent2.
void append_scaled_digits(std::string& text, Word128 significand, int exponent2) {
    const PowerTable& table = exponent2 < 0 ? fives() : twos();
    const int power = exponent2 < 0 ? -exponent2 : exponent2;
    if (table.holds(power)) {
        Product product;
        table.times_power(significand, power, product);
        append_digits(text, product);
    } else
        append_digits_with_gmp(text, significand, exponent2);
}

} // namespace

void write_exact_decimal(std::string& text, bool negative, Word128 significand, int exponent2) {
    // m * 2^-k = m * 5^k / 10^k: the digits of m * 5^k with the point k places from the right.
    const auto fraction_digits = static_cast<std::size_t>(exponent2 < 0 ? -exponent2 : 0);
    // At most 35 digits of the significand and 0.7 per power of five or 0.31 per power of
    // two, then a sign, "0." or a point: one allocation at most.
    const auto power = static_cast<std::size_t>(exponent2 < 0 ? -exponent2 : exponent2);
    const std::size_t most_digits = 36 + (exponent2 < 0 ? power * 7 / 10 : power * 31 / 100);
    text.clear();
    text.reserve(std::max(most_digits, fraction_digits) + 3);
    if (negative) text += '-';
    const std::size_t start = text.size();
    append_scaled_digits(text, significand, exponent2);
    if (fraction_digits == 0) return;
    const std::size_t digits = text.size() - start;
    if (digits <= fraction_digits) {
        text.insert(start, fraction_digits - digits + 2, '0'); // "0." and the leading zeros
        text[start + 1] = '.';
    } else
        text.insert(text.size() - fraction_digits, 1, '.');
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
}

void write_exact_decimal(std::string& text, const FormatTraits& format, Word128 word) {
    const bool negative = sign_of(format, word);
    if (is_nan_word(format, word)) {
        text.assign("NaN");
        return;
    }
    if (is_infinity_word(format, word)) {
        text.assign(negative ? "-Infinity" : "Infinity");
        return;
    }
    const WordSignificand number = significand_of(format, word);
    write_exact_decimal(text, negative, number.significand, number.exponent2);
}

} // namespace binora
