#pragma once

// Small dialog templates for the Qt window tests, installed together with the program's own
// (IDD_MAIN and the rest) as the template source for a test.

#include "dialog/dialog_template.hpp"

namespace binora::testing {

// A modeless-style dialog without default button, without id 1: three edits, three radio
// groups, a check box, a list box, an Exit button without routine and the hidden CANCEL.
// For screen readers ID_VALUE is named by ID_LABEL, ID_SECOND has fixed names, and the
// radios C1 and C2 select the Romanian and the English name.
constexpr int EDIT_DIALOG = 700;
// A modal-style dialog: OK (default), hidden Cancel, and a push button "Other".
constexpr int MODAL_DIALOG = 701;

constexpr int ID_OK = 1;
constexpr int ID_CANCEL = 2;
constexpr int ID_VALUE = 10;  // edit
constexpr int ID_NUMBER = 11; // number-only edit
constexpr int ID_SECOND = 12; // edit
constexpr int ID_RADIO_A1 = 40, ID_RADIO_A2 = 41, ID_RADIO_A3 = 42;
constexpr int ID_RADIO_B1 = 43, ID_RADIO_B2 = 44;
constexpr int ID_RADIO_C1 = 45, ID_RADIO_C2 = 46;
constexpr int ID_CHECK = 30;
constexpr int ID_LIST = 50;
constexpr int ID_EXIT = 60;
constexpr int ID_OTHER = 61;
constexpr int ID_LABEL = 70;

// Installs the templates (and the program's images) for the lifetime of the object.
class QtTestTemplates {
  public:
    QtTestTemplates();
    ~QtTestTemplates();
    QtTestTemplates(const QtTestTemplates&) = delete;
    QtTestTemplates& operator=(const QtTestTemplates&) = delete;

  private:
    TemplateSource previous_templates_;
    ImageSource previous_images_;
};

} // namespace binora::testing
