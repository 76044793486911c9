#include "cli/line_source.hpp"

#include <cstring>

namespace binora::cli {

LineSource::LineSource(std::istream& in, bool interactive)
    : in_(in), interactive_(interactive), block_(interactive ? 0 : BLOCK_SIZE) {}

bool LineSource::next(std::string_view& line) {
    if (interactive_) {
        if (!std::getline(in_, line_)) return false;
        line = line_;
        return true;
    }
    line_.clear();
    for (;;) {
        const char* const begin = block_.data() + begin_;
        const auto* feed = static_cast<const char*>(std::memchr(begin, '\n', end_ - begin_));
        if (feed != nullptr) {
            const auto length = static_cast<std::size_t>(feed - begin);
            begin_ += length + 1;
            if (line_.empty()) {
                line = std::string_view(begin, length);
            } else { // the line began in an earlier block
                line_.append(begin, length);
                line = line_;
            }
            return true;
        }
        line_.append(begin, end_ - begin_);
        begin_ = end_ = 0;
        if (!in_) break;
        in_.read(block_.data(), static_cast<std::streamsize>(block_.size()));
        end_ = static_cast<std::size_t>(in_.gcount());
        if (end_ == 0) break;
    }
    if (line_.empty() || in_.bad()) return false;
    line = line_; // the last line, without a line feed
    return true;
}

} // namespace binora::cli
