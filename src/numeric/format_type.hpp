#pragma once

// The one dispatch from a format to the C++ type that holds its values: generic code receives
// the type instead of a switch on the format wherever a value is needed. float, double and
// __float128 hold the window's formats; a double holds every narrow format exactly. A format
// is a row of the table (model/format_traits.hpp), named by reference.

#include "model/format_traits.hpp"
#include "numeric/float_traits.hpp"
#include "numeric/narrow_format.hpp"

namespace binora {

// Returns `f(zero)`, `zero` a 0 of the type that holds the values of `format`. Every
// instantiation of `f` must return the same type.
template <typename F> decltype(auto) with_value_type(const FormatTraits& format, F&& f) {
    if (&format == &FloatTraits<float>::format) return f(0.0F);
    if (&format == &FloatTraits<__float128>::format) return f(__float128{0});
    return f(0.0); // binary64, and the narrow formats
}

// Returns `f(x)`, x the number stored in `word` (its low storage-width bits) by `format`, in
// the type with_value_type names.
template <typename F>
decltype(auto) with_value_of_word(const FormatTraits& format, Word128 word, F&& f) {
    if (&format == &FloatTraits<float>::format)
        return f(FloatTraits<float>::value(static_cast<std::uint32_t>(word)));
    if (&format == &FloatTraits<double>::format)
        return f(FloatTraits<double>::value(static_cast<std::uint64_t>(word)));
    if (&format == &FloatTraits<__float128>::format) return f(FloatTraits<__float128>::value(word));
    return f(narrow_value(format, word));
}

} // namespace binora
