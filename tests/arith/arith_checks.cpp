#include "arith_checks.hpp"

#include "numeric/storage_word.hpp"
#include "testing/words.hpp"

#include <gtest/gtest.h>

namespace binora::testing {

namespace {

constexpr int REPORTED_MISMATCHES = 10;

const char* real_name(RealKind kind) {
    switch (kind) {
    case RealKind::number:
        return "number";
    case RealKind::infinity:
        return "infinity";
    case RealKind::nan:
        return "nan";
    }
    return "?";
}

} // namespace

bool is_nan(const FormatTraits& f, Word128 word) {
    const Word128 fraction_mask = (Word128{1} << f.significand_bits) - 1;
    const Word128 ones = (Word128{1} << f.exponent_bits) - 1;
    if (((word >> f.significand_bits) & ones) != ones) return false;
    const Word128 fraction = word & fraction_mask;
    return f.top == TopExponent::infinity_and_nan ? fraction != 0 : fraction == fraction_mask;
}

std::string describe(const ArithmeticCase& c) {
    std::string text(operation_name(c.operation));
    if (c.operation == Operation::convert) text.append(" ").append(c.operand_format().name);
    text.append(" ").append(c.format->name).append(" ").append(rounding_name(c.rounding));
    if (c.saturate) text.append(" saturate");
    const char* names[] = {" a=", " b=", " c="};
    for (int i = 0; i < operand_count(c.operation); ++i)
        text.append(names[i]).append(
            hex_string(c.operands[static_cast<std::size_t>(i)], c.operand_format().storage_bits));
    return text;
}

std::string describe(const FormatTraits& format, const ArithmeticResult& r) {
    std::string text = hex_string(r.word, format.storage_bits);
    text.append(" ").append(flags_text(r.flags)).append(" ").append(real_name(r.real));
    if (r.real == RealKind::infinity) text.append(r.real_negative ? "-" : "+");
    if (r.real == RealKind::number) {
        text.append(" ");
        text += r.grs.guard ? '1' : '0';
        text += r.grs.round ? '1' : '0';
        text += r.grs.sticky ? '1' : '0';
    }
    return text;
}

bool same_result(const FormatTraits& format, const ArithmeticResult& actual,
                 const ArithmeticResult& expected, Match match) {
    const bool any_nan = match.any_nan && is_nan(format, expected.word);
    if (any_nan ? !is_nan(format, actual.word) : actual.word != expected.word) return false;
    if (actual.flags != expected.flags) return false;
    if (match.word_and_flags_only) return true;
    if (actual.real != expected.real) return false;
    if (expected.real == RealKind::infinity && actual.real_negative != expected.real_negative)
        return false;
    if (expected.real != RealKind::number) return true;
    return actual.grs.guard == expected.grs.guard && actual.grs.round == expected.grs.round &&
           actual.grs.sticky == expected.grs.sticky;
}

void MismatchLog::check(const ArithmeticCase& c, const ArithmeticResult& actual,
                        const ArithmeticResult& expected, Match match) {
    ++cases_;
    if (same_result(*c.format, actual, expected, match)) return;
    if (++mismatches_ <= REPORTED_MISMATCHES)
        ADD_FAILURE() << describe(c) << "\n  expected " << describe(*c.format, expected)
                      << "\n  computed " << describe(*c.format, actual);
}

} // namespace binora::testing
