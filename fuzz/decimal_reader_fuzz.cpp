// The decimal reader of all three kinds on arbitrary bytes. Besides crashes and undefined
// behaviour it checks what must hold between the kinds and for every value read: the syntax
// does not depend on the kind, an overflow in a wider format is one in the narrower ones too,
// "-" gives a negative result, and the exact decimal value of a result reads back as the
// same storage word.

#include "fuzz_check.hpp"
#include "numeric/decimal_reader.hpp"
#include "numeric/storage_word.hpp"
#include "testing/words.hpp"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

using binora::ReadStatus;
using binora::fuzz::check;

bool refused(ReadStatus status) {
    return status == ReadStatus::invalid || status == ReadStatus::no_number;
}

bool written_negative(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    return first != std::string_view::npos && text[first] == '-';
}

template <typename Real, auto Read>
void check_value(const binora::ReadResult<Real>& result, std::string_view text, int bits) {
    if (result.status != ReadStatus::ok) return;
    const binora::Word128 word = binora::word_of(result.value);
    const bool sign_bit = (word >> (bits - 1)) != 0;
    check(sign_bit == written_negative(text), "the sign of the result is the written sign");
    const auto again = Read(binora::exact_decimal(result.value));
    check(again.status == ReadStatus::ok && binora::word_of(again.value) == word,
          "the exact decimal value of a result reads back as the same word");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto r32 = binora::read_binary32(text);
    const auto r64 = binora::read_binary64(text);
    const auto r128 = binora::read_binary128(text);

    check(r32.status == r64.status || (!refused(r32.status) && !refused(r64.status)),
          "binary32 and binary64 accept the same syntax");
    check(r64.status == r128.status || (!refused(r64.status) && !refused(r128.status)),
          "binary64 and binary128 accept the same syntax");
    if (r128.status == ReadStatus::overflow)
        check(r64.status == ReadStatus::overflow, "a binary128 overflow overflows binary64");
    if (r64.status == ReadStatus::overflow)
        check(r32.status == ReadStatus::overflow, "a binary64 overflow overflows binary32");

    check_value<float, binora::read_binary32>(r32, text, 32);
    check_value<double, binora::read_binary64>(r64, text, 64);
    check_value<__float128, binora::read_binary128>(r128, text, 128);
    return 0;
}
