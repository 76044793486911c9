// binora-cli's line handling: arbitrary bytes as standard input, any kind, format and
// language, the default columns or all of them, values or operations. Checked: one read-out
// per line (per line and rounding direction for operations: a TSV or JSON line, a text
// block), JSON lines that are valid UTF-8, an exit status that says whether some value or
// line was invalid, the same output and status when the lines are read on two threads; with
// all columns in TSV, a conversion error of at most half a ULP for every value read, and for
// every operation guard, round and sticky bits that say what the flags and the error say
// (bits beyond the result: inexact, and short of an overflow an error that is not 0).
//
// Input: byte 0 chooses the kind (mod 7), then from what is left the format (mod 3), the
// language (mod 2), whether all columns are written (mod 2) and whether the lines are read
// again on two threads (mod 2); byte 1 values (0) or an operation (its value - 1 mod 8), in
// every rounding direction when its top bit is set; the rest is standard input.

#include "cli/cli_session.hpp"
#include "fuzz_check.hpp"
#include "null_stream.hpp"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

using binora::fuzz::check;
using namespace binora::cli;

std::size_t lines_in(std::string_view text) {
    const auto breaks = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
    return breaks + (!text.empty() && text.back() != '\n' ? 1 : 0);
}

// Well-formed UTF-8, as the standard defines it (no overlong forms, no surrogates).
bool valid_utf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 1;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (lead < 0x80) {
            length = 1;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        } else {
            return false;
        }
        if (i + length > text.size()) return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto c = static_cast<unsigned char>(text[i + k]);
            if (c < (k == 1 ? low : 0x80) || c > (k == 1 ? high : 0xBF)) return false;
        }
        i += length;
    }
    return true;
}

struct Count {
    std::size_t read_outs = 0;
    std::size_t invalid = 0;
};

// The TSV line's columns.
std::vector<std::string> fields_of(const std::string& line) {
    std::vector<std::string> fields(1);
    for (const char c : line) {
        if (c == '\t')
            fields.emplace_back();
        else
            fields.back() += c;
    }
    return fields;
}

// The checks of one TSV line with every column of `columns`.
void check_all_columns(const CliOptions& options, const std::vector<std::string>& fields) {
    const auto at = [&](Column column) -> const std::string& {
        const auto where = std::find(options.columns.begin(), options.columns.end(), column);
        return fields[static_cast<std::size_t>(where - options.columns.begin())];
    };
    if (!options.operation) {
        const std::string& ulps = at(COL_ERROR_ULPS);
        check(ulps.empty() || std::fabs(std::strtod(ulps.c_str(), nullptr)) <= 0.5,
              "a value read lies within half a ULP of the typed number");
        return;
    }
    const std::string& grs = at(COL_GRS);
    const std::string& flags = at(COL_FLAGS);
    if (at(COL_STATUS) != "ok" || grs.empty()) return;
    const bool beyond = grs != "000";
    const bool inexact = flags.find("inexact") != std::string::npos;
    const bool overflow = flags.find("overflow") != std::string::npos;
    check(beyond ? inexact : !inexact || overflow,
          "bits beyond the result are what makes it inexact (or an overflow)");
    if (!at(COL_ERROR).empty() && !overflow)
        check(beyond == (at(COL_ERROR) != "0"), "bits beyond the result are its error");
}

Count count_read_outs(const CliOptions& options, bool all_columns, const std::string& output) {
    Count count;
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
        switch (options.format) {
        case OutputFormat::tsv: {
            ++count.read_outs;
            const std::vector<std::string> fields = fields_of(line);
            check(fields.size() == options.columns.size(), "a TSV line has every column");
            if (fields[COL_STATUS] == "invalid") ++count.invalid;
            if (all_columns) check_all_columns(options, fields);
            break;
        }
        case OutputFormat::json:
            ++count.read_outs;
            check(line.starts_with("{\"input\":\"") && line.ends_with("\"}"),
                  "a JSON line is one object");
            check(valid_utf8(line), "a JSON line is valid UTF-8");
            if (line.find("\"status\":\"invalid\"") != std::string::npos) ++count.invalid;
            break;
        case OutputFormat::text:
            if (line.starts_with("status: ")) ++count.read_outs;
            if (line == "status: invalid") ++count.invalid;
            break;
        }
    }
    return count;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    CliOptions options;
    const auto kinds = cli_kinds();
    options.kind = &kinds[data[0] % kinds.size()];
    std::size_t choice = data[0] / kinds.size();
    options.format = static_cast<OutputFormat>(choice % 3);
    options.lang = (choice / 3) % 2 == 0 ? binora::Language::english : binora::Language::romanian;
    if (data[1] != 0) {
        options.operation = static_cast<binora::Operation>((data[1] - 1) % 8);
        if ((data[1] & 0x80) != 0)
            options.roundings.assign(binora::ALL_ROUNDINGS.begin(), binora::ALL_ROUNDINGS.end());
        options.columns = default_columns(true);
    }
    const bool all_columns = (choice / 6) % 2 != 0;
    if (all_columns) { // every column, the error columns too
        options.columns.clear();
        for (std::size_t c = 0; c < COLUMN_COUNT; ++c)
            if (options.operation || !is_operation_column(static_cast<Column>(c)))
                options.columns.push_back(static_cast<Column>(c));
    }
    const std::string input(reinterpret_cast<const char*>(data + 2), size - 2);

    std::istringstream in(input);
    std::ostringstream out;
    binora::fuzz::NullStream messages;
    int status = -1;
    {
        CliSession session(options, out, messages);
        status = session.read_lines(in, false);
    }
    if ((choice / 12) % 2 != 0) { // the same lines read on two threads write the same
        std::istringstream again(input);
        std::ostringstream out_again;
        binora::fuzz::NullStream messages_again;
        CliSession session(options, out_again, messages_again, 2);
        check(session.read_lines(again, false) == status, "two threads give the same status");
        check(out_again.str() == out.str(), "two threads write what one writes");
    }
    const Count count = count_read_outs(options, all_columns, out.str());
    check(count.read_outs == lines_in(input) * options.roundings.size(),
          "one read-out per line and rounding direction");
    check(status == (count.invalid > 0 ? EXIT_SOME_INVALID : EXIT_ALL_READ),
          "the exit status says whether some value was invalid");
    return 0;
}
