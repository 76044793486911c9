#pragma once

// An output stream that drops everything: message boxes of the fuzzed program go nowhere.

#include <ostream>
#include <streambuf>

namespace binora::fuzz {

class NullStream : public std::ostream {
  public:
    NullStream() : std::ostream(&buffer_) {}

  private:
    class DroppingBuffer : public std::streambuf {
      protected:
        int_type overflow(int_type c) override { return traits_type::not_eof(c); }
        std::streamsize xsputn(const char*, std::streamsize count) override { return count; }
    };
    DroppingBuffer buffer_;
};

} // namespace binora::fuzz
