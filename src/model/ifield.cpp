#include "model/ifield.hpp"

#include "model/comun.hpp"
#include "model/format_traits.hpp"

namespace binora {

namespace {

int field_width_of(int id) {
    for (const auto& f : all_formats())
        if (id == f.sign_edit) return 1;
    const FormatTraits* f = find_format(COMUN.KIND_REAL);
    if (f == nullptr) return 0;
    if (id == f->exponent_edit) return f->exponent_bits;
    for (int i = 0; i < f->significand_edit_count(); ++i)
        if (id == f->significand_edits[static_cast<std::size_t>(i)])
            return f->significand_edit_bits[static_cast<std::size_t>(i)];
    return 0;
}

} // namespace

int IFIELD(int id) {
    COMUN.FIELD_WIDTH = field_width_of(id);
    return COMUN.FIELD_WIDTH;
}

} // namespace binora
