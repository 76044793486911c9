#include "cli/cli_options.hpp"

#include "cli/storage_word_input.hpp"

#include <string_view>

namespace binora::cli {

namespace {

struct Choice {
    std::string_view word;
    int value;
};

constexpr Choice KINDS[] = {{"32", 4}, {"64", 8}, {"128", 16}};
constexpr Choice LANGUAGES[] = {{"en", 2}, {"ro", 1}};
constexpr Choice FORMATS[] = {{"text", static_cast<int>(OutputFormat::text)},
                              {"tsv", static_cast<int>(OutputFormat::tsv)},
                              {"json", static_cast<int>(OutputFormat::json)}};

template <std::size_t N>
std::optional<int> choose(const Choice (&choices)[N], std::string_view word) {
    for (const Choice& choice : choices)
        if (choice.word == word) return choice.value;
    return std::nullopt;
}

ParsedCommandLine failure(std::string message) {
    return {std::nullopt, std::move(message)};
}

// Reads the option starting at `arguments[at]`; advances `at` past its value. An empty
// result means success.
std::string read_option(std::span<const char* const> arguments, std::size_t& at,
                        CliOptions& options) {
    std::string_view name = arguments[at];
    std::optional<std::string_view> value;
    if (const auto equals = name.find('='); equals != std::string_view::npos) {
        value = name.substr(equals + 1);
        name = name.substr(0, equals);
    }
    const bool takes_value = name == "--kind" || name == "--lang" || name == "--format";
    if (!takes_value) {
        if (value) return "option " + std::string(name) + " takes no value";
        if (name == "--help") {
            options.action = Action::help;
        } else if (name == "--version") {
            options.action = Action::version;
        } else if (name == "--header") {
            options.header = true;
        } else {
            return "unknown option " + std::string(name);
        }
        return {};
    }
    if (!value) {
        if (at + 1 >= arguments.size()) return "option " + std::string(name) + " needs a value";
        value = arguments[++at];
    }
    if (name == "--kind") {
        const auto kind = choose(KINDS, *value);
        if (!kind) return "bad kind '" + std::string(*value) + "' (32, 64 or 128)";
        options.kind = *kind;
    } else if (name == "--lang") {
        const auto lang = choose(LANGUAGES, *value);
        if (!lang) return "bad language '" + std::string(*value) + "' (en or ro)";
        options.lang = *lang;
    } else {
        const auto format = choose(FORMATS, *value);
        if (!format) return "bad format '" + std::string(*value) + "' (text, tsv or json)";
        options.format = static_cast<OutputFormat>(*format);
    }
    return {};
}

} // namespace

ParsedCommandLine parse_command_line(std::span<const char* const> arguments) {
    CliOptions options;
    bool options_ended = false;
    for (std::size_t at = 0; at < arguments.size(); ++at) {
        const std::string_view argument = arguments[at];
        if (!options_ended && argument == "--") {
            options_ended = true;
        } else if (!options_ended && argument.starts_with("--")) {
            if (std::string error = read_option(arguments, at, options); !error.empty())
                return failure(std::move(error));
        } else {
            options.values.emplace_back(argument);
        }
    }
    if (options.action != Action::read_values) return {std::move(options), {}};
    // Words are checked once the kind is known, before any value is read.
    for (const std::string& value : options.values)
        if (is_storage_word_text(value) && !parse_storage_word(value, options.kind))
            return failure(storage_word_error(value, options.kind));
    return {std::move(options), {}};
}

std::string usage_text() {
    return "usage: binora-cli [--kind 32|64|128] [--lang en|ro] [--format text|tsv|json] "
           "[--header] [VALUE ...]\n"
           "       binora-cli --help | --version\n";
}

std::string help_text() {
    return usage_text() +
           "\n"
           "Shows how each decimal VALUE is stored in an IEEE 754 binary format, with the\n"
           "read-outs of the Binora window: sign, exponent and significand bits, class,\n"
           "canonical value, exponent, significand, ULP, both neighbours, epsilon and the\n"
           "exact decimal value of the stored number.\n"
           "\n"
           "VALUE is a decimal text as typed into the value field (Infinity and NaN spellings\n"
           "included), or 0x and the storage word in hexadecimal: 8, 16 or 32 digits for\n"
           "binary32, binary64 or binary128. Without VALUE, one value is read per line of\n"
           "standard input until its end. After --, every argument is a VALUE.\n"
           "\n"
           "  --kind 32|64|128         binary32, binary64 (default) or binary128\n"
           "  --lang en|ro             language of the class text (default en)\n"
           "  --format text|tsv|json   a block of name: value lines per value (default),\n"
           "                           one tab-separated line, or one JSON object per line\n"
           "  --header                 with tsv: a first line of column names\n"
           "  --help, --version        this text, the version\n"
           "\n"
           "Messages of the window go to standard error (\"Error: Invalid Value\").\n"
           "Exit status: 0 every value was read, 1 some value was invalid, 2 usage error,\n"
           "3 the input could not be read or the output could not be written.\n";
}

} // namespace binora::cli
