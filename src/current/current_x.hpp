#pragma once

// X of a data kind as the window's routines share it: COMUN.X4, X8 or X16. Generic code
// receives the X of the kind with its traits, instead of a switch on the kind at every place
// that needs X.

#include "model/comun.hpp"
#include "numeric/float_traits.hpp"
#include "numeric/storage_word.hpp"

namespace binora {

// Calls `f(x, traits)` with a reference to the X of kind `kind` (4, 8 or 16) and a
// FloatTraits value of its type, and returns true; returns false, without calling `f`, for
// any other kind.
template <typename F> bool with_x_of_kind(int kind, F&& f) {
    switch (kind) {
    case 4:
        f(COMUN.X4, FloatTraits<float>{});
        return true;
    case 8:
        f(COMUN.X8, FloatTraits<double>{});
        return true;
    case 16:
        f(COMUN.X16, FloatTraits<__float128>{});
        return true;
    default:
        return false;
    }
}

// with_x_of_kind for the current kind, COMUN.KIND_REAL.
template <typename F> bool with_current_x(F&& f) {
    return with_x_of_kind(COMUN.KIND_REAL, f);
}

// The storage word of the X of kind 4, 8 or 16; 0 for any other kind.
inline Word128 word_of_x(int kind) {
    Word128 word = 0;
    with_x_of_kind(kind, [&word](const auto& x, auto traits) { word = traits.word(x); });
    return word;
}

} // namespace binora
