#include "dialog/dialog_operations.hpp"
#include "main_dialog_test.hpp"
#include "resources/resource.hpp"
#include "shell/binora_globals.hpp"
#include "shell/titles.hpp"
#include "state/comun.hpp"
#include "testing/user_input.hpp"

#include <gtest/gtest.h>

#include <string>

namespace binora {
namespace {

struct CaptionRow {
    int id; // IDD_MAIN: the window caption
    std::string romanian;
    std::string english;
};

// The caption table, entries 1 to 14.
const CaptionRow caption_rows[] = {
    {IDD_MAIN, "Binora (Format binar)", "Binora (Binary Format)"},
    {IDC_GROUP_DATA, "Data", "Datum"},
    {IDC_GROUP_REPR, "Binora", "Binora"},
    {IDC_GROUP_FORMAT, "Format", "Format"},
    {IDC_FORMAT_LABEL, "Biti" + std::string(5, ' ') + "(Nume)",
     "Bits" + std::string(5, ' ') + "(Name)"},
    {IDC_DATATYPE_LABEL, "Tip data  (click pe un camp din format)",
     "Data Type  (click a format field)"},
    {IDC_PARAM_LABEL, "Parametru  (Numere finite)", "Parameter  (Finite Numbers)"},
    {IDC_BINARY_XPM, "Binar: X+ -", "Binary: X+ -"},
    {IDC_ALL_FIELDS, "Toate campurile", "All Fields"},
    {IDC_CURRENT_FIELD, "Campul curent  (click pe un camp)", "Current Field  (click a field)"},
    {IDC_CURSOR_LABEL, "Pozitie cursor in camp\n(msb = 1)", "Cursor Position in Field\n(msb = 1)"},
    {IDC_POSITION_LABEL, "Pozitie (Modificare /Actualizare)", "Position\n(Change/Update)"},
    {IDC_WIDTH_LABEL, "Latime camp", "Field Width"},
    {IDC_ABOUT, "DESPRE", "ABOUT"},
};

TEST(CaptionTable, HoldsFourteenCaptionsPerLanguageBlankPaddedToFifty) {
    INITITLES();
    const auto& title = BINORAGLOBALS.TITLE;
    for (std::size_t j = 0; j < std::size(caption_rows); ++j) {
        const auto& row = caption_rows[j];
        EXPECT_EQ(title[j][0], row.romanian + std::string(50 - row.romanian.size(), ' '))
            << "entry " << j + 1;
        // English entry 6 ends with a blank of its own; padding makes it the same text.
        EXPECT_EQ(title[j][1], row.english + std::string(50 - row.english.size(), ' '))
            << "entry " << j + 1;
    }
    for (std::size_t j : {14U, 15U}) {
        EXPECT_EQ(title[j][0], std::string(50, ' ')) << "entry " << j + 1;
        EXPECT_EQ(title[j][1], std::string(50, ' ')) << "entry " << j + 1;
    }
}

class SetTitles : public testing::MainDialogTest {
  protected:
    std::string caption_of(int id) { return id == IDD_MAIN ? dialog().caption : text(id); }
};

TEST_F(SetTitles, StartUpShowsTheRomanianCaptions) {
    for (const auto& row : caption_rows)
        EXPECT_EQ(caption_of(row.id), row.romanian) << row.id;
}

TEST_F(SetTitles, AppliesTheCaptionsOfTheCurrentLanguage) {
    COMUN.LANG = Language::english;
    SETTITLES(dialog());
    for (const auto& row : caption_rows)
        EXPECT_EQ(caption_of(row.id), row.english) << row.id;
    COMUN.LANG = Language::romanian;
    SETTITLES(dialog());
    for (const auto& row : caption_rows)
        EXPECT_EQ(caption_of(row.id), row.romanian) << row.id;
}

TEST_F(SetTitles, CaptionsWithoutAnEntryKeepTheirTemplateTextInBothLanguages) {
    const int untouched[] = {IDC_KIND32, IDC_KIND64, IDC_KIND128, IDC_ZEROS,  IDC_ONES,
                             IDC_FLIP,   IDC_EXIT,   IDC_LANG_RO, IDC_LANG_EN};
    std::vector<std::string> before;
    for (int id : untouched)
        before.push_back(text(id));
    ASSERT_TRUE(user_click(dialog(), IDC_LANG_EN));
    for (std::size_t i = 0; i < std::size(untouched); ++i)
        EXPECT_EQ(text(untouched[i]), before[i]) << untouched[i];
}

} // namespace
} // namespace binora
