// The arithmetic core against a second computation by another method: the oracle of the tests
// (tests/support/exact_rounding.hpp), exact rationals and a rounding of its own, never a wider
// binary result rounded again. Any operation, result format, operand format (convert),
// rounding direction and saturation, on arbitrary operand words. Checked: the result word
// (every bit, NaNs included), the flags, what the exact result is (its sign when infinite)
// and, for a number, the guard, round and sticky bits.
//
// Input: byte 0 the operation (mod 8), byte 1 the result format and byte 2 the operands' format
// for convert (mod 7: binary32, binary64, binary128, binary16, bfloat16, E5M2, E4M3), byte 3
// the direction (mod 5: rne, rna, rtz, rup, rdn) with saturation in its top bit; then the
// operands' words one after the other, each as many bytes as its storage width, least
// significant first (missing bytes are 0).

#include "arith/arithmetic.hpp"
#include "exact_rounding.hpp"
#include "fuzz_check.hpp"

#include <array>
#include <cstddef>
#include <cstdint>

namespace {

using namespace binora;
using binora::fuzz::check;

const std::array<const FormatTraits*, 7> EVERY_FORMAT = {
    &FORMATS[0],        &FORMATS[1],        &FORMATS[2],       &NARROW_FORMATS[0],
    &NARROW_FORMATS[1], &NARROW_FORMATS[2], &NARROW_FORMATS[3]};

class Bytes {
  public:
    Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    unsigned next() { return at_ < size_ ? data_[at_++] : 0U; }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Bytes bytes(data, size);
    ArithmeticCase c;
    c.operation = static_cast<Operation>(bytes.next() % 8);
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
