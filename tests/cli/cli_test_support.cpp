#include "cli_test_support.hpp"

#include "cli/cli_options.hpp"
#include "cli/cli_session.hpp"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string_view>

namespace binora::cli::testing {

std::string bits_of_hex(const char* hex) {
    std::string bits;
    for (const char* p = hex; *p != '\0'; ++p) {
        const int nibble = *p <= '9' ? *p - '0' : (*p | 0x20) - 'a' + 10;
        for (int b = 3; b >= 0; --b)
            bits += ((nibble >> b) & 1) != 0 ? '1' : '0';
    }
    return bits;
}

std::vector<std::string> split_lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::vector<std::string> split_tabs(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
        fields.push_back(line.substr(start, tab - start));
    fields.push_back(line.substr(start));
    return fields;
}

TsvRow::TsvRow(std::vector<std::string> names, const std::string& line)
    : names_(std::move(names)), values_(split_tabs(line)) {
    EXPECT_EQ(values_.size(), names_.size()) << line;
    values_.resize(names_.size());
}

const std::string& TsvRow::at(const std::string& name) const {
    for (std::size_t i = 0; i < names_.size(); ++i)
        if (names_[i] == name) return values_[i];
    ADD_FAILURE() << "no column " << name;
    static const std::string none;
    return none;
}

namespace {

// The run's output split into rows by the header line's names.
void split_rows(SessionRun& run, bool header) {
    const auto lines = split_lines(run.out);
    if (header && !lines.empty()) {
        const auto names = split_tabs(lines[0]);
        for (std::size_t i = 1; i < lines.size(); ++i)
            run.rows.emplace_back(names, lines[i]);
    }
}

} // namespace

SessionRun run_session_lines(const std::vector<const char*>& arguments, const std::string& input) {
    SessionRun run;
    const auto parsed = parse_command_line(arguments);
    if (!parsed.options) {
        ADD_FAILURE() << parsed.error;
        return run;
    }
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream errors;
    {
        CliSession session(*parsed.options, out, errors);
        run.status = session.read_lines(in, false);
    }
    run.out = out.str();
    run.errors = errors.str();
    split_rows(run, parsed.options->header);
    return run;
}

mpq_class rational_of(const std::string& text) {
    std::string digits;
    long fraction_digits = 0;
    long exponent = 0;
    bool negative = false;
    bool after_point = false;
    const std::string_view shown = std::string_view(text).substr(0, text.find("..."));
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const char c = shown[i];
        if (c == '-' && i == 0) {
            negative = true;
        } else if (c == '+' && i == 0) {
        } else if (c == '.') {
            after_point = true;
        } else if (c == 'e' || c == 'E' || c == 'd' || c == 'D') {
            exponent = std::stol(std::string(shown.substr(i + 1)));
            break;
        } else {
            digits += c;
            if (after_point) ++fraction_digits;
        }
    }
    mpq_class value(mpz_class(digits, 10));
    mpz_class power;
    const long shift = exponent - fraction_digits;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, static_cast<unsigned long>(std::labs(shift)));
    if (shift >= 0)
        value *= power;
    else
        value /= power;
    return negative ? mpq_class(-value) : value;
}

SessionRun run_session(std::initializer_list<const char*> arguments,
                       const std::vector<std::string>& values) {
    SessionRun run;
    const std::vector<const char*> words(arguments);
    const auto parsed = parse_command_line(words);
    if (!parsed.options) {
        ADD_FAILURE() << parsed.error;
        return run;
    }
    std::ostringstream out;
    std::ostringstream errors;
    {
        CliSession session(*parsed.options, out, errors);
        run.status = session.read_values(values);
    }
    run.out = out.str();
    run.errors = errors.str();
    split_rows(run, parsed.options->header);
    return run;
}

namespace {

std::string shell_word(const std::string& word) {
    std::string quoted = "'";
    for (char c : word)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

std::string read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

int exit_status(int system_result) {
    return system_result != -1 && WIFEXITED(system_result) ? WEXITSTATUS(system_result) : -1;
}

} // namespace

std::string temporary_path(const std::string& name) {
    // One folder per test process, removed with everything in it when the process ends.
    struct Folder {
        std::filesystem::path path = std::filesystem::temp_directory_path() /
                                     ("binora-cli-test-" + std::to_string(getpid()));
        Folder() { std::filesystem::create_directories(path); }
        ~Folder() {
            std::error_code ignored;
            std::filesystem::remove_all(path, ignored);
        }
        Folder(const Folder&) = delete;
        Folder& operator=(const Folder&) = delete;
    };
    static const Folder folder;
    static int counter = 0;
    return (folder.path / (std::to_string(++counter) + "-" + name)).string();
}

ProcessRun run_cli_files(const std::vector<std::string>& arguments, const std::string& input_path,
                         const std::string& output_path) {
    const std::string errors_path = temporary_path("errors");
    std::string command = shell_word(BINORA_CLI_PATH);
    for (const auto& argument : arguments)
        command += " " + shell_word(argument);
    command += " <" + shell_word(input_path) + " >" + shell_word(output_path) + " 2>" +
               shell_word(errors_path);
    ProcessRun run;
    run.status = exit_status(std::system(command.c_str()));
    run.errors = read_file(errors_path);
    std::filesystem::remove(errors_path);
    return run;
}

ProcessRun run_cli(const std::vector<std::string>& arguments, const std::string& input) {
    const std::string input_path = temporary_path("input");
    const std::string output_path = temporary_path("output");
    std::ofstream(input_path, std::ios::binary) << input;
    ProcessRun run = run_cli_files(arguments, input_path, output_path);
    run.out = read_file(output_path);
    std::filesystem::remove(input_path);
    std::filesystem::remove(output_path);
    return run;
}

} // namespace binora::cli::testing
