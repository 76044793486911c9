// The three output formats: names and order of the columns, one line per value whatever the
// input holds, valid JSON strings, the text blocks, and the language of the class texts.

#include "cli/cli_session.hpp"
#include "cli/output_formats.hpp"
#include "cli_test_support.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace binora::cli::testing {
namespace {

TEST(OutputFormats, TsvHeaderNamesTheColumnsInOrder) {
    const auto run = run_session({"--format", "tsv", "--header"}, {});
    EXPECT_EQ(run.out, "input\tkind\tstatus\tsign\texponent\tsignificand\thex\tclass\tvalue\tE\t"
                       "E_label\tsig\tulp\tnext_up\tnext_down\tnext_up_bits\tnext_down_bits\t"
                       "epsilon\texact\n");
    EXPECT_EQ(run.status, EXIT_ALL_READ);
}

TEST(OutputFormats, JsonIsOneObjectPerLineWithStringMembers) {
    const auto run = run_session({"--format", "json", "--kind", "32"}, {"1", "abc"});
    EXPECT_EQ(run.out, "{\"input\":\"1\",\"kind\":\"32\",\"status\":\"ok\",\"sign\":\"0\","
                       "\"exponent\":\"01111111\",\"significand\":\"00000000000000000000000\","
                       "\"hex\":\"3F800000\",\"class\":\"Normalized Number: Real(4)\","
                       "\"value\":\"+1.0000000E+00\",\"E\":\"0\","
                       "\"E_label\":\"Representation Exponent (E)\",\"sig\":\"1.0000000E+00\","
                       "\"ulp\":\"1.1920929E-07\",\"next_up\":\"1.0000001E+00\","
                       "\"next_down\":\"9.9999994E-01\","
                       "\"next_up_bits\":\"0_01111111_00000000000000000000001\","
                       "\"next_down_bits\":\"0_01111110_11111111111111111111111\","
                       "\"epsilon\":\"Epsilon = ULP(1.0).\",\"exact\":\"1\"}\n"
                       "{\"input\":\"abc\",\"kind\":\"32\",\"status\":\"invalid\",\"sign\":\"\","
                       "\"exponent\":\"\",\"significand\":\"\",\"hex\":\"\",\"class\":\"\","
                       "\"value\":\"\",\"E\":\"\",\"E_label\":\"\",\"sig\":\"\",\"ulp\":\"\","
                       "\"next_up\":\"\",\"next_down\":\"\",\"next_up_bits\":\"\","
                       "\"next_down_bits\":\"\",\"epsilon\":\"\",\"exact\":\"\"}\n");
    EXPECT_EQ(run.errors, "Error: Invalid Value\n");
    EXPECT_EQ(run.status, EXIT_SOME_INVALID);
}

TEST(OutputFormats, TextIsABlockOfNamedLinesPerValue) {
    const auto run = run_session({"--kind", "64"}, {"-Inf", "x"});
    EXPECT_EQ(run.out, "input: -Inf\nkind: 64\nstatus: ok\nsign: 1\nexponent: 11111111111\n"
                       "significand: " +
                           std::string(52, '0') +
                           "\nhex: FFF0000000000000\nclass: Signed Infinity\n"
                           "value: -Infinity\nE:\nE_label:\nsig:\nulp:\nnext_up:\nnext_down:\n"
                           "next_up_bits:\nnext_down_bits:\nepsilon:\nexact:\n"
                           "\n"
                           "input: x\nkind: 64\nstatus: invalid\nsign:\nexponent:\n"
                           "significand:\nhex:\nclass:\nvalue:\nE:\nE_label:\nsig:\nulp:\n"
                           "next_up:\nnext_down:\nnext_up_bits:\nnext_down_bits:\nepsilon:\n"
                           "exact:\n");
}

TEST(OutputFormats, RomanianClassAndExponentCaption) {
    const auto run = run_session({"--lang", "ro", "--format", "tsv", "--header"},
                                 {"1", "1e-310", "0", "nan", "-inf"});
    ASSERT_EQ(run.rows.size(), 5U);
    EXPECT_EQ(run.rows[0].at("class"), "Numar normalizat: Real(8)");
    EXPECT_EQ(run.rows[0].at("E_label"), "Exponentul reprezentarii (E)");
    EXPECT_EQ(run.rows[1].at("class"), "Numar denormalizat");
    EXPECT_EQ(run.rows[1].at("E_label"), "Exponentul reprezentarii (Emin)");
    EXPECT_EQ(run.rows[2].at("class"), "Zero cu semn");
    EXPECT_EQ(run.rows[3].at("class"), "Non-Numar");
    EXPECT_EQ(run.rows[4].at("class"), "Infinit cu semn");
}

TEST(OutputFormats, AnyInputStaysOnItsLine) {
    const std::string inputs[] = {"1\t2", "a\\b", "\"q\"", "x\ry", std::string("n\0l", 3)};
    for (const char* format : {"tsv", "json"}) {
        for (const auto& input : inputs) {
            const auto run = run_session({"--format", format}, {input});
            EXPECT_EQ(split_lines(run.out).size(), 1U) << format << " " << input;
            if (std::string(format) == "tsv") {
                EXPECT_EQ(split_tabs(split_lines(run.out)[0]).size(), 19U) << input;
            }
        }
    }
}

TEST(OutputFormats, AMessageFollowsTheReadOutsOfTheValuesBeforeIt) {
    // Read-outs are gathered before they are written; on one stream for both, a message
    // still comes after the read-outs of earlier values and before those of later ones.
    const auto parsed = parse_command_line(std::vector<const char*>{"--kind", "32"});
    ASSERT_TRUE(parsed.options);
    std::ostringstream both;
    {
        CliSession session(*parsed.options, both, both);
        std::istringstream in("1\nabc\n2\n");
        EXPECT_EQ(session.read_lines(in, false), EXIT_SOME_INVALID);
    }
    const std::string text = both.str();
    const auto first = text.find("input: 1\n");
    const auto message = text.find("Error: Invalid Value\n");
    const auto invalid = text.find("input: abc\n");
    const auto last = text.find("input: 2\n");
    ASSERT_NE(last, std::string::npos);
    EXPECT_LT(first, message);
    EXPECT_LT(message, invalid);
    EXPECT_LT(invalid, last);
}

TEST(OutputFormats, EscapesInTsvAndText) {
    struct Row {
        std::string text;
        std::string escaped;
    };
    const Row rows[] = {
        {"plain 1.5", "plain 1.5"},
        {"a\tb", "a\\tb"},
        {"line\nbreak\r", "line\\nbreak\\r"},
        {"back\\slash", "back\\\\slash"},
        // past the first eight bytes, after another control character
        {"0123456789abcdef-0.5", "0123456789abcdef-0.5"},
        {"0123456789\\bcdefgh", "0123456789\\\\bcdefgh"},
        {"abcdefghij\tlmnopqr", "abcdefghij\\tlmnopqr"},
        // in the first sixteen bytes only, of a longer text
        {"a\tbcdefghijklmnopqrstuvwxyz0123456789", "a\\tbcdefghijklmnopqrstuvwxyz0123456789"},
        {"0123\x01"
         "56789abcdefgh\n",
         "0123\x01"
         "56789abcdefgh\\n"}};
    for (const auto& row : rows) {
        std::string escaped = "before ";
        append_escaped(escaped, row.text);
        EXPECT_EQ(escaped, "before " + row.escaped);
    }
}

TEST(OutputFormats, JsonStringsAreValidUtf8) {
    struct Row {
        std::string text;
        std::string contents;
    };
    const Row rows[] = {
        {"\"1\\2\"", "\\\"1\\\\2\\\""},
        {"\t\n\r", "\\t\\n\\r"},
        {std::string("\x01\x1f\x7f", 3), "\\u0001\\u001f\x7f"},
        {std::string("\0", 1), "\\u0000"},
        {"\xE2\x88\x92"
         "1",
         "\xE2\x88\x92"
         "1"},                                                    // U+2212 minus sign passes
        {"\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"},                 // a four-byte character
        {"\xE9t\xE9", "\xEF\xBF\xBDt\xEF\xBF\xBD"},               // Windows-1252 bytes
        {"\xC0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD"},                 // overlong NUL
        {"\xED\xA0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"}, // a surrogate
        {"\xE2\x88", "\xEF\xBF\xBD\xEF\xBF\xBD"},                 // cut short
        {"\xF4\x90\x80\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"}, // > U+10FFFF
    };
    for (const auto& row : rows) {
        std::string contents;
        append_json_string(contents, row.text);
        EXPECT_EQ(contents, row.contents);
    }
}

} // namespace
} // namespace binora::cli::testing
