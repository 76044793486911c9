// A batch read on several threads writes what one thread writes: the same read-outs in the
// same order, each message after the read-outs of the lines before it, the same exit status;
// and it stops when its output fails.

#include "cli/cli_session.hpp"
#include "cli_test_support.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <streambuf>
#include <string>
#include <utility>
#include <vector>

namespace binora::cli::testing {
namespace {

// Lines of every sort: numbers, storage words, spellings, invalid texts and operations,
// blank lines, a carriage return before the line feed; more lines than several pieces hold,
// and the last without a line feed.
std::string mixed_lines(std::size_t count) {
    static const char* const LINES[] = {
        "0.1",   "-2.5e-3 0.5", "abc",  "",   "1e-310\r", "0x3FF0000000000001", "inf", "  7 ",
        "1 2 3", "1e309",       "0x12", "-0", "nan 1",    "6.02214076e23 2",
    };
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        text += LINES[i % std::size(LINES)];
        text += i % 97 == 0 ? "\r\n" : "\n";
    }
    text += "3.25";
    return text;
}

struct BatchRun {
    int status = -1;
    std::string both; // read-outs and messages on one stream, in the order written
    std::string out;  // the same on two streams
    std::string errors;
};

int read_lines(const CliOptions& options, const std::string& input, unsigned threads,
               std::ostream& out, std::ostream& errors) {
    std::istringstream in(input);
    CliSession session(options, out, errors, threads);
    return session.read_lines(in, false);
}

BatchRun read_lines(const std::vector<const char*>& arguments, const std::string& input,
                    unsigned threads) {
    BatchRun run;
    const auto parsed = parse_command_line(arguments);
    if (!parsed.options) {
        ADD_FAILURE() << parsed.error;
        return run;
    }
    std::ostringstream both;
    std::ostringstream out;
    std::ostringstream errors;
    run.status = read_lines(*parsed.options, input, threads, both, both);
    EXPECT_EQ(read_lines(*parsed.options, input, threads, out, errors), run.status);
    run.both = both.str();
    run.out = out.str();
    run.errors = errors.str();
    return run;
}

TEST(LinePieces, SeveralThreadsWriteWhatOneWrites) {
    const std::vector<std::vector<const char*>> runs = {
        {"--format", "tsv", "--header"},
        {"--format", "text", "--kind", "32"},
        {"--format", "json", "--kind", "128", "--lang", "ro"},
        {"--kind", "e4m3", "--columns", "input,hex,exact"},
        {"--op", "add", "--round", "all", "--format", "tsv", "--kind", "16"},
        {"--op", "sqrt", "--format", "json"},
    };
    const std::string input = mixed_lines(5000);
    for (const auto& arguments : runs) {
        const BatchRun one = read_lines(arguments, input, 1);
        ASSERT_EQ(one.status, EXIT_SOME_INVALID) << arguments[1];
        for (const unsigned threads : {2U, 3U}) {
            const BatchRun several = read_lines(arguments, input, threads);
            EXPECT_EQ(several.status, one.status) << arguments[1] << ", threads " << threads;
            EXPECT_TRUE(several.both == one.both) << arguments[1] << ", threads " << threads;
            EXPECT_TRUE(several.out == one.out) << arguments[1] << ", threads " << threads;
            EXPECT_EQ(several.errors, one.errors) << arguments[1] << ", threads " << threads;
        }
    }
    // Inputs whose edges a piece must keep: none, blank lines, a last line without its line
    // feed or with a carriage return, a line longer than a piece.
    const std::string edges[] = {"",
                                 "\n",
                                 "1",
                                 "1\r",
                                 "\r\n\r\n2\n",
                                 std::string(300000, '7') + "\n2",
                                 std::string(300000, '7')};
    for (const std::string& edge : edges) {
        const BatchRun one = read_lines({"--format", "tsv"}, edge, 1);
        const BatchRun several = read_lines({"--format", "tsv"}, edge, 2);
        EXPECT_EQ(several.status, one.status) << edge.substr(0, 8);
        EXPECT_TRUE(several.both == one.both) << edge.substr(0, 8);
    }
    // Valid lines only: the status says all were read.
    std::string valid;
    for (int i = 0; i < 3000; ++i)
        valid += std::to_string(i) + ".5\n";
    EXPECT_EQ(read_lines({"--format", "tsv"}, valid, 2).status, EXIT_ALL_READ);
}

// Takes `room` bytes, then fails every write.
class FullAfter final : public std::streambuf {
  public:
    explicit FullAfter(std::size_t room) : room_(room) {}

  protected:
    std::streamsize xsputn(const char*, std::streamsize size) override {
        const auto taken = std::min(room_, static_cast<std::size_t>(size));
        room_ -= taken;
        return static_cast<std::streamsize>(taken);
    }
    int_type overflow(int_type c) override {
        if (room_ == 0) return traits_type::eof();
        --room_;
        return traits_type::not_eof(c);
    }

  private:
    std::size_t room_;
};

TEST(LinePieces, OutputThatFailsEndsTheBatch) {
    const auto parsed = parse_command_line(std::vector<const char*>{"--format", "tsv"});
    ASSERT_TRUE(parsed.options);
    for (const unsigned threads : {1U, 3U}) {
        FullAfter full(200000);
        std::ostream out(&full);
        std::ostringstream errors;
        std::istringstream in(mixed_lines(50000));
        CliSession session(*parsed.options, out, errors, threads);
        EXPECT_EQ(session.read_lines(in, false), EXIT_IO_ERROR) << threads;
        // Nothing is written after the failure: the messages stop well before the last line.
        EXPECT_LT(errors.str().size(), 10000U) << threads;
    }
}

// Hands out `text` in reads of the size asked for while it has that much, then fails.
class FailsAfter final : public std::streambuf {
  public:
    explicit FailsAfter(std::string text) : text_(std::move(text)) {}

  protected:
    std::streamsize xsgetn(char* to, std::streamsize size) override {
        const auto count = static_cast<std::size_t>(size);
        if (text_.size() - at_ < count) throw std::ios_base::failure("the disk went away");
        text_.copy(to, count, at_);
        at_ += count;
        return size;
    }
    int_type underflow() override { throw std::ios_base::failure("the disk went away"); }

  private:
    std::string text_;
    std::size_t at_ = 0;
};

TEST(LinePieces, InputThatFailsIsSaidAfterTheLinesReadBefore) {
    const auto parsed = parse_command_line(std::vector<const char*>{"--format", "tsv"});
    ASSERT_TRUE(parsed.options);
    std::string text;
    for (int i = 0; text.size() < 100000; ++i)
        text += std::to_string(i) + "\n";
    for (const unsigned threads : {1U, 2U}) {
        FailsAfter failing(text);
        std::istream in(&failing);
        std::ostringstream both;
        {
            CliSession session(*parsed.options, both, both, threads);
            EXPECT_EQ(session.read_lines(in, false), EXIT_IO_ERROR) << threads;
        }
        // The lines read before the failure, in order, then the message.
        const std::vector<std::string> lines = split_lines(both.str());
        ASSERT_GT(lines.size(), 1000U) << threads;
        EXPECT_EQ(lines.back(), "binora-cli: cannot read standard input") << threads;
        for (std::size_t i = 0; i + 1 < lines.size(); ++i)
            ASSERT_TRUE(lines[i].starts_with(std::to_string(i) + "\t64\tok\t")) << threads;
    }
}

} // namespace
} // namespace binora::cli::testing
