// The arithmetic core against a second computation by another method: the oracle of the tests
// (tests/support/exact_rounding.hpp), exact rationals and a rounding of its own, never a wider
// binary result rounded again. Any operation, result format, operand format (convert),
// rounding direction and saturation, on arbitrary operand words. Checked: the result word
// (every bit, NaNs included), the flags, what the exact result is (its sign when infinite)
// and, for a number, the guard, round and sticky bits.
//
// Input: byte 0 the operation (its low 3 bits) and how the operands are related (bits 3 and
// 4, below), byte 1 the result format and byte 2 the operands' format for convert (mod 7:
// binary32, binary64, binary128, binary16, bfloat16, E5M2, E4M3), byte 3 the direction (mod 5:
// rne, rna, rtz, rup, rdn) with saturation in its top bit; then the operands' words one after
// the other, each as many bytes as its storage width, least significant first. Bytes beyond
// the input come from a generator seeded with the whole input, so that a short input (which
// libFuzzer favours) still has whole random words. Random words rarely cancel or meet a
// midpoint, so two relations make them: with bit 3, b is a with the other sign, moved by its
// own lowest byte (signed) units in the last place (sums that cancel, quotients near 1); with
// bit 4, fma's c is minus the product a * b rounded to nearest, moved the same way (the
// product's rounding error, and sums about it).

#include "arith/arithmetic.hpp"
#include "exact_rounding.hpp"
#include "fuzz_check.hpp"

#include <gmpxx.h>

#include <array>
#include <cstddef>
#include <cstdint>

namespace {

using namespace binora;
using binora::fuzz::check;

const std::array<const FormatTraits*, 7> EVERY_FORMAT = {
    &FORMATS[0],        &FORMATS[1],        &FORMATS[2],       &NARROW_FORMATS[0],
    &NARROW_FORMATS[1], &NARROW_FORMATS[2], &NARROW_FORMATS[3]};

// `word` plus the signed byte `step_byte`, as integers within the storage width: for a finite
// number, that many units in the last place away from zero.
Word128 moved(const FormatTraits& format, Word128 word, Word128 step_byte) {
    const auto step = static_cast<std::int8_t>(static_cast<std::uint8_t>(step_byte));
    const Word128 mask =
        format.storage_bits == 128 ? ~Word128{0} : (Word128{1} << format.storage_bits) - 1;
    return (word + static_cast<Word128>(static_cast<__int128>(step))) & mask;
}

Word128 sign_bit(const FormatTraits& format) {
    return Word128{1} << (format.storage_bits - 1);
}

class Bytes {
  public:
    Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {
        for (std::size_t i = 0; i < size; ++i) // FNV-1a
            state_ = (state_ ^ data[i]) * 0x100000001B3U;
    }
    unsigned next() {
        if (at_ < size_) return data_[at_++];
        state_ ^= state_ << 13; // xorshift64
        state_ ^= state_ >> 7;
        state_ ^= state_ << 17;
        return static_cast<unsigned>(state_ >> 56);
    }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
    std::uint64_t state_ = 0xCBF29CE484222325U;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Bytes bytes(data, size);
    ArithmeticCase c;
    const unsigned first = bytes.next();
    c.operation = static_cast<Operation>(first % 8);
    c.format = EVERY_FORMAT[bytes.next() % 7];
    const FormatTraits* source = EVERY_FORMAT[bytes.next() % 7];
    if (c.operation == Operation::convert) c.source = source;
    const unsigned direction = bytes.next();
    c.rounding = ALL_ROUNDINGS[(direction & 0x7F) % 5];
    c.saturate = (direction & 0x80) != 0;
    for (int i = 0; i < operand_count(c.operation); ++i) {
        Word128 word = 0;
        for (int at = 0; at < c.operand_format().storage_bits; at += 8)
            word |= Word128{bytes.next()} << at;
        c.operands[static_cast<std::size_t>(i)] = word;
    }
    const FormatTraits& f = c.operand_format();
    std::array<Word128, 3>& w = c.operands;
    if ((first & 0x08) != 0 && operand_count(c.operation) >= 2)
        w[1] = moved(f, w[0] ^ sign_bit(f), w[1] & 0xFF);
    if ((first & 0x10) != 0 && c.operation == Operation::fma) {
        const auto a = testing::exact_value_of(f, w[0]);
        const auto b = testing::exact_value_of(f, w[1]);
        if (a && b) {
            const mpq_class minus_product = -(*a * *b);
            const Word128 nearest =
                testing::round_exact(f, Rounding::rne, false, minus_product).word;
            w[2] = moved(f, nearest, w[2] & 0xFF);
        }
    }

    const ArithmeticResult computed = compute(c);
    const ArithmeticResult expected = testing::exact_compute(c);
    check(computed.word == expected.word, "the result word is the exactly rounded one");
    check(computed.flags == expected.flags, "the flags are IEEE 754's default ones");
    check(computed.real == expected.real, "the exact result is a number, an infinity or none");
    if (expected.real == RealKind::infinity)
        check(computed.real_negative == expected.real_negative, "the exact infinity's sign");
    if (expected.real == RealKind::number)
        check(computed.grs.guard == expected.grs.guard &&
                  computed.grs.round == expected.grs.round &&
                  computed.grs.sticky == expected.grs.sticky,
              "the guard, round and sticky bits of the exact result");
    return 0;
}
