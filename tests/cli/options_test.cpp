// The command line of binora-cli: what each accepted form means and why a wrong one is refused.

#include "cli/cli_options.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace binora::cli::testing {
namespace {

ParsedCommandLine parse(std::vector<const char*> words) {
    return parse_command_line(words);
}

TEST(Options, DefaultsAreBinary64EnglishTextFromStandardInput) {
    const auto parsed = parse({});
    ASSERT_TRUE(parsed.options);
    EXPECT_EQ(parsed.options->action, Action::read_values);
    EXPECT_EQ(parsed.options->kind->word, "64");
    EXPECT_EQ(parsed.options->columns, default_columns());
    EXPECT_EQ(parsed.options->lang, Language::english);
    EXPECT_EQ(parsed.options->format, OutputFormat::text);
    EXPECT_FALSE(parsed.options->header);
    EXPECT_TRUE(parsed.options->values.empty());
}

TEST(Options, AcceptedForms) {
    struct Row {
        std::vector<const char*> words;
        std::string_view kind;
        int lang;
        OutputFormat format;
        bool header;
        std::vector<std::string> values;
    };
    const Row rows[] = {
        {{"--kind", "32", "0.1"}, "32", 2, OutputFormat::text, false, {"0.1"}},
        {{"--kind=128", "--lang=ro", "--format=json"}, "128", 1, OutputFormat::json, false, {}},
        {{"--format", "tsv", "--header", "1", "-2", "Inf"},
         "64",
         2,
         OutputFormat::tsv,
         true,
         {"1", "-2", "Inf"}},
        {{"-0", "--kind", "64", "-nan"}, "64", 2, OutputFormat::text, false, {"-0", "-nan"}},
        {{"--", "--kind", "--"}, "64", 2, OutputFormat::text, false, {"--kind", "--"}},
        {{"--kind", "32", "0x3F800000", "0x3f800000"},
         "32",
         2,
         OutputFormat::text,
         false,
         {"0x3F800000", "0x3f800000"}},
        {{"--kind", "128", "0X3FFF0000000000000000000000000000"},
         "128",
         2,
         OutputFormat::text,
         false,
         {"0X3FFF0000000000000000000000000000"}},
        {{"--kind", "32", "--kind", "64"}, "64", 2, OutputFormat::text, false, {}},
        {{""}, "64", 2, OutputFormat::text, false, {""}},
    };
    for (const auto& row : rows) {
        const auto parsed = parse(row.words);
        ASSERT_TRUE(parsed.options) << parsed.error;
        EXPECT_EQ(parsed.options->kind->word, row.kind);
        EXPECT_EQ(static_cast<int>(parsed.options->lang), row.lang);
        EXPECT_EQ(parsed.options->format, row.format);
        EXPECT_EQ(parsed.options->header, row.header);
        EXPECT_EQ(parsed.options->values, row.values);
    }
}

TEST(Options, HelpAndVersionWinOverValues) {
    EXPECT_EQ(parse({"0.1", "--help"}).options->action, Action::help);
    EXPECT_EQ(parse({"--version", "0x12"}).options->action, Action::version);
}

TEST(Options, UsageErrorsSayWhatIsWrong) {
    struct Row {
        std::vector<const char*> words;
        const char* message;
    };
    const Row rows[] = {
        {{"--bogus"}, "unknown option --bogus"},
        {{"--kind", "8"}, "bad kind '8' (32, 64, 128, 16, bf16, e5m2 or e4m3)"},
        {{"--kind=4"}, "bad kind '4' (32, 64, 128, 16, bf16, e5m2 or e4m3)"},
        {{"--kind", "16", "0x3C0"},
         "0x3C0: a binary16 storage word is 0x and exactly 4 hexadecimal digits"},
        {{"--kind", "e4m3", "0x7E0"},
         "0x7E0: a E4M3 storage word is 0x and exactly 2 hexadecimal digits"},
        {{"--columns", "hex,bogus"},
         "unknown column 'bogus' (input, kind, status, op, round, a, b, c, operand_flags, sign, "
         "exponent, significand, hex, class, value, E, E_label, sig, ulp, next_up, next_down, "
         "next_up_bits, next_down_bits, epsilon, exact, hexfloat, real, error, error_ulps, grs, "
         "flags)"},
        {{"--columns="},
         "unknown column '' (input, kind, status, op, round, a, b, c, operand_flags, sign, "
         "exponent, significand, hex, class, value, E, E_label, sig, ulp, next_up, next_down, "
         "next_up_bits, next_down_bits, epsilon, exact, hexfloat, real, error, error_ulps, grs, "
         "flags)"},
        {{"--kind"}, "option --kind needs a value"},
        {{"--lang", "de"}, "bad language 'de' (en or ro)"},
        {{"--format", "csv"}, "bad format 'csv' (text, tsv or json)"},
        {{"--header=yes"}, "option --header takes no value"},
        {{"0x3F80000"},
         "0x3F80000: a binary64 storage word is 0x and exactly 16 hexadecimal digits"},
        {{"--kind", "32", "0x3FF0000000000000"},
         "0x3FF0000000000000: a binary32 storage word is 0x and exactly 8 hexadecimal digits"},
        {{"--kind", "32", "0x3F80000G"},
         "0x3F80000G: a binary32 storage word is 0x and exactly 8 hexadecimal digits"},
        {{"0x"}, "0x: a binary64 storage word is 0x and exactly 16 hexadecimal digits"},
        {{"0x1p3"}, "0x1p3: a binary64 storage word is 0x and exactly 16 hexadecimal digits"},
    };
    for (const auto& row : rows) {
        const auto parsed = parse(row.words);
        EXPECT_FALSE(parsed.options) << row.message;
        EXPECT_EQ(parsed.error, row.message);
    }
}

} // namespace
} // namespace binora::cli::testing
