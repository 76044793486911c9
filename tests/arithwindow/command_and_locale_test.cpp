// The command line "Copy as command" gives, read back by binora-cli's own command-line
// reader; and the language binora-arith starts in, from the desktop locale.

#include "arithwindow/copy_command.hpp"
#include "arithwindow/desktop_language.hpp"
#include "cli/cli_options.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace binora {
namespace {

// The words a POSIX shell makes of a line of plain and single-quoted words.
std::vector<std::string> shell_words(const std::string& line) {
    std::vector<std::string> words;
    std::string word;
    bool in_word = false;
    bool quoted = false;
    for (const char c : line) {
        if (quoted) {
            if (c == '\'')
                quoted = false;
            else
                word += c;
        } else if (c == '\'') {
            quoted = in_word = true;
        } else if (c == ' ') {
            if (in_word) words.push_back(word);
            word.clear();
            in_word = false;
        } else {
            word += c;
            in_word = true;
        }
    }
    if (in_word) words.push_back(word);
    return words;
}

TEST(CopyAsCommand, BinoraCliReadsBackTheOperationFormatsDirectionAndOperands) {
    struct Row {
        ArithInputs inputs;
        const char* kind;
        const char* from;
    };
    ArithInputs sum;
    sum.operands = {" 0.1", "0.2 ", "7"};
    ArithInputs conversion;
    conversion.operation = Operation::convert;
    conversion.format = &NARROW_FORMATS[3];
    conversion.source = &FORMATS[2];
    conversion.rounding = Rounding::rup;
    conversion.operands = {"-0x1.8p-3", "", ""};
    ArithInputs product;
    product.operation = Operation::fma;
    product.format = &NARROW_FORMATS[1];
    product.source = &NARROW_FORMATS[1];
    product.rounding = Rounding::rna;
    product.operands = {"1,5", "-Inf", "nan"};
    for (const Row& row :
         {Row{sum, "64", nullptr}, Row{conversion, "e4m3", "128"}, Row{product, "bf16", nullptr}}) {
        const std::string line = command_line(row.inputs);
        std::vector<std::string> words = shell_words(line);
        ASSERT_EQ(words.front(), "binora-cli") << line;
        std::vector<const char*> arguments;
        for (std::size_t i = 1; i < words.size(); ++i)
            arguments.push_back(words[i].c_str());
        const cli::ParsedCommandLine parsed = cli::parse_command_line(arguments);
        ASSERT_TRUE(parsed.options) << line << ": " << parsed.error;
        const cli::CliOptions& options = *parsed.options;
        EXPECT_EQ(options.operation, row.inputs.operation) << line;
        EXPECT_EQ(options.kind->word, row.kind) << line;
        EXPECT_EQ(options.from != nullptr ? options.from->word : "", row.from ? row.from : "");
        EXPECT_EQ(options.roundings, std::vector<Rounding>{row.inputs.rounding}) << line;
        const auto count = static_cast<std::size_t>(operand_count(row.inputs.operation));
        ASSERT_EQ(options.values.size(), count) << line;
        for (std::size_t i = 0; i < count; ++i) {
            std::string typed = row.inputs.operands[i];
            typed.erase(0, typed.find_first_not_of(' '));
            typed.erase(typed.find_last_not_of(' ') + 1);
            EXPECT_EQ(options.values[i], typed) << line;
        }
    }
    EXPECT_EQ(command_line(sum), "binora-cli --op add --kind 64 --round rne 0.1 0.2");
    EXPECT_EQ(command_line(product), "binora-cli --op fma --kind bf16 --round rna '1,5' -Inf nan");
}

TEST(DesktopLanguage, RomanianWhereTheLocaleOfMessagesIsRomanian) {
    struct Row {
        const char* lc_all;
        const char* lc_messages;
        const char* lang;
        Language expected;
    };
    const Row rows[] = {
        {nullptr, nullptr, "ro_RO.UTF-8", Language::romanian},
        {nullptr, nullptr, "ro", Language::romanian},
        {nullptr, nullptr, "ro_MD", Language::romanian},
        {nullptr, nullptr, "en_US.UTF-8", Language::english},
        {nullptr, nullptr, "rom", Language::english},
        {nullptr, nullptr, nullptr, Language::english},
        {nullptr, nullptr, "C", Language::english},
        {nullptr, "ro_RO.UTF-8", "en_GB.UTF-8", Language::romanian},
        {"en_US.UTF-8", "ro_RO.UTF-8", "ro_RO.UTF-8", Language::english},
        {"", "", "ro_RO@euro", Language::romanian},
    };
    for (const Row& row : rows)
        EXPECT_EQ(desktop_language(row.lc_all, row.lc_messages, row.lang), row.expected)
            << (row.lc_all ? row.lc_all : "-") << " " << (row.lc_messages ? row.lc_messages : "-")
            << " " << (row.lang ? row.lang : "-");
}

} // namespace
} // namespace binora
