// binora-cli's line handling: arbitrary bytes as standard input, any kind, format and
// language. Checked: one read-out per line (a TSV or JSON line, a text block), JSON lines
// that are valid UTF-8, and an exit status that says whether some value was invalid.
//
// Input: byte 0 chooses the kind (mod 3), the format (/3 mod 3) and the language (/9 mod 2);
// the rest is standard input.

#include "cli/cli_session.hpp"
#include "fuzz_check.hpp"
#include "null_stream.hpp"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

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

Count count_read_outs(OutputFormat format, const std::string& output) {
    Count count;
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
        switch (format) {
        case OutputFormat::tsv: {
            ++count.read_outs;
            check(std::count(line.begin(), line.end(), '\t') == COLUMN_COUNT - 1,
                  "a TSV line has every column");
            const auto status = line.find('\t', line.find('\t') + 1) + 1;
            if (line.compare(status, 8, "invalid\t") == 0) ++count.invalid;
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
    if (size == 0) return 0;
    CliOptions options;
    const int kinds[] = {4, 8, 16};
    options.kind = kinds[data[0] % 3];
    options.format = static_cast<OutputFormat>((data[0] / 3) % 3);
    options.lang = (data[0] / 9) % 2 == 0 ? 2 : 1;
    const std::string input(reinterpret_cast<const char*>(data + 1), size - 1);

    std::istringstream in(input);
    std::ostringstream out;
    binora::fuzz::NullStream messages;
    int status = -1;
    {
        CliSession session(options, out, messages);
        status = session.read_lines(in, false);
    }
    const Count count = count_read_outs(options.format, out.str());
    check(count.read_outs == lines_in(input), "one read-out per line");
    check(status == (count.invalid > 0 ? EXIT_SOME_INVALID : EXIT_ALL_READ),
          "the exit status says whether some value was invalid");
    return 0;
}
