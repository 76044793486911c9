#include "engine/output_value.hpp"

#include "dialog/dialog_operations.hpp"
#include "model/comun.hpp"
#include "model/fixed_text.hpp"
#include "numeric/current_x.hpp"
#include "numeric/number_format.hpp"
#include "resources/resource.hpp"

#include <string>

namespace binora {

namespace {

constexpr std::size_t READ_OUT_LENGTH = 64;

} // namespace

void OUTPUTVALUE(DIALOG_RECORD& dialog, int /*id*/, int /*event*/) {
    with_current_x([&dialog](const auto& x, auto traits) {
        NumberText number;
        const std::string_view text =
            format_number(x, kind_form(decltype(traits)::kind, true), number);
        DIALOG_SET_TEXT(dialog, IDC_VALUE_X, trim_left(cut_to(text, READ_OUT_LENGTH)));
    });
}

} // namespace binora
