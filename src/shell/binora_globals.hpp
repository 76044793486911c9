#pragma once

// The shell's shared data: the two dialog records that live for the whole run, the caption
// table, the parameter-list rows and the summary paragraphs.

#include "dialog/dialog_record.hpp"
#include "state/comun.hpp"

#include <array>
#include <string>

namespace binora {

constexpr std::size_t TITLE_LENGTH = 50;
constexpr std::size_t PARAM_LENGTH = 40;
constexpr std::size_t STATIC_2_LENGTH = 180;

struct BinoraGlobals {
    DIALOG_RECORD MAIN_DIALOG;               // IDD_MAIN
    DIALOG_RECORD SUMMARY_DIALOG;            // IDD_SUMMARY; shown by the summary button
    std::array<TwoLanguageText, 16> TITLE;   // captions, 50 characters each; 15 and 16 blank
    std::array<std::string, 6> PARAM;        // rows of the parameter list, 40 characters each
    std::array<TwoLanguageText, 7> STATIC_2; // summary paragraphs, 180 characters each
    std::array<int, 7> ID_STATIC_2{};        // control ids of the summary paragraphs
    std::string BIT8_0;                      // 8 "0"
    std::string BIT23_0;                     // 23 "0"
};

extern BinoraGlobals BINORAGLOBALS;

// Releases both records and empties every text (the load-time state); tests use it.
void reset_shell_state();

} // namespace binora
