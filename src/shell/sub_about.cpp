#include "shell/sub_about.hpp"

#include "dialog/dialog_operations.hpp"
#include "model/fixed_text.hpp"
#include "resources/resource.hpp"
#include "state/comun.hpp"

#include <cstddef>

namespace binora {

namespace {

constexpr std::size_t ABOUT_TEXT_LENGTH = 100;
constexpr std::size_t TITLE2_LENGTH = 20;

} // namespace

void SUB_ABOUT(DIALOG_RECORD&, int, int) {
    const TwoLanguageText about_text = {
        pad_to("BINORA\n\nReprezentarea datelor in vigula flotanta, intr-un format binar",
               ABOUT_TEXT_LENGTH),
        pad_to("BINORA\n\nRepresentation of Floating Point Data in a Binary Format",
               ABOUT_TEXT_LENGTH)};
    const std::string authorship =
        pad_to("\nWritten by the Binora developers, 2026", ABOUT_TEXT_LENGTH);
    const TwoLanguageText title2 = {pad_to("Despre Program", TITLE2_LENGTH),
                                    pad_to("About Program", TITLE2_LENGTH)};

    DIALOG_RECORD about;
    if (!DIALOG_INIT(IDD_ABOUT, about)) return;
    DIALOG_SET_TITLE(about, in_language(title2, COMUN.LANG));
    DIALOG_SET_TEXT(about, IDC_ABOUT_TITLE, in_language(about_text, COMUN.LANG));
    DIALOG_SET_TEXT(about, IDC_ABOUT_TEXT, authorship);
    DIALOG_RUN_MODAL(about);
    DIALOG_RELEASE(about);
}

} // namespace binora
