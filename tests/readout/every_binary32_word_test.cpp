// Every binary32 storage word (or every n-th, with BINORA_EXHAUSTIVE32_STRIDE=n in the
// environment; from word h on, with BINORA_EXHAUSTIVE32_FROM=h in hexadecimal, to resume a run
// from the last word its progress lines name) through the read-out core (read_out_value): the bit
// fields and the word in hexadecimal, the class, X in canonical form, E and its caption, the
// significand, ULP(X), both neighbours in decimal and as fields, and the exact decimal value. Each
// is checked against what the C library says of the same word: fpclassify and ilogbf for the class
// and E, nextafterf for the neighbours and the ULP, and glibc's printf (exact at any precision) for
// every decimal text. Runs on all cores; built with -DBINORA_EXHAUSTIVE32=ON.

#include "model/format_traits.hpp"
#include "model/language.hpp"
#include "numeric/classify.hpp"
#include "numeric/storage_word.hpp"
#include "readout/class_text.hpp"
#include "readout/parameter_rows.hpp"
#include "readout/value_read_out.hpp"
#include "testing/words.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
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

// printf's "%.7E" of a value, without the blanks of a field width.
std::string printf_form(float value) {
    return printf_text(value, "%.7E");
}

// The bits of `word` from bit `high` down to bit `low`, as "0" and "1".
std::string bits_of(std::uint32_t word, int high, int low) {
    std::string bits;
    for (int b = high; b >= low; --b)
        bits += ((word >> b) & 1U) != 0 ? '1' : '0';
    return bits;
}

// The exact decimal value of a finite binary32 number: printf with as many fraction digits as
// the lowest set bit of the value needs, each of which printf writes exactly.
std::string exact_by_printf(float x) {
    int digits = 0;
    if (x != 0) {
        int exponent = 0;
        const float m = std::frexp(std::fabs(x), &exponent); // x = m * 2^exponent
        auto integer = static_cast<std::uint32_t>(std::ldexp(m, 24));
        int lowest = exponent - 24; // the weight of the integer's lowest bit
        while ((integer & 1U) == 0) {
            integer >>= 1;
            ++lowest;
        }
        digits = std::max(0, -lowest);
    }
    std::vector<char> text(static_cast<std::size_t>(digits) + 64);
    std::snprintf(text.data(), text.size(), "%.*f", digits, static_cast<double>(x));
    return text.data();
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

void check_word(std::uint32_t word, Mismatches& mismatches, ValueReadOut& out) {
    const auto expect = [&](const char* what, std::string_view got, const std::string& want) {
        if (got != want) mismatches.add(word, what, std::string(got), want);
    };
    const float x = binary32_from_word(word);
    read_out_value(BINARY32, word, Language::english, out);
    expect("sign", out.sign, bits_of(word, 31, 31));
    expect("exponent", out.exponent, bits_of(word, 30, 23));
    expect("significand", out.significand, bits_of(word, 22, 0));
    char hex[16];
    std::snprintf(hex, sizeof hex, "%08X", static_cast<unsigned>(word));
    expect("hex", out.hex, hex);

    const int c_class = std::fpclassify(x);
    const char* c_class_texts[2];
    switch (c_class) {
    case FP_ZERO:
        c_class_texts[0] = "Zero cu semn";
        c_class_texts[1] = "Signed Zero";
        break;
    case FP_SUBNORMAL:
        c_class_texts[0] = "Numar denormalizat";
        c_class_texts[1] = "Denormalized Number";
        break;
    case FP_INFINITE:
        c_class_texts[0] = "Infinit cu semn";
        c_class_texts[1] = "Signed Infinity";
        break;
    case FP_NORMAL:
        c_class_texts[0] = "Numar normalizat: Real(4)";
        c_class_texts[1] = "Normalized Number: Real(4)";
        break;
    default:
        c_class_texts[0] = "Non-Numar";
        c_class_texts[1] = "Not-a-Number";
    }
    const ClassFlags flags = class_of_word(BINARY32, word);
    expect("class", out.class_text, c_class_texts[1]);
    std::string room;
    expect("class", class_text(flags, BINARY32, Language::romanian, room), c_class_texts[0]);
    expect("canonical value", out.value, std::isnan(x) ? "NaN" : printf_text(x, "%+.7E"));
    expect("finite", out.finite ? "finite" : "not finite",
           std::isfinite(x) ? "finite" : "not finite");
    if (!std::isfinite(x)) return; // the parameter list is disabled

    const int e = c_class == FP_NORMAL ? std::ilogb(x) : BINARY32.emin;
    expect("E", out.exponent_row.text, std::to_string(e));
    const char* mark = e == BINARY32.emin ? " (Emin)" : e == BINARY32.emax ? " (Emax)" : " (E)";
    expect("E label", out.exponent_row.caption, std::string("Representation Exponent") + mark);
    expect("E label", representation_exponent_label(flags, Language::romanian),
           std::string("Exponentul reprezentarii") + mark);

    const std::uint32_t field = word & 0x7FFFFF;
    const double c_significand = field / 8388608.0 + (c_class == FP_NORMAL ? 1 : 0);
    char significand[64];
    std::snprintf(significand, sizeof significand, "%.7E", c_significand);
    expect("significand", out.significand_row.text, significand);

    const float magnitude = std::fabs(x);
    const float largest = std::numeric_limits<float>::max();
    const float infinity = std::numeric_limits<float>::infinity();
    const float c_ulp = magnitude < largest ? std::nextafter(magnitude, infinity) - magnitude
                                            : magnitude - std::nextafter(magnitude, 0.0F);
    expect("ULP", out.ulp_row.text, printf_form(c_ulp));

    const float up = std::nextafter(x, infinity);
    const float down = std::nextafter(x, -infinity);
    expect("X+", out.next_up.text, printf_form(up));
    expect("X-", out.next_down.text, printf_form(down));
    const auto fields = [](float value) {
        const std::uint32_t w = word_of(value);
        return bits_of(w, 31, 31) + "_" + bits_of(w, 30, 23) + "_" + bits_of(w, 22, 0);
    };
    expect("X+ bits", out.next_up_bits.text, fields(up));
    expect("X- bits", out.next_down_bits.text, fields(down));
    expect("exact", out.exact, exact_by_printf(x));
}

std::uint64_t stride_from_environment() {
    const char* text = std::getenv("BINORA_EXHAUSTIVE32_STRIDE");
    const long stride = text != nullptr ? std::atol(text) : 1;
    return stride > 0 ? static_cast<std::uint64_t>(stride) : 1;
}

// The first word to check: BINORA_EXHAUSTIVE32_FROM in hexadecimal, else 0.
std::uint64_t first_word_from_environment() {
    const char* text = std::getenv("BINORA_EXHAUSTIVE32_FROM");
    return text != nullptr ? std::strtoull(text, nullptr, 16) & 0xFFFFFFFFU : 0;
}

TEST(EveryBinary32Word, CoreReadOutsAgreeWithTheCLibrary) {
    const std::uint64_t stride = stride_from_environment();
    const std::uint64_t first = first_word_from_environment();
    const unsigned threads = std::max(1U, std::thread::hardware_concurrency());
    constexpr std::uint64_t words = std::uint64_t{1} << 32;
    Mismatches mismatches;
    const auto start = std::chrono::steady_clock::now();
    std::vector<std::thread> workers;
    for (unsigned t = 0; t < threads; ++t) {
        workers.emplace_back([&, t] {
            ValueReadOut out;
            // The first worker says how far the run has got at every sixteenth of the range.
            std::uint64_t next_report = (first / (words / 16) + 1) * (words / 16);
            for (std::uint64_t w = first + t * stride; w < words; w += threads * stride) {
                check_word(static_cast<std::uint32_t>(w), mismatches, out);
                if (t == 0 && w >= next_report) {
                    const std::chrono::duration<double> spent =
                        std::chrono::steady_clock::now() - start;
                    std::printf("words below %08llX checked after %.0f s, %ld mismatches\n",
                                static_cast<unsigned long long>(next_report), spent.count(),
                                mismatches.count());
                    std::fflush(stdout);
                    next_report += words / 16;
                }
            }
        });
    }
    for (auto& worker : workers)
        worker.join();
    const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
    const std::uint64_t checked = (words - first + stride - 1) / stride;
    std::printf("%llu words (every %llu-th, from %08llX) on %u threads in %.0f s: %ld mismatches\n",
                static_cast<unsigned long long>(checked), static_cast<unsigned long long>(stride),
                static_cast<unsigned long long>(first), threads, spent.count(), mismatches.count());
    for (const std::string& message : mismatches.messages())
        ADD_FAILURE() << message;
    EXPECT_EQ(mismatches.count(), 0);
}

} // namespace
} // namespace binora
