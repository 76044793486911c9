#include "cli/line_pieces.hpp"

#include "cli/cli_session.hpp"
#include "numeric/thread_caches.hpp"

#include <condition_variable>
#include <cstddef>
#include <cstring>
#include <memory>
#include <mutex>
#include <streambuf>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace binora::cli {

namespace {

// A piece ends after this many lines, or once it holds this many bytes: small enough that
// the threads share the work evenly and a piece's read-outs stay a few megabytes, large
// enough that handing it over costs little next to reading it.
constexpr std::size_t PIECE_LINES = 512;
constexpr std::size_t PIECE_BYTES = 64 * 1024;

// What a session wrote while reading pieces: runs of read-outs and of messages, in the
// order written. Emptied for each piece, keeping its texts' memory.
class Recording {
  public:
    struct Run {
        bool message = false;
        std::string text;
    };

    void clear() { used_ = 0; }

    void append(bool message, const char* text, std::size_t size) {
        if (used_ == 0 || runs_[used_ - 1].message != message) {
            if (used_ == runs_.size()) runs_.emplace_back();
            runs_[used_].message = message;
            runs_[used_].text.clear();
            ++used_;
        }
        runs_[used_ - 1].text.append(text, size);
    }

    // Writes the runs to their streams; false once writing to `out` has failed.
    bool write(std::ostream& out, std::ostream& errors) const {
        for (std::size_t i = 0; i < used_ && out; ++i) {
            const Run& run = runs_[i];
            (run.message ? errors : out)
                .write(run.text.data(), static_cast<std::streamsize>(run.text.size()));
        }
        return static_cast<bool>(out);
    }

  private:
    std::vector<Run> runs_;
    std::size_t used_ = 0; // the runs of the latest piece
};

// A stream buffer that appends what is written to a recording, as read-outs or messages.
class RecordingBuffer final : public std::streambuf {
  public:
    RecordingBuffer(Recording& recording, bool message)
        : recording_(recording), message_(message) {}

  protected:
    std::streamsize xsputn(const char* text, std::streamsize size) override {
        recording_.append(message_, text, static_cast<std::size_t>(size));
        return size;
    }
    int_type overflow(int_type c) override {
        if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
        const char one = traits_type::to_char_type(c);
        recording_.append(message_, &one, 1);
        return c;
    }

  private:
    Recording& recording_;
    bool message_;
};

// One thread with a session of its own, reading one piece at a time: the caller fills
// piece() while the thread is idle, start()s it, and takes the recording from finish().
class PieceReader {
  public:
    // `follows_earlier`: the read-outs of earlier pieces come before this reader's first,
    // which the text format separates from them.
    PieceReader(const CliOptions& options, bool follows_earlier)
        : out_buffer_(recording_, false), error_buffer_(recording_, true), out_(&out_buffer_),
          errors_(&error_buffer_), session_(options, out_, errors_), thread_([this] { run(); }) {
        if (follows_earlier) session_.follow_earlier_read_outs();
    }
    ~PieceReader() {
        {
            const std::lock_guard lock(mutex_);
            quit_ = true;
        }
        changed_.notify_all();
        thread_.join();
    }
    PieceReader(const PieceReader&) = delete;
    PieceReader& operator=(const PieceReader&) = delete;

    // The lines of the next piece, each ended by a line feed; only while the thread is idle.
    std::string& piece() { return piece_; }

    void start() {
        {
            const std::lock_guard lock(mutex_);
            busy_ = true;
        }
        changed_.notify_all();
    }

    // Waits until the piece is read; its recording stays valid until the next start().
    // `any_invalid` is set when a line of it was invalid.
    const Recording& finish(bool& any_invalid) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return !busy_; });
        if (piece_invalid_) any_invalid = true;
        return recording_;
    }

  private:
    void run() {
        std::unique_lock lock(mutex_);
        for (;;) {
            changed_.wait(lock, [this] { return busy_ || quit_; });
            if (quit_) {
                free_thread_caches();
                return;
            }
            lock.unlock();
            read_piece();
            lock.lock();
            busy_ = false;
            changed_.notify_all();
        }
    }

    void read_piece() {
        recording_.clear();
        piece_invalid_ = false;
        std::string_view rest = piece_;
        while (!rest.empty()) {
            const std::size_t feed = rest.find('\n');
            if (!session_.read_line(rest.substr(0, feed))) piece_invalid_ = true;
            rest.remove_prefix(feed + 1);
        }
        session_.flush_read_outs();
    }

    Recording recording_;
    RecordingBuffer out_buffer_;
    RecordingBuffer error_buffer_;
    std::ostream out_;
    std::ostream errors_;
    CliSession session_;
    std::string piece_;
    bool piece_invalid_ = false;
    std::mutex mutex_;
    std::condition_variable changed_;
    bool busy_ = false; // the thread has a piece to read
    bool quit_ = false;
    std::thread thread_; // last: it starts once everything it uses is built
};

// The input cut into pieces of whole lines, each line ended by a line feed (one is added to a
// last line without it), read in large blocks: the lines are only looked for, not copied one
// by one.
class PieceSource {
  public:
    explicit PieceSource(std::istream& in) : in_(in) {}

    // The next piece, up to PIECE_LINES lines or about PIECE_BYTES bytes (more for a longer
    // line); false at the end of the input, or when reading failed (the stream says which),
    // leaving a last line without its line feed unread then.
    bool next(std::string& piece) {
        std::size_t lines = 0;
        std::size_t cut = begin_; // after the last line feed found
        std::size_t scanned = begin_;
        for (;;) {
            while (lines < PIECE_LINES) {
                const auto* feed = static_cast<const char*>(
                    std::memchr(buffer_.data() + scanned, '\n', buffer_.size() - scanned));
                if (feed == nullptr) {
                    scanned = buffer_.size();
                    break;
                }
                scanned = cut = static_cast<std::size_t>(feed - buffer_.data()) + 1;
                ++lines;
            }
            if (lines == PIECE_LINES || (lines != 0 && cut - begin_ >= PIECE_BYTES)) break;
            if (!in_) { // the input has ended
                if (!in_.bad() && cut < buffer_.size()) {
                    buffer_ += '\n';
                    cut = buffer_.size();
                }
                if (cut == begin_) return false;
                break;
            }
            buffer_.erase(0, begin_); // what was handed out
            cut -= begin_;
            scanned -= begin_;
            begin_ = 0;
            const std::size_t kept = buffer_.size();
            buffer_.resize(kept + PIECE_BYTES);
            in_.read(buffer_.data() + kept, static_cast<std::streamsize>(PIECE_BYTES));
            buffer_.resize(kept + static_cast<std::size_t>(in_.gcount()));
        }
        piece.assign(buffer_, begin_, cut - begin_);
        begin_ = cut;
        return true;
    }

  private:
    std::istream& in_;
    std::string buffer_; // read, from begin_ on not yet handed out
    std::size_t begin_ = 0;
};

} // namespace

bool read_lines_in_pieces(const CliOptions& options, unsigned threads, std::istream& in,
                          std::ostream& out, std::ostream& errors) {
    PieceSource pieces(in);
    CliOptions piece_options = options;
    piece_options.header = false;
    std::vector<std::unique_ptr<PieceReader>> readers;
    for (unsigned i = 0; i < threads; ++i)
        readers.push_back(std::make_unique<PieceReader>(piece_options, i != 0));

    // Piece k goes to reader k % threads; pieces are written in order, each as soon as it and
    // those before it are read, while the readers go on with the pieces after it.
    bool any_invalid = false;
    bool lines_left = true;
    std::size_t started = 0;
    std::size_t written = 0;
    for (;;) {
        while (lines_left && started - written < readers.size()) {
            PieceReader& reader = *readers[started % readers.size()];
            lines_left = pieces.next(reader.piece());
            if (!lines_left) break;
            reader.start();
            ++started;
        }
        if (written == started) break;
        const Recording& recording = readers[written % readers.size()]->finish(any_invalid);
        ++written;
        // Once a write fails nothing more is written or read; the pieces begun are finished.
        if (out && !recording.write(out, errors)) lines_left = false;
    }
    return any_invalid;
}

} // namespace binora::cli
