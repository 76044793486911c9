#include "model/fixed_text.hpp"

namespace binora {

std::string pad_to(std::string_view text, std::size_t length) {
    std::string result(text.substr(0, length));
    result.resize(length, ' ');
    return result;
}

std::string_view cut_to(std::string_view text, std::size_t length) {
    return text.substr(0, length);
}

std::string_view trim_right(std::string_view text) {
    const auto last = text.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string_view{} : text.substr(0, last + 1);
}

std::string_view trim_left(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string_view{} : text.substr(first);
}

std::string_view trim_blanks(std::string_view text) {
    return trim_left(trim_right(text));
}

std::string repeat(char c, std::size_t count) {
    return std::string(count, c);
}

} // namespace binora
