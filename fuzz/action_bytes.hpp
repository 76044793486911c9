#pragma once

// The bytes of a fuzz input read one by one as the operands of user actions; reading past
// the end gives 0 (and an empty text), so every action is complete.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace binora::fuzz {

class ActionBytes {
  public:
    ActionBytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool done() const { return at_ >= size_; }
    std::uint8_t byte() { return at_ < size_ ? data_[at_++] : 0; }
    // The next `length` bytes (fewer at the end of the input).
    std::string_view text(std::size_t length) {
        const std::size_t n = std::min(length, size_ - std::min(at_, size_));
        const std::string_view t(reinterpret_cast<const char*>(data_ + at_), n);
        at_ += n;
        return t;
    }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

} // namespace binora::fuzz
