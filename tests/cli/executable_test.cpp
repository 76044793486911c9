// binora-cli run as a user runs it: exit statuses, messages, help and version, standard input
// line by line, and a long batch that must take little time and no more memory than a short
// one.

#include "cli_test_support.hpp"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace binora::cli::testing {
namespace {

const std::string USAGE =
    "usage: binora-cli [--kind 32|64|128|16|bf16|e5m2|e4m3] [--lang en|ro]\n"
    "                  [--format text|tsv|json] [--columns NAME,...] [--header] [VALUE ...]\n"
    "       binora-cli --op add|sub|mul|div|fma|sqrt|rem|convert [--from KIND]\n"
    "                  [--round rne|rna|rtz|rup|rdn|all] [--saturate] [OPTION ...]\n"
    "                  [OPERAND ...]\n"
    "       binora-cli --help | --version\n";

TEST(Executable, ExitStatusesAndMessages) {
    struct Row {
        std::vector<std::string> arguments;
        std::string input;
        int status;
        std::string errors;
    };
    const Row rows[] = {
        {{"0.1", "-0", "Inf", "nan"}, "", 0, ""},
        {{"0.1", "abc", "1e309"}, "", 1, "Error: Invalid Value\nError: Invalid Value\n"},
        {{"--kind", "32", "0x3F800000"}, "", 0, ""},
        {{}, "0.1\n1\n", 0, ""},
        {{}, "0.1\r\n-1\r\n", 0, ""},
        {{}, "", 0, ""},
        {{}, "1\n\n2", 1, "binora-cli: empty value\n"},
        {{},
         "0x3F800000\n",
         1,
         "binora-cli: 0x3F800000: a binary64 storage word is 0x and exactly 16 hexadecimal "
         "digits\n"},
        {{"--kind", "8"},
         "",
         2,
         "binora-cli: bad kind '8' (32, 64, 128, 16, bf16, e5m2 or e4m3)\n" + USAGE},
        {{"--columns", "hex,Hex"},
         "",
         2,
         "binora-cli: unknown column 'Hex' (input, kind, status, op, round, a, b, c, "
         "operand_flags, sign, exponent, significand, hex, class, value, E, E_label, sig, ulp, "
         "next_up, next_down, next_up_bits, next_down_bits, epsilon, exact, hexfloat, real, error, "
         "error_ulps, grs, flags)\n" +
             USAGE},
        {{"--fast", "1"}, "", 2, "binora-cli: unknown option --fast\n" + USAGE},
        // Operations: a line that is not one is invalid; options and arguments that do not
        // make one are usage errors.
        {{"--op", "add"},
         "1 2\n3\n1 x\n\n",
         1,
         "binora-cli: add takes 2 operands, not 1\nError: Invalid Value\n"
         "binora-cli: empty line\n"},
        {{"--op", "sqrt", "--round", "all", "0x1.8"}, "", 1, "Error: Invalid Value\n"},
        {{"--op", "add"},
         "1 0x3FF\n",
         1,
         "binora-cli: 0x3FF: a binary64 storage word is 0x and exactly 16 hexadecimal "
         "digits\n"},
        {{"--op", "add", "1"}, "", 2, "binora-cli: add takes 2 operands, not 1\n" + USAGE},
        {{"--op", "pow"},
         "",
         2,
         "binora-cli: bad operation 'pow' (add, sub, mul, div, fma, sqrt, rem or convert)\n" +
             USAGE},
        {{"--op", "add", "--round", "up"},
         "",
         2,
         "binora-cli: bad rounding 'up' (rne, rna, rtz, rup, rdn or all)\n" + USAGE},
        {{"--round", "rtz", "1"}, "", 2, "binora-cli: option --round needs --op\n" + USAGE},
        {{"--saturate", "1"}, "", 2, "binora-cli: option --saturate needs --op\n" + USAGE},
        {{"--columns", "hex,flags", "1"}, "", 2, "binora-cli: column 'flags' needs --op\n" + USAGE},
        {{"--op", "sqrt", "--from", "32"},
         "",
         2,
         "binora-cli: option --from needs --op convert\n" + USAGE},
        {{"--op", "convert", "--from", "32", "0x3FF0000000000000"},
         "",
         2,
         "binora-cli: 0x3FF0000000000000: a binary32 storage word is 0x and exactly 8 "
         "hexadecimal digits\n" +
             USAGE},
        {{"--format"}, "", 2, "binora-cli: option --format needs a value\n" + USAGE},
        {{"1", "0x3F800000"},
         "",
         2,
         "binora-cli: 0x3F800000: a binary64 storage word is 0x and exactly 16 hexadecimal "
         "digits\n" +
             USAGE},
    };
    for (const auto& row : rows) {
        const ProcessRun run = run_cli(row.arguments, row.input);
        std::string described;
        for (const auto& argument : row.arguments)
            described += argument + " ";
        EXPECT_EQ(run.status, row.status) << described << "<<< " << row.input;
        EXPECT_EQ(run.errors, row.errors) << described;
        if (row.status == 2) {
            EXPECT_EQ(run.out, "") << "a usage error reads no value";
        }
    }
}

TEST(Executable, ValuesFromArgumentsAndFromStandardInputReadAlike) {
    const ProcessRun from_arguments = run_cli({"--format", "tsv", "--kind", "32", "0.1", "x"});
    const ProcessRun from_input = run_cli({"--format", "tsv", "--kind", "32"}, "0.1\r\nx\n");
    EXPECT_EQ(from_arguments.out, from_input.out);
    const auto lines = split_lines(from_input.out);
    ASSERT_EQ(lines.size(), 2U);
    EXPECT_EQ(split_tabs(lines[0])[6], "3DCCCCCD");
    EXPECT_EQ(split_tabs(lines[1])[2], "invalid");
}

TEST(Executable, HelpAndVersion) {
    const ProcessRun help = run_cli({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.starts_with(USAGE)) << help.out;
    for (const char* word :
         {"--kind KIND", "bf16", "e5m2", "e4m3", "--lang en|ro", "--format text|tsv|json",
          "--columns NAME,...", "error_ulps", "--header", "0x", "Exit status"})
        EXPECT_NE(help.out.find(word), std::string::npos) << word;
    EXPECT_EQ(help.errors, "");

    const ProcessRun version = run_cli({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, std::string("binora-cli ") + BINORA_VERSION + "\n");
}

TEST(Executable, OutputThatCannotBeWrittenIsNotSuccess) {
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    const std::string input = temporary_path("input");
    std::ofstream(input) << "0.1\n";
    const std::vector<std::string> runs[] = {{}, {"--help"}, {"--version"}};
    for (const auto& arguments : runs) {
        const ProcessRun run = run_cli_files(arguments, input, "/dev/full");
        EXPECT_EQ(run.status, 3) << (arguments.empty() ? "values" : arguments[0]);
        EXPECT_EQ(run.errors, "binora-cli: cannot write standard output\n")
            << (arguments.empty() ? "values" : arguments[0]);
    }
    std::filesystem::remove(input);
}

#ifdef __SANITIZE_ADDRESS__
constexpr bool SANITIZED = true;
#else
constexpr bool SANITIZED = false;
#endif

long largest_child_resident_kilobytes() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return usage.ru_maxrss;
}

// A batch file cycling through values whose binary64 words are known; "" for invalid ones.
struct BatchValue {
    const char* text;
    const char* hex;
};
constexpr BatchValue BATCH_VALUES[] = {
    {"0.1", "3FB999999999999A"},
    {"-2.5", "C004000000000000"},
    {"1e-310", "000012688B70E62B"},
    {"Infinity", "7FF0000000000000"},
    {"nan", "7FFFFFFFFFFFFFFF"},
    {"0x3FF0000000000001", "3FF0000000000001"},
    {"abc", ""},
    {"6.02214076e23", "44DFE185CA57C517"},
    {"123456789012345678901234567890", "45F8EE90FF6C373E"},
    {"1e309", ""},
};
constexpr std::size_t CYCLE = std::size(BATCH_VALUES);

std::string write_batch(std::size_t lines) {
    const std::string path = temporary_path("batch");
    std::ofstream out(path);
    for (std::size_t i = 0; i < lines; ++i)
        out << BATCH_VALUES[i % CYCLE].text << '\n';
    return path;
}

TEST(Executable, HundredThousandLinesStreamInConstantMemory) {
    // Freed memory held back for use-after-free checks would look like growth.
    if (SANITIZED) setenv("ASAN_OPTIONS", "quarantine_size_mb=1:detect_leaks=0", 1);
    // The short batch is long enough for every thread to read a piece of it.
    const std::string short_input = write_batch(10000);
    const std::string long_input = write_batch(100000);
    const std::string output = temporary_path("output");

    const ProcessRun short_run = run_cli_files({"--format", "tsv"}, short_input, output);
    ASSERT_EQ(short_run.status, 1);
    const long short_kilobytes = largest_child_resident_kilobytes();

    const auto start = std::chrono::steady_clock::now();
    const ProcessRun long_run = run_cli_files({"--format", "tsv"}, long_input, output);
    const auto seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    ASSERT_EQ(long_run.status, 1);
    EXPECT_LT(seconds, SANITIZED ? 120.0 : 15.0);
    EXPECT_LE(largest_child_resident_kilobytes(), short_kilobytes + 2048)
        << "the short batch needed " << short_kilobytes << " KB";

    std::ifstream in(output);
    std::size_t count = 0;
    for (std::string line; std::getline(in, line); ++count) {
        const BatchValue& expected = BATCH_VALUES[count % CYCLE];
        const auto columns = split_tabs(line);
        ASSERT_EQ(columns.size(), 19U) << "line " << count + 1;
        ASSERT_EQ(columns[0], expected.text) << "line " << count + 1;
        ASSERT_EQ(columns[2], *expected.hex == '\0' ? "invalid" : "ok") << "line " << count + 1;
        ASSERT_EQ(columns[6], expected.hex) << "line " << count + 1;
    }
    EXPECT_EQ(count, 100000U);
    EXPECT_EQ(long_run.errors.size(), 20000 * std::string("Error: Invalid Value\n").size());
    for (const auto& path : {short_input, long_input, output})
        std::filesystem::remove(path);
}

} // namespace
} // namespace binora::cli::testing
