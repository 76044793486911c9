#include "cli/cli_options.hpp"

#include "numeric/storage_word_text.hpp"

#include <string_view>

namespace binora::cli {

namespace {

struct Choice {
    std::string_view word;
    int value;
};

constexpr CliKind KINDS[] = {
    {"32", FORMATS[0]},          {"64", FORMATS[1]},          {"128", FORMATS[2]},
    {"16", NARROW_FORMATS[0]},   {"bf16", NARROW_FORMATS[1]}, {"e5m2", NARROW_FORMATS[2]},
    {"e4m3", NARROW_FORMATS[3]},
};
constexpr Choice LANGUAGES[] = {{"en", static_cast<int>(Language::english)},
                                {"ro", static_cast<int>(Language::romanian)}};
constexpr Choice FORMATS[] = {{"text", static_cast<int>(OutputFormat::text)},
                              {"tsv", static_cast<int>(OutputFormat::tsv)},
                              {"json", static_cast<int>(OutputFormat::json)}};

template <std::size_t N>
std::optional<int> choose(const Choice (&choices)[N], std::string_view word) {
    for (const Choice& choice : choices)
        if (choice.word == word) return choice.value;
    return std::nullopt;
}

const CliKind* choose_kind(std::string_view word) {
    for (const CliKind& kind : KINDS)
        if (kind.word == word) return &kind;
    return nullptr;
}

// The columns named in `names` ("hex,value,error"), or an empty list and the message in
// `error`.
std::vector<Column> choose_columns(std::string_view names, std::string& error) {
    std::vector<Column> columns;
    std::size_t at = 0;
    for (;;) {
        const std::size_t comma = names.find(',', at);
        const std::string_view name = names.substr(at, comma - at);
        bool known = false;
        for (std::size_t c = 0; c < COLUMN_NAMES.size(); ++c) {
            if (COLUMN_NAMES[c] != name) continue;
            columns.push_back(static_cast<Column>(c));
            known = true;
        }
        if (!known) {
            error = "unknown column '" + std::string(name) + "' (";
            for (std::size_t c = 0; c < COLUMN_NAMES.size(); ++c)
                error.append(c == 0 ? "" : ", ").append(COLUMN_NAMES[c]);
            error += ')';
            return {};
        }
        if (comma == std::string_view::npos) return columns;
        at = comma + 1;
    }
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
    const bool takes_value =
        name == "--kind" || name == "--lang" || name == "--format" || name == "--columns";
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
        const CliKind* kind = choose_kind(*value);
        if (kind == nullptr)
            return "bad kind '" + std::string(*value) + "' (32, 64, 128, 16, bf16, e5m2 or e4m3)";
        options.kind = kind;
    } else if (name == "--columns") {
        std::string error;
        options.columns = choose_columns(*value, error);
        if (!error.empty()) return error;
    } else if (name == "--lang") {
        const auto lang = choose(LANGUAGES, *value);
        if (!lang) return "bad language '" + std::string(*value) + "' (en or ro)";
        options.lang = static_cast<Language>(*lang);
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
        if (is_storage_word_text(value) && !parse_storage_word(value, options.kind->format))
            return failure(storage_word_error(value, options.kind->format));
    return {std::move(options), {}};
}

std::span<const CliKind> cli_kinds() {
    return KINDS;
}

std::string usage_text() {
    return "usage: binora-cli [--kind 32|64|128|16|bf16|e5m2|e4m3] [--lang en|ro]\n"
           "                  [--format text|tsv|json] [--columns NAME,...] [--header] [VALUE "
           "...]\n"
           "       binora-cli --help | --version\n";
}

std::string help_text() {
    return usage_text() +
           "\n"
           "Shows how each decimal VALUE is stored in an IEEE 754 binary format, with the\n"
           "read-outs of the Binora window: sign, exponent and significand bits, class,\n"
           "canonical value, exponent, significand, ULP, both neighbours, epsilon and the\n"
           "exact decimal value of the stored number; on request, how far the stored number\n"
           "lies from the typed one.\n"
           "\n"
           "VALUE is a decimal text as typed into the value field (Infinity and NaN spellings\n"
           "included), or 0x and the storage word in hexadecimal: 8, 16 or 32 digits for\n"
           "binary32, binary64 or binary128, 4 for binary16 and bfloat16, 2 for E5M2 and\n"
           "E4M3. Without VALUE, one value is read per line of standard input until its end.\n"
           "After --, every argument is a VALUE.\n"
           "\n"
           "  --kind KIND              32, 64 (default), 128: binary32, binary64, binary128;\n"
           "                           16: binary16; bf16: bfloat16; e5m2, e4m3: the OCP\n"
           "                           8-bit formats (E4M3 has no infinities, its largest\n"
           "                           number is 448 and its only NaNs are S.1111.111)\n"
           "  --lang en|ro             language of the class text (default en)\n"
           "  --format text|tsv|json   a block of name: value lines per value (default),\n"
           "                           one tab-separated line, or one JSON object per line\n"
           "  --columns NAME,...       the columns to write, in this order (default: input\n"
           "                           to exact); error and error_ulps, the typed decimal\n"
           "                           minus the stored number exactly and in ULPs, only\n"
           "                           when named\n"
           "  --header                 with tsv: a first line of column names\n"
           "  --help, --version        this text, the version\n"
           "\n"
           "Columns: input kind status sign exponent significand hex class value E E_label\n"
           "sig ulp next_up next_down next_up_bits next_down_bits epsilon exact error\n"
           "error_ulps.\n"
           "\n"
           "Messages of the window go to standard error (\"Error: Invalid Value\").\n"
           "Exit status: 0 every value was read, 1 some value was invalid, 2 usage error,\n"
           "3 the input could not be read or the output could not be written.\n";
}

} // namespace binora::cli
