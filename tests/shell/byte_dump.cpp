#include "byte_dump.hpp"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>

namespace binora::testing {

std::string hex_dump(std::string_view bytes) {
    std::string dump;
    char cell[32];
    for (std::size_t line = 0; line < bytes.size(); line += 16) {
        const std::string_view row = bytes.substr(line, 16);
        std::snprintf(cell, sizeof cell, "%06zx ", line);
        dump += cell;
        for (std::size_t i = 0; i < 16; ++i) {
            if (i < row.size())
                std::snprintf(cell, sizeof cell, " %02x", static_cast<unsigned char>(row[i]));
            else
                std::snprintf(cell, sizeof cell, "   ");
            dump += cell;
        }
        dump += "  ";
        for (char c : row)
            dump += (c >= 0x20 && c < 0x7f) ? c : '.';
        dump += '\n';
    }
    return dump;
}

::testing::AssertionResult same_bytes(std::string_view expected, std::string_view actual) {
    if (expected == actual) return ::testing::AssertionSuccess();
    const auto mismatch =
        std::mismatch(expected.begin(), expected.end(), actual.begin(), actual.end());
    const auto offset = static_cast<std::size_t>(mismatch.first - expected.begin());
    return ::testing::AssertionFailure()
           << "first difference at byte " << offset << " (expected " << expected.size()
           << " bytes, got " << actual.size() << ")\nexpected:\n"
           << hex_dump(expected) << "actual:\n"
           << hex_dump(actual);
}

std::string read_bytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

} // namespace binora::testing
