#include "model/format_traits.hpp"

#include <cstdlib>

namespace binora {

const FormatTraits& format_of(int kind) {
    const FormatTraits* f = find_format(kind);
    if (f == nullptr) std::abort();
    return *f;
}

} // namespace binora
