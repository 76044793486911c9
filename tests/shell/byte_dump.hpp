#pragma once

// Byte-exact comparison of file contents with a readable failure message.

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace binora::testing {

// Offset, hex bytes and printable characters, 16 bytes a line (CR, LF and 0x85 show as hex).
std::string hex_dump(std::string_view bytes);

// Success when the two are equal byte for byte; otherwise the first differing offset and the
// hex dumps of both.
::testing::AssertionResult same_bytes(std::string_view expected, std::string_view actual);

// The whole file as bytes; empty when it cannot be read.
std::string read_bytes(const std::string& path);

} // namespace binora::testing
