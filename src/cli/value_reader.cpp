#include "cli/value_reader.hpp"

#include "model/fixed_text.hpp"
#include "numeric/storage_word_text.hpp"
#include "readout/conversion_error_texts.hpp"
#include "readout/typed_value.hpp"

#include <utility>

namespace binora::cli {

namespace {

constexpr std::size_t SHORTEST_READ_TEXT = 3; // the value edit reads nothing shorter

// The read-out parts a column needs.
unsigned part_of(Column column) {
    switch (column) {
    case COL_SIGN:
    case COL_EXPONENT:
    case COL_SIGNIFICAND:
        return PART_FIELDS;
    case COL_HEX:
        return PART_HEX;
    case COL_CLASS:
        return PART_CLASS;
    case COL_VALUE:
        return PART_VALUE;
    case COL_E:
    case COL_E_LABEL:
        return PART_EXPONENT_ROW;
    case COL_SIG:
        return PART_SIGNIFICAND_ROW;
    case COL_ULP:
        return PART_ULP_ROW;
    case COL_NEXT_UP:
        return PART_NEXT_UP;
    case COL_NEXT_DOWN:
        return PART_NEXT_DOWN;
    case COL_NEXT_UP_BITS:
        return PART_NEXT_UP_BITS;
    case COL_NEXT_DOWN_BITS:
        return PART_NEXT_DOWN_BITS;
    case COL_EPSILON:
        return PART_EPSILON_ROW;
    case COL_EXACT:
        return PART_EXACT;
    default:
        return 0; // input, kind, status and the error columns are the reader's own
    }
}

} // namespace

ValueReader::ValueReader(const CliKind& kind, Language lang, std::span<const Column> columns,
                         MessageSink messages)
    : kind_(kind), lang_(lang), parts_(0), messages_(std::move(messages)) {
    for (const Column column : columns) {
        parts_ |= part_of(column);
        error_ = error_ || column == COL_ERROR || column == COL_ERROR_ULPS;
    }
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
    const ValueReadOut& r = read_out_;
    out[COL_SIGN] = r.sign;
    out[COL_EXPONENT] = r.exponent;
    out[COL_SIGNIFICAND] = r.significand;
    out[COL_HEX] = r.hex;
    out[COL_CLASS] = r.class_text;
    out[COL_VALUE] = r.value;
    if (!r.finite) return; // the parameter list is offered for finite X only
    out[COL_E] = r.exponent_row.text;
    out[COL_E_LABEL] = r.exponent_row.caption;
    out[COL_SIG] = r.significand_row.text;
    out[COL_ULP] = r.ulp_row.text;
    out[COL_NEXT_UP] = r.next_up.text;
    out[COL_NEXT_DOWN] = r.next_down.text;
    out[COL_NEXT_UP_BITS] = r.next_up_bits.text;
    out[COL_NEXT_DOWN_BITS] = r.next_down_bits.text;
    out[COL_EPSILON] = r.epsilon_row.text;
    out[COL_EXACT] = r.exact;
    // A typed decimal number (typed_ is empty for a storage word).
    if (error_ && !typed_.empty() &&
        write_conversion_error(format, typed_, word, error_text_, error_ulps_text_)) {
        out[COL_ERROR] = error_text_;
        out[COL_ERROR_ULPS] = error_ulps_text_;
    }
}

} // namespace binora::cli
