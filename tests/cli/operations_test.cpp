// binora-cli --op: results known independently (the stored words as hex, exact decimals and
// errors worked out with Python's decimal module at 200 digits), and for random operations
// the texts of the exact result against rational arithmetic in the test: `exact` minus `real`
// is `error`; a result whose expansion does not end shows its first 40 digits, truncated.

#include "cli_test_support.hpp"

#include <gmpxx.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace binora::cli::testing {
namespace {

struct Known {
    std::vector<const char*> options; // after --format tsv --header
    std::string line;
    // Rows, one per rounding direction asked for: column name to text.
    std::vector<std::map<std::string, std::string>> rows;
};

TEST(Operations, KnownResults) {
    const std::string third = "0." + std::string(40, '3') + "...";
    const Known known[] = {
        {{"--op", "add"},
         "0.1 0.2",
         {{{"a", "3FB999999999999A"},
           {"b", "3FC999999999999A"},
           {"c", ""},
           {"operand_flags", "inexact"},
           {"hex", "3FD3333333333334"},
           {"value", "+3.0000000000000004D-01"},
           {"hexfloat", "0x1.3333333333334p-2"},
           {"real", "0.3000000000000000166533453693773481063544750213623046875"},
           {"error", "0.0000000000000000277555756156289135105907917022705078125"},
           {"error_ulps", "5.000E-01"},
           {"grs", "100"},
           {"flags", "inexact"}}}},
        // 1e16 + 1 is halfway between 1e16 and 1e16 + 2: to the even one.
        {{"--op", "add"},
         "1e16\t 1",
         {{{"hex", "4341C37937E08000"},
           {"real", "10000000000000001"},
           {"error", "-1"},
           {"error_ulps", "-5.000E-01"},
           {"flags", "inexact"}}}},
        {{"--op", "div", "--round", "all"},
         "1 3",
         {{{"round", "rne"}, {"hex", "3FD5555555555555"}, {"real", third}, {"grs", "011"}},
          {{"round", "rna"}, {"hex", "3FD5555555555555"}},
          {{"round", "rtz"}, {"hex", "3FD5555555555555"}},
          {{"round", "rup"}, {"hex", "3FD5555555555556"}, {"error_ulps", "6.667E-01"}},
          {{"round", "rdn"}, {"hex", "3FD5555555555555"}, {"error_ulps", "-3.333E-01"}}}},
        {{"--op", "sqrt"},
         "2",
         {{{"hex", "3FF6A09E667F3BCD"},
           {"real", "1.414213562373095048801688724209698078569..."},
           {"error", "0.00000000000000009667293313452913037187168859825586442682..."},
           {"error_ulps", "4.354E-01"},
           {"grs", "101"}}}},
        // Overflow: an infinity or the largest number, as the direction says.
        {{"--op", "mul", "--round", "all"},
         "1.7976931348623157e308 2",
         {{{"hex", "7FF0000000000000"}, {"flags", "overflow,inexact"}, {"error", ""}},
          {{"hex", "7FF0000000000000"}},
          {{"hex", "7FEFFFFFFFFFFFFF"}, {"flags", "overflow,inexact"}},
          {{"hex", "7FF0000000000000"}},
          {{"hex", "7FEFFFFFFFFFFFFF"}}}},
        // Gradual underflow: exact, no flag; half the smallest subnormal: a tie.
        {{"--op", "div"},
         "2.2250738585072014e-308 2",
         {{{"hex", "0008000000000000"}, {"flags", "none"}}}},
        {{"--op", "div", "--round", "all"},
         "0x0000000000000001 2",
         {{{"hex", "0000000000000000"}, {"flags", "underflow,inexact"}, {"grs", "100"}},
          {{"hex", "0000000000000001"}},
          {{"hex", "0000000000000000"}},
          {{"hex", "0000000000000001"}},
          {{"hex", "0000000000000000"}}}},
        // The error of a product, exactly, where mul then sub gives 0.
        {{"--op", "fma"},
         "0x3FF0000000400000 0x3FF0000000400000 0xBFF0000000800000",
         {{{"hex", "3C30000000000000"}, {"flags", "none"}, {"hexfloat", "0x1p-60"}}}},
        // Double rounding: through binary64 onto a binary16 tie, then to even.
        {{"--op", "convert", "--from", "64", "--kind", "16"},
         "1.00048828125000000001",
         {{{"a", "3FF0020000000000"}, {"hex", "3C00"}, {"flags", "inexact"}}}},
        {{"--op", "convert", "--kind", "16"},
         "1.00048828125000000001",
         {{{"a", "3C01"}, {"operand_flags", "inexact"}, {"hex", "3C01"}, {"flags", "none"}}}},
        // E4M3: its NaN where an infinity would be, 448 when saturating.
        {{"--op", "mul", "--kind", "e4m3", "--round", "all"},
         "448 2",
         {{{"hex", "7F"}, {"flags", "overflow,inexact"}},
          {{"hex", "7F"}},
          {{"hex", "7E"}},
          {{"hex", "7F"}},
          {{"hex", "7E"}}}},
        {{"--op", "div", "--kind", "e4m3"},
         "1 0",
         {{{"hex", "7F"}, {"flags", "divbyzero"}, {"real", "Infinity"}}}},
        {{"--op", "div", "--kind", "e4m3", "--saturate"},
         "-1 0",
         {{{"hex", "FE"}, {"value", "-4.48E+02"}, {"flags", "divbyzero"}}}},
        // A decimal operand that overflows, and hexadecimal constants rounded.
        {{"--op", "add", "--round", "rtz"},
         "1e400 0",
         {{{"a", "7FEFFFFFFFFFFFFF"}, {"operand_flags", "overflow,inexact"}}}},
        {{"--op", "add", "--kind", "16"},
         "0x1.8p-3 -0x1.0000000001p0",
         {{{"a", "3200"}, {"b", "BC00"}, {"operand_flags", "inexact"}, {"hex", "BA80"}}}},
        {{"--op", "sqrt"}, "-0", {{{"hex", "8000000000000000"}, {"real", "0"}, {"flags", "none"}}}},
        {{"--op", "sub", "--round", "rdn"}, "1 1", {{{"hex", "8000000000000000"}}}},
        {{"--op", "rem"}, "5 3", {{{"hex", "BFF0000000000000"}, {"real", "-1"}}}},
        {{"--op", "mul"},
         "0x7FF4000000000001 nan",
         {{{"hex", "7FFC000000000001"}, {"real", "NaN"}, {"grs", ""}, {"flags", "invalid"}}}},
        // Lines that are no operation: every row invalid, its operation and direction said.
        {{"--op", "fma", "--round", "all"},
         "1 2",
         {{{"status", "invalid"}, {"op", "fma"}, {"round", "rne"}, {"a", ""}, {"flags", ""}},
          {{"status", "invalid"}, {"round", "rna"}},
          {{"status", "invalid"}},
          {{"status", "invalid"}},
          {{"status", "invalid"}, {"round", "rdn"}}}},
        {{"--op", "add"}, "1,5 2", {{{"status", "invalid"}}}},
    };
    for (const Known& k : known) {
        std::vector<const char*> arguments = {"--format", "tsv", "--header"};
        arguments.insert(arguments.end(), k.options.begin(), k.options.end());
        SCOPED_TRACE(k.line);
        const SessionRun run = run_session_lines(arguments, k.line + "\n");
        ASSERT_EQ(run.rows.size(), k.rows.size());
        for (std::size_t r = 0; r < k.rows.size(); ++r)
            for (const auto& [name, text] : k.rows[r])
                EXPECT_EQ(run.rows[r].at(name), text) << "row " << r << ", " << name;
    }
}

// The first `digits` significant digits of |q| truncated, as an integer, and how many of
// them follow the point (none for an integer part that long).
mpz_class truncated_digits(const mpq_class& q, long fraction_digits) {
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, static_cast<unsigned long>(fraction_digits));
    const mpq_class scaled = abs(q) * power;
    mpz_class result;
    mpz_fdiv_q(result.get_mpz_t(), scaled.get_num_mpz_t(), scaled.get_den_mpz_t());
    return result;
}

// ULP of a number of the kind: 2^(E - P + 1), E its exponent but no less than Emin.
mpq_class ulp_of(const std::string& kind, const mpq_class& x) {
    const std::map<std::string, std::pair<long, long>> precision_and_emin = {{"16", {11, -14}},
                                                                             {"32", {24, -126}},
                                                                             {"64", {53, -1022}},
                                                                             {"128", {113, -16382}},
                                                                             {"e4m3", {4, -6}}};
    const auto [precision, emin] = precision_and_emin.at(kind);
    long exponent = emin;
    if (x != 0) {
        const mpq_class magnitude = abs(x);
        exponent = static_cast<long>(mpz_sizeinbase(magnitude.get_num_mpz_t(), 2)) -
                   static_cast<long>(mpz_sizeinbase(magnitude.get_den_mpz_t(), 2));
        while (mpq_class(magnitude) < (exponent < 0 ? mpq_class(1, mpz_class(1) << -exponent)
                                                    : mpq_class(mpz_class(1) << exponent)))
            --exponent;
        exponent = std::max(exponent, emin);
    }
    const long ulp_exponent = exponent - precision + 1;
    return ulp_exponent < 0
               ? mpq_class(1, mpz_class(1) << static_cast<unsigned long>(-ulp_exponent))
               : mpq_class(mpz_class(1) << static_cast<unsigned long>(ulp_exponent));
}

// Random operations on operands that are exact in each kind (integers and halves of a few
// digits): an `exact` minus `real` that ends is `error`; one that does not (a quotient, a
// root) shows 40 significant digits, truncated; `error_ulps` is `error` in ULPs.
TEST(Operations, ExactResultTextsAgreeWithRationalArithmetic) {
    std::mt19937_64 random(20261210);
    for (const char* kind : {"64", "32", "16", "128", "e4m3"}) {
        for (const char* op : {"add", "sub", "mul", "div", "fma", "sqrt", "rem"}) {
            const int count = std::string(op) == "fma" ? 3 : (std::string(op) == "sqrt" ? 1 : 2);
            std::string input;
            std::vector<std::vector<mpq_class>> operands;
            for (int line = 0; line < 60; ++line) {
                std::vector<mpq_class> values;
                for (int i = 0; i < count; ++i) {
                    const long whole = static_cast<long>(random() % 16) + 1;
                    const long halves = std::string(kind) == "e4m3" ? 1 : 1 + random() % 2;
                    mpq_class value(whole, halves);
                    value.canonicalize();
                    if (std::string(op) != "sqrt" && random() % 3 == 0) value = -value;
                    values.push_back(value);
                    input += (i == 0 ? "" : " ") + std::to_string(double(value.get_d()));
                }
                input += '\n';
                operands.push_back(values);
            }
            const SessionRun run =
                run_session_lines({"--op", op, "--kind", kind, "--format", "tsv", "--header",
                                   "--columns", "input,status,exact,real,error,error_ulps"},
                                  input);
            ASSERT_EQ(run.rows.size(), operands.size()) << kind << " " << op;
            for (std::size_t r = 0; r < operands.size(); ++r) {
                const TsvRow& row = run.rows[r];
                const std::string where = std::string(kind) + " " + op + " " + row.at("input");
                const std::string& real = row.at("real");
                if (real == "NaN" || real.find("Infinity") != std::string::npos) continue;
                const auto& v = operands[r];
                mpq_class value;
                if (std::string(op) == "add") value = v[0] + v[1];
                if (std::string(op) == "sub") value = v[0] - v[1];
                if (std::string(op) == "mul") value = v[0] * v[1];
                if (std::string(op) == "div") value = v[0] / v[1];
                if (std::string(op) == "fma") value = v[0] * v[1] + v[2];
                if (std::string(op) == "rem") {
                    const mpq_class q = v[0] / v[1];
                    mpz_class n;
                    mpz_fdiv_q(n.get_mpz_t(), q.get_num_mpz_t(), q.get_den_mpz_t());
                    const int half = cmp(mpq_class(2 * (q - n)), 1);
                    if (half > 0 || (half == 0 && mpz_odd_p(n.get_mpz_t()) != 0)) ++n;
                    value = v[0] - mpq_class(n) * v[1];
                }
                if (real.ends_with("...")) {
                    // 40 significant digits, truncated, at least one after the point.
                    const auto point = real.find('.');
                    const long fraction = static_cast<long>(real.size() - 3 - point - 1);
                    mpz_class shown(real.substr(real[0] == '-', point - (real[0] == '-')) +
                                        real.substr(point + 1, static_cast<std::size_t>(fraction)),
                                    10);
                    EXPECT_EQ(shown.get_str().size(), 40U) << where << " " << real;
                    if (std::string(op) == "sqrt") { // shown^2 <= x < (shown + 1)^2, scaled
                        mpz_class power;
                        mpz_ui_pow_ui(power.get_mpz_t(), 10,
                                      static_cast<unsigned long>(2 * fraction));
                        const mpq_class x = v[0] * power;
                        EXPECT_TRUE(mpq_class(shown * shown) <= x &&
                                    x < mpq_class((shown + 1) * (shown + 1)))
                            << where << " " << real;
                    } else {
                        EXPECT_EQ(truncated_digits(value, fraction), shown) << where << " " << real;
                        EXPECT_EQ(real[0] == '-', value < 0) << where;
                    }
                    EXPECT_TRUE(row.at("error").ends_with("...")) << where;
                    continue;
                }
                if (std::string(op) != "sqrt")
                    EXPECT_TRUE(rational_of(real) == value) << where;
                else
                    EXPECT_TRUE(rational_of(real) * rational_of(real) == v[0]) << where;
                const mpq_class error = rational_of(row.at("exact")) - rational_of(real);
                EXPECT_TRUE(rational_of(row.at("error")) == error)
                    << where << " " << row.at("error");
                const double ulps =
                    mpq_class(error / ulp_of(kind, rational_of(row.at("exact")))).get_d();
                EXPECT_NEAR(std::stod(row.at("error_ulps")), ulps, std::fabs(ulps) * 5e-4 + 1e-300)
                    << where;
            }
        }
    }
}

} // namespace
} // namespace binora::cli::testing
