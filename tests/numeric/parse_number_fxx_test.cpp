// Conformance of the decimal reader with the public parse-number-fxx vectors: every line
// gives the correctly rounded bits of its decimal string in binary32, binary64 and
// binary128, or an infinity where the string overflows the format.

#include "numeric/decimal_reader.hpp"
#include "numeric/storage_word.hpp"
#include "testing/words.hpp"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace binora {
namespace {

template <typename Real>
void expect_line(const ReadResult<Real>& read, const std::string& expected, int bits,
                 const std::string& infinity, const std::string& line, int& failures) {
    const bool good = expected == infinity ? read.status == ReadStatus::overflow
                                           : read.status == ReadStatus::ok &&
                                                 hex_string(word_of(read.value), bits) == expected;
    if (good) return;
    if (++failures <= 10)
        ADD_FAILURE() << "binary" << bits << " expected " << expected << " got "
                      << (read.status == ReadStatus::ok ? hex_string(word_of(read.value), bits)
                                                        : "a failed read")
                      << " for " << line.substr(0, 200);
}

void check_file(const std::string& name) {
    std::ifstream in(std::string(BINORA_PARSE_NUMBER_DIR) + "/" + name);
    ASSERT_TRUE(in) << "missing test data " << name;
    int lines = 0;
    int failures = 0;
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string f16, f32, f64, f128, text;
        fields >> f16 >> f32 >> f64 >> f128 >> text;
        ASSERT_FALSE(text.empty()) << "malformed line: " << line;
        ++lines;
        expect_line(read_binary32(text), f32, 32, "7F800000", line, failures);
        expect_line(read_binary64(text), f64, 64, "7FF0000000000000", line, failures);
        expect_line(read_binary128(text), f128, 128, "7FFF0000000000000000000000000000", line,
                    failures);
    }
    EXPECT_GT(lines, 0);
    EXPECT_EQ(failures, 0) << "of " << lines << " lines in " << name;
}

TEST(ParseNumberFxx, ExhaustiveFloat16) {
    check_file("exhaustive-float16.txt");
}
TEST(ParseNumberFxx, Freetype) {
    check_file("freetype-2-7.txt");
}
TEST(ParseNumberFxx, GoogleWuffs) {
    check_file("google-wuffs.txt");
}
TEST(ParseNumberFxx, LemireFastFloat) {
    check_file("lemire-fast-float.txt");
}
TEST(ParseNumberFxx, MoreTestCases) {
    check_file("more-test-cases.txt");
}
TEST(ParseNumberFxx, TencentRapidjson) {
    check_file("tencent-rapidjson.txt");
}

} // namespace
} // namespace binora
