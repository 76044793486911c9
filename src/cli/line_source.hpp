#pragma once

// The lines of an input stream, each without its line feed: read in large blocks, or for an
// interactive session one line at a time, so that each line is answered as soon as it is
// typed. Memory for one block and one line.

#include <istream>
#include <string>
#include <string_view>
#include <vector>

namespace binora::cli {

class LineSource {
  public:
    // Lines of `in`, read line by line when `interactive`, else in blocks.
    LineSource(std::istream& in, bool interactive);

    // The next line, a view valid until the next call; false at the end of the input or when
    // reading failed (the stream says which). A last line without a line feed is a line; an
    // empty input has none.
    bool next(std::string_view& line);

  private:
    static constexpr std::size_t BLOCK_SIZE = 64 * 1024;

    std::istream& in_;
    bool interactive_;
    std::vector<char> block_;
    std::size_t begin_ = 0; // the unread part of the block
    std::size_t end_ = 0;
    std::string line_; // a line read by itself, or begun in the block before
};

} // namespace binora::cli
