// What a screen reader announces for the main dialog's edits, list box, check box and picture
// buttons: the caption of the label beside each, in the current language and following a
// change of language; a fixed name in the same language where the label is only a field width
// or the button shows a picture. Radio buttons are announced as radio buttons.

#include "program_on_screen.hpp"

#include "resources/resource.hpp"

#include <QAccessible>
#include <QLabel>

#include <set>
#include <string>

namespace binora::testing {
namespace {

std::string announced(QWidget* widget) {
    if (widget == nullptr) return "(no widget)";
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible != nullptr ? accessible->text(QAccessible::Name).toStdString()
                                 : "(not accessible)";
}

struct Named {
    int id;
    const char* romanian;
    const char* english;
};

// Every edit, the list box, the check box and the two "?" buttons of the main dialog.
constexpr Named main_dialog_names[] = {
    {IDC_VALUE_X, "X (valoare zecimala)", "X (decimal value)"},
    {IDC_DATATYPE, "Tip data (click pe un camp din format)", "Data Type (click a format field)"},
    {IDC_PARAM_LIST, "Parametru (Numere finite)", "Parameter (Finite Numbers)"},
    {IDC_NEAREST, "Valoarea parametrului", "Parameter value"},
    {IDC_BINARY_XPM, "Binar: X+ -", "Binary: X+ -"},
    {IDC_CURSOR_POS, "Pozitie cursor in camp (msb = 1)", "Cursor Position in Field (msb = 1)"},
    {IDC_FIELD_WIDTH, "Latime camp", "Field Width"},
    {IDC_S32, "Bit de semn (binary32)", "Sign bit (binary32)"},
    {IDC_E32, "Exponent, 8 biti (binary32)", "Exponent, 8 bits (binary32)"},
    {IDC_F32, "Semnificand, 23 biti (binary32)", "Significand, 23 bits (binary32)"},
    {IDC_S64, "Bit de semn (binary64)", "Sign bit (binary64)"},
    {IDC_E64, "Exponent, 11 biti (binary64)", "Exponent, 11 bits (binary64)"},
    {IDC_F64, "Semnificand, 52 biti (binary64)", "Significand, 52 bits (binary64)"},
    {IDC_S128, "Bit de semn (binary128)", "Sign bit (binary128)"},
    {IDC_E128, "Exponent, 15 biti (binary128)", "Exponent, 15 bits (binary128)"},
    {IDC_F128_48, "Semnificand, primii 48 biti (binary128)",
     "Significand, first 48 bits (binary128)"},
    {IDC_F128_64, "Semnificand, ultimii 64 biti (binary128)",
     "Significand, last 64 bits (binary128)"},
    {IDC_HELP_PARAM, "Info: ULP, X+, si X-", "Info: ULP, X+, and X-"},
    {IDC_HELP_REPR, "Rezumat: Date in virgula flotanta", "Summary: Floating-Point Data"},
};

// Controls whose own caption does not name them: edits, lists, the check box whose caption
// changes, and buttons that show a picture instead of their caption.
bool needs_a_given_name(const ControlRecord& record) {
    switch (record.kind) {
    case ControlKind::Edit:
    case ControlKind::ListBox:
    case ControlKind::CheckBox:
        return true;
    case ControlKind::PushButton:
        return record.source != nullptr && (record.source->style & STYLE_ICON) != 0;
    default:
        return false;
    }
}

QAccessible::Role role_of(QWidget* widget) {
    QAccessibleInterface* accessible =
        widget != nullptr ? QAccessible::queryAccessibleInterface(widget) : nullptr;
    return accessible != nullptr ? accessible->role() : QAccessible::NoRole;
}

using AccessibleNames = ProgramOnScreen;

TEST_F(AccessibleNames, EveryEditListCheckBoxAndPictureButtonIsNamedInTheCurrentLanguage) {
    const auto expect_names = [this](bool romanian, const char* when) {
        for (const Named& named : main_dialog_names)
            EXPECT_EQ(announced(control_widget(main_dialog(), named.id)),
                      romanian ? named.romanian : named.english)
                << "control " << named.id << ", " << when;
    };
    expect_names(true, "at start-up");
    click(IDC_LANG_EN);
    expect_names(false, "after EN");
    click(IDC_LANG_RO);
    expect_names(true, "after RO");
}

TEST_F(AccessibleNames, NoControlWithoutANamingCaptionIsLeftUnnamedOrSharesItsName) {
    std::set<std::string> names;
    int named = 0;
    for (const ControlRecord& record : main_dialog().controls) {
        if (!needs_a_given_name(record)) continue;
        const std::string name = announced(control_widget(main_dialog(), record.id));
        EXPECT_FALSE(name.empty()) << "control " << record.id;
        names.insert(name);
        ++named;
    }
    EXPECT_EQ(static_cast<int>(names.size()), named);
    EXPECT_EQ(named, static_cast<int>(std::size(main_dialog_names)));
}

TEST_F(AccessibleNames, RadioButtonsAreAnnouncedAsRadioButtonsAndTheCheckBoxAsACheckBox) {
    const auto expect_roles = [this](const char* when) {
        int radios = 0;
        for (const ControlRecord& record : main_dialog().controls) {
            if (record.kind != ControlKind::RadioButton) continue;
            ++radios;
            EXPECT_EQ(role_of(control_widget(main_dialog(), record.id)), QAccessible::RadioButton)
                << "control " << record.id << ", " << when;
        }
        EXPECT_EQ(radios, 7) << "the kinds, the scopes of the bulk buttons, RO and EN";
        EXPECT_EQ(role_of(control_widget(main_dialog(), IDC_BINARY_XPM)), QAccessible::CheckBox)
            << when;
    };
    expect_roles("in Romanian");
    click(IDC_LANG_EN);
    expect_roles("in English");
}

TEST_F(AccessibleNames, TheParameterValueIsNamedByTheCaptionOfTheSelectedParameter) {
    enter_value("0.1");
    select_row(3);
    EXPECT_EQ(announced(control_widget(main_dialog(), IDC_NEAREST)), "ULP(X)");
    select_row(1);
    EXPECT_EQ(announced(control_widget(main_dialog(), IDC_NEAREST)),
              "Exponentul reprezentarii (E)");
    click(IDC_LANG_EN);
    const QString caption = control<QLabel>(main_dialog(), IDC_NEAREST_LABEL)->text().simplified();
    EXPECT_EQ(announced(control_widget(main_dialog(), IDC_NEAREST)),
              caption.isEmpty() ? "Parameter value" : caption.toStdString());
}

} // namespace
} // namespace binora::testing
