#pragma once

// The shared variables through which the window's routines talk to each other. There is one
// instance, `COMUN`, for the whole run; routines read and write its members directly.
// Every member starts in the load-time state (numbers 0, flags false, texts empty);
// `reset_shared_state` brings them back there (tests use it between cases).
//
// How data flows: a keystroke in the value edit reaches the controller (controller/), which
// reads the text into VALUE_CHAR; the engine (engine/) has the read-out core (readout/) read
// it into a storage word, keeps it in X4, X8 or X16 (by KIND_REAL) and writes the word's
// fields into the bit edits of the kind (bitedit/format_controls.hpp). Entering a bit edit
// has bit editing (bitedit/) rebuild X from the bits and ask the core once for X's class and
// canonical form (current/): the class flags are kept here, the texts go into the controls.
// The parameter list (engine/sub_list) asks the core for the row chosen, in the language
// LANG. binora-cli prints the same texts of the core without any dialog. Every routine
// reaches the controls through the dialog layer (dialog/), and only dialog/qt/ turns them into
// widgets.

#include "model/language.hpp"

#include <string>

namespace binora {

// Lengths of the fixed-length texts below.
constexpr std::size_t VALUE_CHAR_LENGTH = 42;
constexpr std::size_t BIT_SOURCE_LENGTH = 64; // STR_0, STR_1

struct Comun {
    int KIND_REAL = 0;      // current data kind: 4, 8 or 16
    std::string VALUE_CHAR; // the value edit's whole text, blank-padded to at least 42
    float X4 = 0.0F;        // X while KIND_REAL is 4
    double X8 = 0.0;        // X while KIND_REAL is 8
    __float128 X16 = 0;     // X while KIND_REAL is 16
    std::string STR_0;      // 64 "0": the first n fill an n-bit field with zeros
    std::string STR_1;      // 64 "1"

    // The class of the bits last rebuilt from the bit edits.
    bool IS_ZERO = false;
    bool IS_SUBNORMAL = false;
    bool IS_INFINITY = false;
    bool IS_NAN = false;
    bool IS_FINITE = false;
    bool IS_EXP_MAX = false;
    bool IS_EXP_MIN = false;

    Language LANG = Language{}; // the interface language (none before start-up)
    bool LANG_RO = false;       // Romanian selected
    bool ALL_FIELDS = false;    // bulk buttons act on all fields (else on the current one)
    int FIELD_WIDTH = 0;        // width of the current field, 0 when none
    int LIST_INDEX = 0;         // 1-based selected row of the parameter list, 0 for none
};

extern Comun COMUN;

// Back to the load-time state.
void reset_shared_state();

} // namespace binora
