#include "cli/cli_options.hpp"

#include "numeric/storage_word_text.hpp"

#include <array>
#include <cctype>
#include <string>
#include <string_view>
#include <utility>

namespace binora::cli {

namespace {

struct Choice {
    std::string_view word;
    int value;
};

// Every format of the table, the window's first, by the word the format's row gives it.
constexpr const FormatTraits& format_row(std::size_t i) {
    return i < binora::FORMATS.size() ? binora::FORMATS[i]
                                      : NARROW_FORMATS[i - binora::FORMATS.size()];
}
template <std::size_t... I> constexpr auto kinds_of_rows(std::index_sequence<I...>) {
    return std::array<CliKind, sizeof...(I)>{CliKind{format_row(I).cli_word, format_row(I)}...};
}
constexpr auto KINDS =
    kinds_of_rows(std::make_index_sequence<binora::FORMATS.size() + NARROW_FORMATS.size()>());

// The kinds' words joined: "32|64|...|e4m3", or "32, 64, ... or e4m3".
std::string kind_words(std::string_view between, std::string_view before_last) {
    std::string words;
    for (std::size_t i = 0; i < KINDS.size(); ++i)
        words.append(i == 0 ? "" : (i + 1 == KINDS.size() ? before_last : between))
            .append(KINDS[i].word);
    return words;
}
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
        for (std::size_t c = 0; c < COLUMNS.size(); ++c) {
            if (COLUMNS[c].name != name) continue;
            columns.push_back(static_cast<Column>(c));
            known = true;
        }
        if (!known) {
            error = "unknown column '" + std::string(name) + "' (";
            for (std::size_t c = 0; c < COLUMNS.size(); ++c)
                error.append(c == 0 ? "" : ", ").append(COLUMNS[c].name);
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

// The options given that only an operation takes, or that change its defaults.
struct GivenOptions {
    bool columns = false;
    bool round = false;
    bool saturate = false;
};

// Reads the option starting at `arguments[at]`; advances `at` past its value. An empty
// result means success.
std::string read_option(std::span<const char* const> arguments, std::size_t& at,
                        CliOptions& options, GivenOptions& given) {
    std::string_view name = arguments[at];
    std::optional<std::string_view> value;
    if (const auto equals = name.find('='); equals != std::string_view::npos) {
        value = name.substr(equals + 1);
        name = name.substr(0, equals);
    }
    const bool takes_value = name == "--kind" || name == "--lang" || name == "--format" ||
                             name == "--columns" || name == "--op" || name == "--from" ||
                             name == "--round";
    if (!takes_value) {
        if (value) return "option " + std::string(name) + " takes no value";
        if (name == "--help") {
            options.action = Action::help;
        } else if (name == "--version") {
            options.action = Action::version;
        } else if (name == "--header") {
            options.header = true;
        } else if (name == "--saturate") {
            options.saturate = true;
            given.saturate = true;
        } else {
            return "unknown option " + std::string(name);
        }
        return {};
    }
    if (!value) {
        if (at + 1 >= arguments.size()) return "option " + std::string(name) + " needs a value";
        value = arguments[++at];
    }
    if (name == "--kind" || name == "--from") {
        const CliKind* kind = choose_kind(*value);
        if (kind == nullptr)
            return "bad kind '" + std::string(*value) + "' (" + kind_words(", ", " or ") + ")";
        (name == "--kind" ? options.kind : options.from) = kind;
    } else if (name == "--columns") {
        std::string error;
        options.columns = choose_columns(*value, error);
        if (!error.empty()) return error;
        given.columns = true;
    } else if (name == "--op") {
        options.operation = operation_named(*value);
        if (!options.operation)
            return "bad operation '" + std::string(*value) +
                   "' (add, sub, mul, div, fma, sqrt, rem or convert)";
    } else if (name == "--round") {
        given.round = true;
        if (*value == "all") {
            options.roundings.assign(ALL_ROUNDINGS.begin(), ALL_ROUNDINGS.end());
        } else {
            const auto rounding = rounding_named(*value);
            if (!rounding)
                return "bad rounding '" + std::string(*value) +
                       "' (rne, rna, rtz, rup, rdn or all)";
            options.roundings = {*rounding};
        }
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

// Whether `text` is "0x" and hexadecimal digits only, as a storage word is written.
bool looks_like_storage_word(std::string_view text) {
    if (!is_storage_word_text(text) || text.size() == 2) return false;
    for (const char c : text.substr(2))
        if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
    return true;
}

// Settles an operation's options: the default columns, --from for convert only, and the
// operands given as arguments (as many as the operation takes, storage words of the operands'
// kind). An empty result means success.
std::string check_operation(CliOptions& options, bool columns_given) {
    const Operation operation = *options.operation;
    if (!columns_given) options.columns = default_columns(true);
    if (options.from != nullptr && operation != Operation::convert)
        return "option --from needs --op convert";
    if (options.values.empty()) return {};
    const auto count = static_cast<std::size_t>(operand_count(operation));
    if (options.values.size() != count)
        return std::string(operation_name(operation)) + " takes " + std::to_string(count) +
               (count == 1 ? " operand" : " operands") + ", not " +
               std::to_string(options.values.size());
    const FormatTraits& format = options.operand_kind().format;
    for (const std::string& value : options.values)
        if (looks_like_storage_word(value) && !parse_storage_word(value, format))
            return storage_word_error(value, format);
    return {};
}

} // namespace

ParsedCommandLine parse_command_line(std::span<const char* const> arguments) {
    CliOptions options;
    GivenOptions given;
    bool options_ended = false;
    for (std::size_t at = 0; at < arguments.size(); ++at) {
        const std::string_view argument = arguments[at];
        if (!options_ended && argument == "--") {
            options_ended = true;
        } else if (!options_ended && argument.starts_with("--")) {
            if (std::string error = read_option(arguments, at, options, given); !error.empty())
                return failure(std::move(error));
        } else {
            options.values.emplace_back(argument);
        }
    }
    if (options.action != Action::read_values) return {std::move(options), {}};
    if (options.operation) {
        if (std::string error = check_operation(options, given.columns); !error.empty())
            return failure(std::move(error));
        return {std::move(options), {}};
    }
    // Without --op.
    if (options.from != nullptr || given.round || given.saturate)
        return failure(std::string("option ") +
                       (options.from != nullptr ? "--from"
                        : given.round           ? "--round"
                                                : "--saturate") +
                       " needs --op");
    for (const Column column : options.columns)
        if (is_operation_column(column))
            return failure("column '" + std::string(column_name(column)) + "' needs --op");
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
    return "usage: binora-cli [--kind " + kind_words("|", "|") +
           "] [--lang en|ro]\n"
           "                  [--format text|tsv|json] [--columns NAME,...] [--header] [VALUE "
           "...]\n"
           "       binora-cli --op add|sub|mul|div|fma|sqrt|rem|convert [--from KIND]\n"
           "                  [--round rne|rna|rtz|rup|rdn|all] [--saturate] [OPTION ...]\n"
           "                  [OPERAND ...]\n"
           "       binora-cli --help | --version\n";
}

std::string help_text() {
    return usage_text() +
           "\n"
           "Shows how each decimal VALUE is stored in an IEEE 754 binary format, with the\n"
           "read-outs of the Binora window: sign, exponent and significand bits, class,\n"
           "canonical value, exponent, significand, ULP, both neighbours, epsilon and the\n"
           "exact decimal value of the stored number; on request, how far the stored number\n"
           "lies from the typed one. With --op, shows what one IEEE 754 operation does to\n"
           "stored numbers: the result, rounded once in the direction chosen, the exception\n"
           "flags, the exact result and the bits beyond the last one kept.\n"
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
           "                           minus the stored number exactly and in ULPs, and\n"
           "                           hexfloat, the C99 hexadecimal form, only when named\n"
           "  --header                 with tsv: a first line of column names\n"
           "  --help, --version        this text, the version\n"
           "\n"
           "Columns: input kind status sign exponent significand hex class value E E_label\n"
           "sig ulp next_up next_down next_up_bits next_down_bits epsilon exact error\n"
           "error_ulps hexfloat.\n"
           "\n"
           "Operations (--op): add, sub, mul, div (A B), fma (A*B+C, rounded once), sqrt\n"
           "(A), rem (the IEEE remainder A-n*B, n the integer nearest A/B) and convert (A,\n"
           "read in the kind of --from, into --kind). Each line of standard input holds the\n"
           "OPERANDs of one operation, separated by blanks; or the arguments are those of\n"
           "one. An OPERAND is a VALUE or a C99 hexadecimal constant (0x1.8p-3), rounded\n"
           "into the kind in the direction chosen; one that overflows is an infinity (or the\n"
           "largest number, as the direction says) with the overflow flag. IEEE 754 default\n"
           "exception handling: tininess after rounding, underflow only when also inexact.\n"
           "\n"
           "  --op OP                  the operation\n"
           "  --from KIND              convert: the kind its operand is read in (default\n"
           "                           the result's, --kind)\n"
           "  --round MODE             rne: to nearest, ties to even (default); rna: to\n"
           "                           nearest, ties away from zero; rtz: toward zero; rup:\n"
           "                           toward +infinity; rdn: toward -infinity; all: one row\n"
           "                           for each, in this order\n"
           "  --saturate               an overflow gives the largest finite number instead\n"
           "                           of an infinity (in E4M3 also where its NaN stands for\n"
           "                           one: x/0, converting an infinity)\n"
           "\n"
           "Columns of an operation, all written by default: input kind status op round a\n"
           "b c (the operands' storage words) operand_flags (raised reading them), the\n"
           "result's sign to exact as for a VALUE, hexfloat, real (the exact result: every\n"
           "digit, or 40 followed by ...), error and error_ulps (the result minus real), grs\n"
           "(the guard, round and sticky bits of real) and flags (invalid, divbyzero,\n"
           "overflow, underflow, inexact, comma-separated, or none).\n"
           "\n"
           "Lessons:\n"
           "  binora-cli --op add 0.1 0.2              0.30000000000000004: 0.1 and 0.2 are\n"
           "                                           stored a little off, and the sum too\n"
           "  binora-cli --op add 1e16 1               1e16 again: 1 is half a ULP, a tie\n"
           "  binora-cli --op div --round all 1 3      the five directions side by side\n"
           "  binora-cli --op sqrt 2                   real, error and grs of a root\n"
           "  binora-cli --op mul --round all 1.7976931348623157e308 2\n"
           "                                           overflow: infinity or the largest\n"
           "  binora-cli --op div 2.2250738585072014e-308 2\n"
           "                                           gradual underflow: exact, subnormal\n"
           "  binora-cli --op fma 0x3FF0000000400000 0x3FF0000000400000 0xBFF0000000800000\n"
           "                                           2^-60, where mul then sub gives 0\n"
           "  binora-cli --op convert --from 64 --kind 16 1.00048828125000000001\n"
           "                                           double rounding: 1, where --from 16\n"
           "                                           gives 1.001\n"
           "\n"
           "Messages of the window go to standard error (\"Error: Invalid Value\").\n"
           "Exit status: 0 every value was read, 1 some value was invalid, 2 usage error,\n"
           "3 the input could not be read or the output could not be written.\n";
}

} // namespace binora::cli
