// The conversion error columns: known differences worked out by hand, and, for random
// decimal texts of every kind, `error` plus `exact` equal to the typed number exactly
// (rational arithmetic) and `error_ulps` within half a ULP.

#include "cli_test_support.hpp"

#include <gmpxx.h>
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace binora::cli::testing {
namespace {

SessionRun errors_of(const char* kind, const std::vector<std::string>& values) {
    return run_session({"--kind", kind, "--format", "tsv", "--header", "--columns",
                        "input,status,exact,error,error_ulps"},
                       values);
}

TEST(ConversionError, KnownDifferences) {
    const struct {
        const char* kind;
        const char* input;
        const char* error;
        const char* error_ulps;
    } rows[] = {
        // 0.1 - 0.100000001490116119384765625, a fifth of ULP = 2^-27 below
        {"32", "0.1", "-0.000000001490116119384765625", "-2.000E-01"},
        {"64", "0.1", "-0.0000000000000000055511151231257827021181583404541015625", "-4.000E-01"},
        {"64", "0.5", "0", "0.000E+00"},
        {"e4m3", "464", "16", "5.000E-01"}, // halfway between 448 and 480, to even
        {"bf16", "1e-50", "0.00000000000000000000000000000000000000000000000001",
         "1.089E-10"}, // stored as +0, whose ULP is 2^-133
        // Stored as +0 too: the difference is the typed number, written with its exponent.
        {"64", "1e-100000", "1E-100000", "2.024E-99677"},
        {"64", "-2.5e-100001", "-2.5E-100001", "-5.060E-99678"},
        {"64", "0x3FB999999999999A", "", ""}, // a word: no typed number
        {"64", "Inf", "", ""},
        {"16", "nan", "", ""},
        {"64", " ,5", "", ""}, // no number
    };
    for (const auto& row : rows) {
        const SessionRun run = errors_of(row.kind, {row.input});
        ASSERT_EQ(run.rows.size(), 1U) << row.input;
        EXPECT_EQ(run.rows[0].at("status"), "ok") << row.input;
        EXPECT_EQ(run.rows[0].at("error"), row.error) << row.kind << " " << row.input;
        EXPECT_EQ(run.rows[0].at("error_ulps"), row.error_ulps) << row.kind << " " << row.input;
    }
}

TEST(ConversionError, RandomTextsAreWithinHalfAnUlpAndExact) {
    const struct {
        const char* kind;
        int lowest_exponent; // decimal exponents of the texts, past both ends of the format
        int highest_exponent;
    } kinds[] = {{"32", -50, 40},   {"64", -330, 310}, {"128", -4970, 4935}, {"16", -10, 6},
                 {"bf16", -45, 40}, {"e5m2", -8, 6},   {"e4m3", -5, 4}};
    std::mt19937_64 random(20261209);
    for (const auto& kind : kinds) {
        std::uniform_int_distribution<int> digit_count(1, 25);
        std::uniform_int_distribution<int> digit(0, 9);
        std::uniform_int_distribution<int> exponent(kind.lowest_exponent, kind.highest_exponent);
        std::vector<std::string> values;
        for (int i = 0; i < 400; ++i) {
            std::string text = random() % 2 != 0 ? "-" : "";
            const int digits = digit_count(random);
            for (int d = 0; d < digits; ++d) {
                if (d == 1) text += '.';
                text += static_cast<char>('0' + digit(random));
            }
            values.push_back(text + "e" + std::to_string(exponent(random)));
        }
        const SessionRun run = errors_of(kind.kind, values);
        ASSERT_EQ(run.rows.size(), values.size()) << kind.kind;
        std::size_t read = 0;
        for (const TsvRow& row : run.rows) {
            if (row.at("status") != "ok") continue; // beyond the largest number
            ++read;
            const std::string where = std::string(kind.kind) + " " + row.at("input");
            EXPECT_TRUE(rational_of(row.at("error")) + rational_of(row.at("exact")) ==
                        rational_of(row.at("input")))
                << where << ": " << row.at("error") << " + " << row.at("exact");
            EXPECT_LE(std::fabs(std::stod(row.at("error_ulps"))), 0.5) << where;
        }
        EXPECT_GT(read, values.size() / 2) << kind.kind;
    }
}

} // namespace
} // namespace binora::cli::testing
