#pragma once

// The command line of binora-cli:
//   binora-cli [--kind 32|64|128|16|bf16|e5m2|e4m3] [--lang en|ro] [--format text|tsv|json]
//              [--columns NAME,...] [--header] [VALUE ...]
//   binora-cli --op add|sub|mul|div|fma|sqrt|rem|convert [--from KIND]
//              [--round rne|rna|rtz|rup|rdn|all] [--saturate] [other options] [OPERAND ...]
//   binora-cli --help | --version
// Options are long ("--kind 32" or "--kind=32"); every other argument is a VALUE (an OPERAND
// with --op), and after "--" every argument is one (so a value may begin with "--"). A VALUE
// of the form "0x..." must be a storage word of the chosen kind; anything else is left to the
// value edit. With --op, the OPERANDs are those of one operation, as many as it takes; one
// that is "0x" and hexadecimal digits must be a storage word of the operands' kind (--from
// for convert).

#include "arith/operation.hpp"
#include "cli/read_out.hpp"
#include "model/format_traits.hpp"
#include "model/language.hpp"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace binora::cli {

enum class OutputFormat { text, tsv, json };

enum class Action { read_values, help, version };

// A format binora-cli shows, by the word that names it after --kind.
struct CliKind {
    std::string_view word; // "32", "64", "128", "16", "bf16", "e5m2", "e4m3"
    const FormatTraits& format;
};

// Every kind, in the order --help lists them: the window's three, then the narrow formats.
std::span<const CliKind> cli_kinds();

struct CliOptions {
    Action action = Action::read_values;
    const CliKind* kind = &cli_kinds()[1]; // binary64
    Language lang = Language::english;
    OutputFormat format = OutputFormat::text;
    // The columns written, in order: read_out.hpp's default_columns unless --columns names
    // others.
    std::vector<Column> columns = default_columns();
    bool header = false;             // a first line with the column names (tsv)
    std::vector<std::string> values; // empty: one value (or operation) per line of standard input

    // --op: each line (or the arguments) is one operation, computed in each direction of
    // `roundings` in turn; convert reads its operand in `from`, the others in `kind`.
    std::optional<Operation> operation;
    const CliKind* from = nullptr;
    std::vector<Rounding> roundings = {Rounding::rne};
    bool saturate = false;

    const CliKind& operand_kind() const { return from != nullptr ? *from : *kind; }
};

// Either the options or a one-line message saying what is wrong.
struct ParsedCommandLine {
    std::optional<CliOptions> options;
    std::string error;
};

// Reads the arguments after the program name.
ParsedCommandLine parse_command_line(std::span<const char* const> arguments);

// The two synopsis lines, each ending in a line feed.
std::string usage_text();

// The usage, what the program does and what each option means.
std::string help_text();

// The exit statuses of binora-cli.
constexpr int EXIT_ALL_READ = 0;
constexpr int EXIT_SOME_INVALID = 1;
constexpr int EXIT_USAGE = 2;
constexpr int EXIT_IO_ERROR = 3;

} // namespace binora::cli
