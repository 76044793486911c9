#include "cli/value_reader.hpp"

#include "cli/storage_word_input.hpp"
#include "model/fixed_text.hpp"
#include "readout/typed_value.hpp"

#include <utility>

namespace binora::cli {

namespace {

constexpr std::size_t SHORTEST_READ_TEXT = 3; // the value edit reads nothing shorter

constexpr std::string_view kind_column(const FormatTraits& format) {
    return format.kind == 4 ? "32" : (format.kind == 8 ? "64" : "128");
}

} // namespace

ValueReader::ValueReader(int kind, int lang, MessageSink messages)
    : format_(format_of(kind)), lang_(lang), messages_(std::move(messages)) {}

bool ValueReader::word_of(std::string_view input, Word128& word) {
    if (is_storage_word_text(input)) {
        const auto parsed = parse_storage_word(input, format_.kind);
        if (!parsed) {
            message_ = "binora-cli: ";
            message_ += storage_word_error(input, format_.kind);
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
    const TypedWord typed = read_typed_value(format_, typed_);
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
    out[COL_KIND] = kind_column(format_);
    Word128 word = 0;
    out.valid = word_of(input, word);
    out[COL_STATUS] = out.valid ? "ok" : "invalid";
    if (!out.valid) return;

    read_out_value(format_, word, lang_, read_out_);
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
}

} // namespace binora::cli
