// Every binary32 storage word (or every n-th, with BINORA_EXHAUSTIVE32_STRIDE=n in the
// environment) through the functions whose texts the window shows: the class of the bits,
// E and its caption, the canonical value, the significand, ULP(X) and both neighbours in
// decimal and as words. Each is checked against what the C library says of the same word:
// fpclassify and ilogbf for the class and E, nextafterf for the neighbours and the ULP, and
// glibc's printf for every decimal text. Runs on all cores; built with -DBINORA_EXHAUSTIVE32=ON.

#include "engine/sub_exponent.hpp"
#include "engine/sub_fraction.hpp"
#include "model/comun.hpp"
#include "model/fixed_text.hpp"
#include "numeric/classify.hpp"
#include "numeric/next_up_down.hpp"
#include "numeric/number_format.hpp"
#include "numeric/storage_word.hpp"
#include "numeric/ulp.hpp"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace binora {
namespace {

constexpr const FormatTraits& BINARY32 = FORMATS[0];

// printf's "%*.*E" of a binary32 value, with the words of the output forms for infinities.
std::string printf_text(float value, const char* format) {
    if (std::isinf(value)) {
        const std::string word = std::string(value < 0 ? "-" : "+") + "Infinity";
        return format[1] == '+' ? word : word.substr(word[0] == '+' ? 1 : 0);
    }
    char text[64];
    std::snprintf(text, sizeof text, format, static_cast<double>(value));
    return text;
}

std::string right_justified(std::string text, std::size_t width) {
    if (text.size() < width) text.insert(0, width - text.size(), ' ');
    return text;
}

class Mismatches {
  public:
    void add(std::uint32_t word, const std::string& what, const std::string& got,
             const std::string& expected) {
        if (count_.fetch_add(1) >= 20) return;
        const std::lock_guard<std::mutex> lock(mutex_);
        messages_.push_back(hex_string(word, 32) + " " + what + ": got \"" + got +
                            "\", expected \"" + expected + "\"");
    }
    long count() const { return count_.load(); }
    const std::vector<std::string>& messages() const { return messages_; }

  private:
    std::atomic<long> count_{0};
    std::mutex mutex_;
    std::vector<std::string> messages_;
};

void check_word(std::uint32_t word, Mismatches& mismatches) {
    const auto expect = [&](const char* what, const std::string& got, const std::string& want) {
        if (got != want) mismatches.add(word, what, got, want);
    };
    const float x = binary32_from_word(word);
    const std::string bits = bit_string(word, 32);
    const std::string exponent_bits = bits.substr(1, 8);
    const ClassFlags flags = class_of_fields(8, 23, exponent_bits, bits.substr(9));

    const int c_class = std::fpclassify(x);
    TwoLanguageText c_class_texts;
    switch (c_class) {
    case FP_ZERO:
        c_class_texts = {"Zero cu semn", "Signed Zero"};
        break;
    case FP_SUBNORMAL:
        c_class_texts = {"Numar denormalizat", "Denormalized Number"};
        break;
    case FP_INFINITE:
        c_class_texts = {"Infinit cu semn", "Signed Infinity"};
        break;
    case FP_NORMAL:
        c_class_texts = {"Numar normalizat: Real(4)", "Normalized Number: Real(4)"};
        break;
    default:
        c_class_texts = {"Non-Numar", "Not-a-Number"};
    }
    const TwoLanguageText texts = class_texts(flags, 4);
    expect("class", texts[0], c_class_texts[0]);
    expect("class", texts[1], c_class_texts[1]);
    expect("canonical value", std::string(trim_left(format_number(x, kind_form(4, true)))),
           std::isnan(x) ? "NaN" : printf_text(x, "%+.7E"));
    if (!std::isfinite(x)) return; // the parameter list is disabled

    const int e = c_class == FP_NORMAL ? std::ilogb(x) : BINARY32.emin;
    expect("E", std::to_string(representation_exponent(BINARY32, exponent_bits, flags)),
           std::to_string(e));
    const char* mark = e == BINARY32.emin ? " (Emin)" : e == BINARY32.emax ? " (Emax)" : " (E)";
    expect("E label", representation_exponent_label(flags, LANG_ENGLISH),
           std::string("Representation Exponent") + mark);
    expect("E label", representation_exponent_label(flags, LANG_ROMANIAN),
           std::string("Exponentul reprezentarii") + mark);

    const std::uint32_t field = word & 0x7FFFFF;
    const bool hidden = flags.is_finite && !flags.is_subnormal && !flags.is_zero;
    const double c_significand = field / 8388608.0 + (c_class == FP_NORMAL ? 1 : 0);
    char significand[64];
    std::snprintf(significand, sizeof significand, "%14.7E", c_significand);
    expect("significand",
           format_number(significand_value<float>(field, 23, hidden), significand_form(4)),
           significand);

    const float magnitude = std::fabs(x);
    const float largest = std::numeric_limits<float>::max();
    const float infinity = std::numeric_limits<float>::infinity();
    const float c_ulp = magnitude < largest ? std::nextafter(magnitude, infinity) - magnitude
                                            : magnitude - std::nextafter(magnitude, 0.0F);
    expect("ULP", format_number(ulp(x), kind_form(4)),
           right_justified(printf_text(c_ulp, "%15.7E"), 15));

    const float up = std::nextafter(x, infinity);
    const float down = std::nextafter(x, -infinity);
    expect("X+", format_number(next_up(x), kind_form(4)),
           right_justified(printf_text(up, "%15.7E"), 15));
    expect("X-", format_number(next_down(x), kind_form(4)),
           right_justified(printf_text(down, "%15.7E"), 15));
    expect("X+ bits", bit_string(word_of(next_up(x)), 32), bit_string(word_of(up), 32));
    expect("X- bits", bit_string(word_of(next_down(x)), 32), bit_string(word_of(down), 32));
}

std::uint64_t stride_from_environment() {
    const char* text = std::getenv("BINORA_EXHAUSTIVE32_STRIDE");
    const long stride = text != nullptr ? std::atol(text) : 1;
    return stride > 0 ? static_cast<std::uint64_t>(stride) : 1;
}

TEST(EveryBinary32Word, ReadOutsAgreeWithTheCLibrary) {
    const std::uint64_t stride = stride_from_environment();
    const unsigned threads = std::max(1U, std::thread::hardware_concurrency());
    constexpr std::uint64_t words = std::uint64_t{1} << 32;
    Mismatches mismatches;
    const auto start = std::chrono::steady_clock::now();
    std::vector<std::thread> workers;
    for (unsigned t = 0; t < threads; ++t) {
        workers.emplace_back([&, t] {
            for (std::uint64_t w = t * stride; w < words; w += threads * stride)
                check_word(static_cast<std::uint32_t>(w), mismatches);
        });
    }
    for (auto& worker : workers)
        worker.join();
    const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
    const std::uint64_t checked = (words + stride - 1) / stride;
    std::printf("%llu words (every %llu-th) on %u threads in %.0f s: %ld mismatches\n",
                static_cast<unsigned long long>(checked), static_cast<unsigned long long>(stride),
                threads, spent.count(), mismatches.count());
    for (const std::string& message : mismatches.messages())
        ADD_FAILURE() << message;
    EXPECT_EQ(mismatches.count(), 0);
}

} // namespace
} // namespace binora
