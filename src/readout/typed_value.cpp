#include "readout/typed_value.hpp"

#include "model/fixed_text.hpp"
#include "numeric/classify.hpp"
#include "numeric/decimal_reader.hpp"
#include "numeric/format_type.hpp"
#include "numeric/format_word.hpp"
#include "numeric/narrow_format.hpp"

namespace binora {

namespace {

constexpr std::size_t SHORTEST_READ_TEXT = 3;

} // namespace

TypedWord read_decimal_word(const FormatTraits& format, std::string_view text) {
    const auto typed = [](ReadStatus status, auto word_of_value) {
        switch (status) {
        case ReadStatus::ok:
            return TypedWord{TypedStatus::ok, word_of_value(), false};
        case ReadStatus::no_number:
            return TypedWord{TypedStatus::no_number, 0, false};
        case ReadStatus::invalid:
        case ReadStatus::overflow:
            break;
        }
        return TypedWord{TypedStatus::invalid, 0, false};
    };
    if (!has_native_type(format)) {
        const auto read = read_narrow(format, text);
        return typed(read.status, [&] { return narrow_word(format, read.value); });
    }
    return with_value_type(format, [&](auto zero) {
        using T = FloatTraits<decltype(zero)>;
        const auto read = read_decimal<typename T::Real>(text);
        return typed(read.status, [&] { return Word128{T::word(read.value)}; });
    });
}

TypedWord read_typed_value(const FormatTraits& format, std::string_view text) {
    if (trim_right(text).size() < SHORTEST_READ_TEXT) return {TypedStatus::unread, 0, false};
    const TypedSpelling spelling = typed_spelling(text);
    if (spelling.is_nan) return {TypedStatus::ok, typed_nan_word(format, spelling.negative), true};
    if (spelling.is_infinity) {
        // A format without infinities refuses the spelling as it refuses an overflow.
        if (format.top != TopExponent::infinity_and_nan) return {TypedStatus::invalid, 0, false};
        return {TypedStatus::ok, infinity_word(format, spelling.negative), true};
    }
    return read_decimal_word(format, text);
}

} // namespace binora
