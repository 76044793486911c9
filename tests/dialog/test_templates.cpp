#include "test_templates.hpp"

namespace binora::testing {

namespace {

DialogTemplate make(int id, bool with_buttons) {
    using K = ControlKind;
    DialogTemplate t;
    t.id = id;
    t.caption = "Test";
    t.rect = {0, 0, 200, 150};
    if (with_buttons) {
        t.controls.push_back(
            {K::PushButton, ID_OK, "OK", {150, 130, 40, 14}, STYLE_DEFAULT_BUTTON, 0});
        t.controls.push_back(
            {K::PushButton, ID_CANCEL, "Cancel", {100, 130, 40, 14}, STYLE_HIDDEN, 0});
    }
    const std::vector<ControlTemplate> rest = {
        {K::Edit, ID_EDIT, "", {5, 5, 80, 12}, STYLE_AUTO_HSCROLL, 0},
        {K::Edit, ID_NUMBER_EDIT, "", {5, 20, 80, 12}, STYLE_NUMBER, 0},
        {K::Edit, ID_READ_ONLY, "", {5, 35, 80, 12}, STYLE_READ_ONLY, 0},
        {K::Static, ID_LABEL, "Label", {90, 5, 40, 10}, 0, 0},
        {K::GroupBox, ID_GROUP, "Group", {90, 20, 100, 50}, 0, 0},
        {K::CheckBox, ID_CHECK, "Check", {5, 50, 60, 10}, 0, 0},
        {K::RadioButton, ID_RADIO_A1, "A1", {5, 65, 30, 10}, STYLE_GROUP, 0},
        {K::RadioButton, ID_RADIO_A2, "A2", {40, 65, 30, 10}, 0, 0},
        {K::RadioButton, ID_RADIO_A3, "A3", {75, 65, 30, 10}, 0, 0},
        {K::RadioButton, ID_RADIO_B1, "B1", {5, 80, 30, 10}, STYLE_GROUP, 0},
        {K::RadioButton, ID_RADIO_B2, "B2", {40, 80, 30, 10}, 0, 0},
        {K::ListBox, ID_LIST, "", {120, 80, 60, 30}, STYLE_NOTIFY, 0},
        {K::PushButton, ID_BUTTON, "Button", {5, 110, 40, 14}, 0, 0},
        {K::PushButton, ID_DISABLED_BUTTON, "Off", {50, 110, 40, 14}, STYLE_DISABLED, 0},
        {K::Static, ID_DUPLICATE, "one", {5, 95, 20, 10}, 0, 0},
        {K::Static, ID_DUPLICATE, "two", {30, 95, 20, 10}, 0, 0},
        {K::ComboBox, ID_COMBO, "", {130, 110, 60, 12}, 0, 0},
        {K::Table, ID_TABLE, "one\ttwo", {100, 5, 95, 12}, 0, 0},
        {K::NumberLine, ID_LINE, "", {5, 125, 90, 20}, 0, 0},
        {K::CheckBox, ID_INDICATOR, "On", {100, 125, 40, 10}, STYLE_READ_ONLY, 0},
    };
    t.controls.insert(t.controls.end(), rest.begin(), rest.end());
    return t;
}

} // namespace

TestTemplates::TestTemplates() {
    previous_ = set_template_source([](int id) -> const DialogTemplate* {
        static const DialogTemplate with_buttons = make(TEST_DIALOG, true);
        static const DialogTemplate without = make(TEST_DIALOG_NO_DEFAULT, false);
        if (id == TEST_DIALOG) return &with_buttons;
        if (id == TEST_DIALOG_NO_DEFAULT) return &without;
        return nullptr;
    });
}

TestTemplates::~TestTemplates() {
    set_template_source(std::move(previous_));
}

} // namespace binora::testing
