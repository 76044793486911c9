#include "model/format_traits.hpp"

#include "shell/resources/resource.hpp"

#include <cstdlib>

namespace binora {

namespace {

// clang-format off
constexpr std::array<FormatTraits, 3> formats{{
    {4, "binary32", 32, 8, 23, 127, -126, 127, 24, 13, IDC_KIND32, IDC_S32, IDC_E32,
     {IDC_F32, 0}, {23, 0}},
    {8, "binary64", 64, 11, 52, 1023, -1022, 1023, 53, 22, IDC_KIND64, IDC_S64, IDC_E64,
     {IDC_F64, 0}, {52, 0}},
    {16, "binary128", 128, 15, 112, 16383, -16382, 16383, 113, 40, IDC_KIND128, IDC_S128,
     IDC_E128, {IDC_F128_48, IDC_F128_64}, {48, 64}},
}};
// clang-format on

} // namespace

const FormatTraits* find_format(int kind) {
    for (const auto& f : formats)
        if (f.kind == kind) return &f;
    return nullptr;
}

const FormatTraits& format_of(int kind) {
    const FormatTraits* f = find_format(kind);
    if (f == nullptr) std::abort(); // a caller broke its contract: kinds come from the radios
    return *f;
}

const std::array<FormatTraits, 3>& all_formats() {
    return formats;
}

} // namespace binora
