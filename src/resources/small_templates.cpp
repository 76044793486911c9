// IDD_ABOUT, IDD_INFO and IDD_SUMMARY.

#include "resources/dialog_templates.hpp"
#include "resources/resource.hpp"

namespace binora {

namespace {
using K = ControlKind;
} // namespace

DialogTemplate make_about_template() {
    DialogTemplate t;
    t.id = IDD_ABOUT;
    t.caption = "About Program";
    t.rect = {0, 0, 174, 99};
    t.font_name = "Times New Roman";
    t.font_points = 11;
    // clang-format off
    t.controls = {
        {K::PushButton, IDOK, "OK", {137, 80, 30, 12}, STYLE_DEFAULT_BUTTON, 0},
        {K::PushButton, IDCANCEL, "Cancel", {7, 80, 32, 12}, STYLE_HIDDEN, 0},
        {K::Static, IDC_ABOUT_TITLE,
         "BINORA\n\nRepresentation of Floating Point Data in a Binary Format", {7, 7, 160, 36},
         STYLE_SUNKEN, 0},
        {K::Static, IDC_ABOUT_TEXT, "", {7, 49, 160, 21}, STYLE_SUNKEN, 0},
        {K::Static, IDC_STATIC, "", {79, 77, 20, 20}, STYLE_ICON, IDI_ABOUT},
    };
    // clang-format on
    return t;
}

DialogTemplate make_info_template() {
    DialogTemplate t;
    t.id = IDD_INFO;
    t.caption = "Info";
    t.rect = {0, 0, 144, 184};
    t.font_name = "Microsoft Sans Serif";
    t.font_points = 10;
    // clang-format off
    t.controls = {
        {K::PushButton, IDOK, "OK", {110, 166, 28, 11}, STYLE_DEFAULT_BUTTON, 0},
        {K::PushButton, IDCANCEL, "Cancel", {7, 166, 28, 11}, STYLE_HIDDEN, 0},
        {K::Static, IDC_STATIC, "", {13, 14, 118, 53}, STYLE_BITMAP | STYLE_CENTER_IMAGE,
         IDB_INFO_LINE},
        {K::Static, IDC_INFO_TEXT, "", {32, 74, 81, 81}, 0, 0},
        {K::GroupBox, IDC_INFO_GROUP, "ULP, X+, and  X-", {7, 3, 130, 159}, 0, 0},
    };
    // clang-format on
    return t;
}

DialogTemplate make_summary_template() {
    DialogTemplate t;
    t.id = IDD_SUMMARY;
    t.caption = "Floating-Point Data - Summary";
    t.rect = {0, 0, 260, 318};
    t.font_name = "Microsoft Sans Serif";
    t.font_points = 10;
    // clang-format off
    t.controls = {
        {K::PushButton, IDOK, "OK", {217, 300, 33, 12}, STYLE_DEFAULT_BUTTON, 0},
        {K::PushButton, IDCANCEL, "Cancel", {104, 300, 33, 12}, STYLE_HIDDEN, 0},
        {K::Static, IDC_SUMMARY_1,
         "Data representable in a floating-point format (Floating-Point Data) are:",
         {22, 15, 220, 40}, 0, 0},
        {K::Static, IDC_SUMMARY_2, "Static2", {22, 64, 220, 26}, 0, 0},
        {K::Static, IDC_SUMMARY_3, "Static-3", {22, 99, 220, 54}, 0, 0},
        {K::Static, IDC_SUMMARY_4, "Static-4", {22, 160, 220, 27}, 0, 0},
        {K::Static, IDC_SUMMARY_5, "Static-5", {22, 192, 220, 27}, 0, 0},
        {K::Static, IDC_SUMMARY_6, "Static-6", {22, 225, 220, 39}, 0, 0},
        {K::Static, IDC_SUMMARY_7, "Static-7", {22, 268, 220, 18}, 0, 0},
        {K::GroupBox, IDC_STATIC, "", {10, 3, 240, 292}, 0, 0},
        {K::PushButton, IDC_SAVE_TO_FILE, "Save to File", {10, 299, 39, 12}, 0, 0},
    };
    // clang-format on
    return t;
}

} // namespace binora
