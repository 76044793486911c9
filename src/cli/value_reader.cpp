#include "cli/value_reader.hpp"

#include "model/fixed_text.hpp"
#include "numeric/storage_word_text.hpp"
#include "readout/conversion_error_texts.hpp"
#include "readout/typed_value.hpp"

#include <utility>

namespace binora::cli {

namespace {

constexpr std::size_t SHORTEST_READ_TEXT = 3; // the value edit reads nothing shorter

} // namespace

ValueReader::ValueReader(const CliKind& kind, Language lang, std::span<const Column> columns,
                         MessageSink messages)
    : kind_(kind), lang_(lang), parts_(read_out_parts(columns)), messages_(std::move(messages)),
      shown_(read_out_, columns) {
    for (const Column column : columns)
        error_ = error_ || column == COL_ERROR || column == COL_ERROR_ULPS;
}

bool ValueReader::word_of(std::string_view input, Word128& word) {
    const FormatTraits& format = kind_.format;
    if (is_storage_word_text(input)) {
        const auto parsed = parse_storage_word(input, format);
        if (!parsed) {
            message_ = "binora-cli: ";
            message_ += storage_word_error(input, format);
            messages_(message_);
            return false;
        }
        word = *parsed;
        return true;
    }
    typed_.assign(trim_right(input));
    if (trim_blanks(typed_).empty()) {
        messages_("binora-cli: empty value");
        return false;
    }
    if (typed_.size() < SHORTEST_READ_TEXT)
        typed_.insert(0, SHORTEST_READ_TEXT - typed_.size(), ' ');
    const TypedWord typed = read_typed_value(format, typed_);
    if (typed.status == TypedStatus::invalid) {
        // The message box as one line: its caption, then its text.
        message_.assign(ERROR_CAPTION);
        message_ += ": ";
        message_ += INVALID_VALUE_TEXT;
        messages_(message_);
        return false;
    }
    // A text that holds no number leaves X as it is after start-up.
    word = typed.status == TypedStatus::ok ? typed.word : 0;
    return true;
}

void ValueReader::read(std::string_view input, ReadOut& out) {
    out.columns.fill({});
    out[COL_INPUT] = input;
    out[COL_KIND] = kind_.word;
    typed_.clear();
    Word128 word = 0;
    out.valid = word_of(input, word);
    out[COL_STATUS] = out.valid ? "ok" : "invalid";
    if (!out.valid) return;

    const FormatTraits& format = kind_.format;
    read_out_value(format, word, lang_, read_out_, parts_);
    shown_.put(out);
    // A typed decimal number, read into a finite number (typed_ is empty for a storage word).
    if (error_ && !typed_.empty() &&
        write_conversion_error(format, typed_, word, error_text_, error_ulps_text_)) {
        out[COL_ERROR] = error_text_;
        out[COL_ERROR_ULPS] = error_ulps_text_;
    }
}

} // namespace binora::cli
