#pragma once

// A small dialog template with one control of every kind, two radio groups, a duplicate id,
// a hidden CANCEL button and a default button, installed as the template source for a test.

#include "dialog/dialog_template.hpp"

namespace binora::testing {

constexpr int TEST_DIALOG = 500;
constexpr int TEST_DIALOG_NO_DEFAULT = 501; // no default button, no id 1, no id 2
constexpr int ID_OK = 1;
constexpr int ID_CANCEL = 2;
constexpr int ID_EDIT = 10;
constexpr int ID_NUMBER_EDIT = 11;
constexpr int ID_READ_ONLY = 12;
constexpr int ID_LABEL = 20;
constexpr int ID_GROUP = 21;
constexpr int ID_CHECK = 30;
constexpr int ID_RADIO_A1 = 40, ID_RADIO_A2 = 41, ID_RADIO_A3 = 42;
constexpr int ID_RADIO_B1 = 43, ID_RADIO_B2 = 44;
constexpr int ID_LIST = 50;
constexpr int ID_BUTTON = 60;          // push button without routine
constexpr int ID_DISABLED_BUTTON = 61; // created disabled
constexpr int ID_DUPLICATE = 70;       // occurs twice
constexpr int ID_COMBO = 80;           // a drop-down list
constexpr int ID_TABLE = 81;           // headings "one\ttwo"
constexpr int ID_LINE = 82;            // a number line
constexpr int ID_INDICATOR = 83;       // a read-only check box

// Installs the test templates for the lifetime of the object.
class TestTemplates {
  public:
    TestTemplates();
    ~TestTemplates();
    TestTemplates(const TestTemplates&) = delete;
    TestTemplates& operator=(const TestTemplates&) = delete;

  private:
    TemplateSource previous_;
};

} // namespace binora::testing
