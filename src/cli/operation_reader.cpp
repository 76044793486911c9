#include "cli/operation_reader.hpp"

#include "arith/operand_reader.hpp"
#include "numeric/storage_word_text.hpp"
#include "readout/typed_value.hpp"

#include <bit>
#include <cstdint>
#include <cstring>
#include <utility>

namespace binora::cli {

namespace {

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}

// The position of the first blank at or after `at`, or the end of `line`. Eight bytes at a
// time: the bytes of a blank are found as zero bytes of the eight xor'ed with it.
std::size_t next_blank(std::string_view line, std::size_t at) {
    constexpr std::uint64_t each_byte = 0x0101010101010101U;
    const auto zero_byte = [](std::uint64_t v) {
        return (v - each_byte) & ~v & (0x80 * each_byte);
    };
    for (; at + 8 <= line.size(); at += 8) {
        std::uint64_t bytes = 0;
        std::memcpy(&bytes, line.data() + at, 8);
        // Only a byte below the first blank can be a false hit, so the lowest one is true.
        const std::uint64_t hits =
            zero_byte(bytes ^ (' ' * each_byte)) | zero_byte(bytes ^ ('\t' * each_byte));
        if (hits != 0) return at + static_cast<std::size_t>(std::countr_zero(hits)) / 8;
    }
    while (at < line.size() && !is_blank(line[at]))
        ++at;
    return at;
}

} // namespace

OperationReader::OperationReader(const CliOptions& options, std::span<const Column> columns,
                                 MessageSink messages)
    : options_(options), columns_(columns.begin(), columns.end()), parts_(read_out_parts(columns)),
      exact_parts_(0), grs_(false), operand_words_(false), messages_(std::move(messages)),
      rows_(new Row[options.roundings.size()]) {
    case_.operation = *options.operation;
    case_.format = &options.kind->format;
    case_.source = &options.operand_kind().format;
    case_.saturate = options.saturate;
    layouts_ = layouts_of(case_);
    for (std::size_t i = 0; i < options.roundings.size(); ++i)
        shown_.emplace_back(rows_[i].result, columns);
    for (const Column column : columns) {
        if (column == COL_REAL) exact_parts_ |= EXACT_REAL;
        if (column == COL_ERROR || column == COL_ERROR_ULPS) exact_parts_ |= EXACT_ERROR;
        grs_ = grs_ || column == COL_GRS;
        operand_words_ = operand_words_ || column == COL_A || column == COL_B || column == COL_C;
    }
}

void OperationReader::say_unreadable(std::string_view text, bool storage_word) {
    if (storage_word) {
        message_ = "binora-cli: ";
        message_ += storage_word_error(text, options_.operand_kind().format);
    } else {
        // The message box as one line: its caption, then its text.
        message_.assign(ERROR_CAPTION);
        message_ += ": ";
        message_ += INVALID_VALUE_TEXT;
    }
    messages_(message_);
}

void OperationReader::start_row(std::size_t index, std::string_view input) {
    ReadOut& out = rows_[index].columns;
    for (const Column column : columns_)
        out[column] = {};
    out[COL_INPUT] = input;
    out[COL_KIND] = options_.kind->word;
    out[COL_OP] = operation_name(*options_.operation);
    out[COL_ROUND] = rounding_name(options_.roundings[index]);
}

bool OperationReader::fill_row(std::size_t index, Rounding rounding,
                               std::span<const std::string_view> operands) {
    Row& row = rows_[index];
    ReadOut& out = row.columns;
    ArithmeticCase& arithmetic_case = case_;
    arithmetic_case.rounding = rounding;
    const FormatTraits& operand_format = *arithmetic_case.source;
    unsigned operand_flags = 0;
    for (std::size_t i = 0; i < operands.size(); ++i) {
        const OperandRead read =
            read_operand(operand_format, rounding, options_.saturate, operands[i]);
        if (read.status != OperandStatus::ok) {
            if (index == 0)
                say_unreadable(operands[i], read.status == OperandStatus::bad_storage_word);
            return false;
        }
        arithmetic_case.operands[i] = read.word;
        operand_flags |= read.flags;
        if (!operand_words_) continue;
        auto& hex = row.operand_hex[i];
        write_hex_string(read.word, operand_format.storage_bits, hex.data());
        out[static_cast<Column>(COL_A + i)] =
            std::string_view(hex.data(), static_cast<std::size_t>(operand_format.storage_bits / 4));
    }
    out[COL_OPERAND_FLAGS] = flags_text(operand_flags);

    const ArithmeticResult result = compute(arithmetic_case, layouts_);
    out[COL_STATUS] = "ok";
    read_out_value(*arithmetic_case.format, result.word, options_.lang, row.result, parts_);
    shown_[index].put(out);
    out[COL_FLAGS] = flags_text(result.flags);
    if (grs_ && result.real == RealKind::number) {
        row.grs[0] = result.grs.guard ? '1' : '0';
        row.grs[1] = result.grs.round ? '1' : '0';
        row.grs[2] = result.grs.sticky ? '1' : '0';
        out[COL_GRS] = std::string_view(row.grs, 3);
    }
    if (exact_parts_ != 0) {
        write_exact_texts(arithmetic_case, result, exact_parts_, row.exact);
        out[COL_REAL] = row.exact.real;
        out[COL_ERROR] = row.exact.error;
        out[COL_ERROR_ULPS] = row.exact.error_ulps;
    }
    return true;
}

bool OperationReader::read(std::string_view input, std::span<const std::string_view> operands) {
    const std::size_t count = options_.roundings.size();
    const Operation operation = *options_.operation;
    const auto wanted = static_cast<std::size_t>(operand_count(operation));
    bool valid = operands.size() == wanted;
    if (!valid) {
        message_ = "binora-cli: ";
        message_ += operands.empty()
                        ? "empty line"
                        : std::string(operation_name(operation)) + " takes " +
                              std::to_string(wanted) + (wanted == 1 ? " operand" : " operands") +
                              ", not " + std::to_string(operands.size());
        messages_(message_);
    }
    for (std::size_t i = 0; i < count; ++i) {
        start_row(i, input);
        valid = valid && fill_row(i, options_.roundings[i], operands);
        rows_[i].columns.valid = valid;
        if (valid) continue;
        start_row(i, input);
        rows_[i].columns[COL_STATUS] = "invalid";
    }
    return valid;
}

bool OperationReader::read_line(std::string_view line) {
    tokens_.clear();
    std::size_t at = 0;
    for (;;) {
        while (at < line.size() && is_blank(line[at]))
            ++at;
        if (at == line.size()) break;
        const std::size_t start = at;
        at = next_blank(line, at);
        tokens_.push_back(line.substr(start, at - start));
    }
    return read(line, tokens_);
}

} // namespace binora::cli
