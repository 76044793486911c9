#pragma once

// One operation as binora-cli reads it: its operands (each as arith/operand_reader.hpp reads
// one), computed by the arithmetic core in each rounding direction asked for; the read-out
// core then gives the result's columns, as for any value.

#include "arith/arithmetic.hpp"
#include "arith/exact_result.hpp"
#include "cli/cli_options.hpp"
#include "cli/read_out.hpp"
#include "cli/value_reader.hpp"
#include "readout/value_read_out.hpp"

#include <array>
#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace binora::cli {

class OperationReader {
  public:
    // Operations as the options say (their operation, kinds, directions, saturation and
    // language); only the texts of `columns` are computed (the others stay empty).
    OperationReader(const CliOptions& options, std::span<const Column> columns,
                    MessageSink messages);

    // Reads the operation on `operands` into one read-out per rounding direction, in the
    // options' order (row(0), row(1), ...), whose views stay valid until the next read.
    // `input` is the text shown as the input column; it and the operands must outlive the
    // views' use. Every row is invalid, and one message is said, when the operands are not as
    // many as the operation takes or one of them cannot be read. Returns whether they were.
    bool read(std::string_view input, std::span<const std::string_view> operands);

    // The same for a line of standard input: its operands separated by blanks.
    bool read_line(std::string_view line);

    // The rows of the last read, one per rounding direction.
    std::size_t row_count() const { return options_.roundings.size(); }
    const ReadOut& row(std::size_t index) const { return rows_[index].columns; }

  private:
    // The texts of one row, which its ReadOut views.
    struct Row {
        ReadOut columns;
        ValueReadOut result;
        ExactTexts exact;
        std::array<std::array<char, 32>, 3> operand_hex{};
        char grs[3] = {};
    };

    // Empties the columns written of row `index` but the input, kind, op and round.
    void start_row(std::size_t index, std::string_view input);
    // Fills row `index` for the direction; false when an operand cannot be read.
    bool fill_row(std::size_t index, Rounding rounding, std::span<const std::string_view> operands);
    // Says why `text` is not an operand.
    void say_unreadable(std::string_view text, bool storage_word);

    const CliOptions options_;    // a copy: the reader may outlive the caller's
    std::vector<Column> columns_; // written: only these are filled
    ArithmeticCase case_;         // the operation, its formats and saturation; the latest
                                  // operands and direction
    ArithmeticLayouts layouts_;   // the masks of its formats
    unsigned parts_;              // the read-out parts of the result the columns need
    unsigned exact_parts_;        // the exact texts they need
    bool grs_;                    // the grs column is written
    bool operand_words_;          // a, b or c is written
    MessageSink messages_;
    std::string message_;
    std::unique_ptr<Row[]> rows_;       // one per direction
    std::vector<ReadOutColumns> shown_; // the columns that show each row's result
    std::vector<std::string_view> tokens_;
};

} // namespace binora::cli
