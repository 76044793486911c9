#pragma once

// The one dispatch from a format to the C++ type that holds its values: generic code receives
// the FloatTraits of float, double or __float128 instead of a switch on the kind wherever a
// value is needed.

#include "model/format_traits.hpp"
#include "numeric/float_traits.hpp"

#include <cstdlib>

namespace binora {

// Returns `f(traits)` for the FloatTraits of the type of kind 4, 8 or 16. Every instantiation
// of `f` must return the same type. Any other kind breaks the caller's contract (kinds come
// from the format table) and ends the program.
template <typename F> decltype(auto) with_format_type(int kind, F&& f) {
    switch (kind) {
    case 4:
        return f(FloatTraits<float>{});
    case 8:
        return f(FloatTraits<double>{});
    case 16:
        return f(FloatTraits<__float128>{});
    default:
        std::abort();
    }
}

// The value stored in `word` (its low storage-width bits) by a format.
template <typename T> typename T::Real value_of_word(T, Word128 word) {
    return T::value(static_cast<typename T::Word>(word));
}

} // namespace binora
