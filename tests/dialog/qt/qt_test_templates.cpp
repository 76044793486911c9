#include "qt_test_templates.hpp"

#include "resources/templates.hpp"

namespace binora::testing {

namespace {

using K = ControlKind;

DialogTemplate edit_dialog() {
    DialogTemplate t;
    t.id = EDIT_DIALOG;
    t.caption = "Edits";
    t.rect = {10, 10, 220, 160};
    t.font_name = "MS Sans Serif";
    t.font_points = 8;
    t.controls = {
        {K::PushButton, ID_EXIT, "Exit", {170, 140, 40, 14}, 0, 0},
        {K::PushButton, ID_CANCEL, "CANCEL", {10, 140, 40, 14}, STYLE_HIDDEN, 0},
        {K::Edit, ID_VALUE, "", {10, 10, 120, 12}, STYLE_AUTO_HSCROLL, 0, {ID_LABEL, {}, 0}},
        {K::Edit,
         ID_NUMBER,
         "",
         {10, 28, 120, 12},
         STYLE_NUMBER | STYLE_AUTO_HSCROLL | STYLE_STATIC_EDGE,
         0},
        {K::Edit,
         ID_SECOND,
         "",
         {10, 46, 120, 12},
         STYLE_AUTO_HSCROLL,
         0,
         {0, {"Al doilea c\xE2mp", "Second field"}, 0}},
        {K::RadioButton, ID_RADIO_A1, "A1", {140, 10, 30, 10}, STYLE_GROUP, 0},
        {K::RadioButton, ID_RADIO_A2, "A2", {140, 22, 30, 10}, 0, 0},
        {K::RadioButton, ID_RADIO_A3, "A3", {140, 34, 30, 10}, 0, 0},
        {K::RadioButton, ID_RADIO_B1, "B1", {180, 10, 30, 10}, STYLE_GROUP, 0},
        {K::RadioButton, ID_RADIO_B2, "B2", {180, 22, 30, 10}, 0, 0},
        {K::RadioButton, ID_RADIO_C1, "C1", {140, 60, 30, 10}, STYLE_GROUP, 0, {0, {}, 1}},
        {K::RadioButton, ID_RADIO_C2, "C2", {180, 60, 30, 10}, 0, 0, {0, {}, 2}},
        {K::CheckBox, ID_CHECK, "Check", {10, 64, 60, 10}, STYLE_GROUP, 0},
        {K::ListBox, ID_LIST, "", {10, 80, 100, 40}, STYLE_NOTIFY | STYLE_VSCROLL, 0},
        {K::Static, ID_LABEL, "Label", {120, 80, 80, 30}, 0, 0},
    };
    return t;
}

DialogTemplate modal_dialog() {
    DialogTemplate t;
    t.id = MODAL_DIALOG;
    t.caption = "Modal";
    t.rect = {0, 0, 150, 60};
    t.font_name = "Microsoft Sans Serif";
    t.font_points = 10;
    t.controls = {
        {K::PushButton, ID_OK, "OK", {110, 40, 30, 12}, STYLE_DEFAULT_BUTTON, 0},
        {K::PushButton, ID_CANCEL, "Cancel", {10, 40, 30, 12}, STYLE_HIDDEN, 0},
        {K::PushButton, ID_OTHER, "Other", {60, 40, 40, 12}, 0, 0},
        {K::Edit, ID_VALUE, "", {10, 10, 130, 12}, STYLE_AUTO_HSCROLL, 0},
    };
    return t;
}

} // namespace

QtTestTemplates::QtTestTemplates()
    : previous_templates_(set_template_source([](int id) -> const DialogTemplate* {
          static const DialogTemplate edits = edit_dialog();
          static const DialogTemplate modal = modal_dialog();
          if (id == EDIT_DIALOG) return &edits;
          if (id == MODAL_DIALOG) return &modal;
          return program_template(id);
      })),
      previous_images_(set_image_source(program_image)) {}

QtTestTemplates::~QtTestTemplates() {
    set_template_source(std::move(previous_templates_));
    set_image_source(std::move(previous_images_));
}

} // namespace binora::testing
