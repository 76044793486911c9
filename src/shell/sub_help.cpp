#include "shell/sub_help.hpp"

#include "dialog/dialog_operations.hpp"
#include "model/fixed_text.hpp"
#include "resources/resource.hpp"
#include "state/comun.hpp"

#include <cstddef>

namespace binora {

namespace {

constexpr std::size_t FORMULA_TEXT_LENGTH = 140;

// What ULP, X+ and X- are, beside the number-line picture; the same in both languages.
// Lines are broken by LF CR.
constexpr const char* formula_text = "     X = 2^E * b0.b1 ... bP-1\n\r"
                                     "\n\r"
                                     "ulp(X) = 2^E * 0.0 ... 01\n\r"
                                     "\n\r"
                                     "ulp(X) = 2^(E-P+1)\n\r"
                                     "X = 0.0: E = Emin\n\r"
                                     "\n\r"
                                     "X  +ulp(X)  = X+\n\r"
                                     "\n\r"
                                     "X-  +ulp(X-) = X";

} // namespace

void SUB_HELP(DIALOG_RECORD&, int, int) {
    const std::string formula = pad_to(formula_text, FORMULA_TEXT_LENGTH);
    const char* group_caption = COMUN.LANG_RO ? "ULP, X+, si X-" : "ULP, X+, and X-";

    DIALOG_RECORD info;
    if (!DIALOG_INIT(IDD_INFO, info)) return;
    DIALOG_SET_TEXT(info, IDC_INFO_GROUP, group_caption, PROP_CAPTION);
    DIALOG_SET_TEXT(info, IDC_INFO_TEXT, trim_right(formula));
    DIALOG_RUN_MODAL(info);
    DIALOG_RELEASE(info);
}

} // namespace binora
