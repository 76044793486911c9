#pragma once

// The shared variables through which Binora's routines talk to each other. There is one
// instance, `COMUN`, for the whole run; routines read and write its members directly.
// Every member starts in the load-time state (numbers 0, flags false, texts empty);
// `reset_shared_state` brings them back there (tests use it between cases).
//
// How data flows: a keystroke in the value edit reaches the controller (controller/), which
// reads the text into VALUE_CHAR; the engine (engine/) reads it with the read-out core's
// reader (readout/, over the numeric work of numeric/) into X4, X8 or X16 (by KIND_REAL)
// and writes the bits into the bit edits of the kind (bitedit/format_controls.hpp). Entering
// a bit edit has bit editing (bitedit/) rebuild X from the bits and set the class flags and
// DATATYPE (current/), and the engine write X back in canonical form; the parameter list
// (engine/sub_list) then shows exponent, significand, ULP, neighbours and epsilon, in the
// language LANG. Every text the engine shows is computed by the read-out core from X's word
// (or the bits in the edits); binora-cli prints the same texts without any dialog. Every
// routine reaches the controls through the dialog layer (dialog/), and only dialog/qt/ turns
// them into widgets.

#include "model/language.hpp"

#include <string>

namespace binora {

// Lengths of the fixed-length texts below.
constexpr std::size_t VALUE_CHAR_LENGTH = 42;
constexpr std::size_t BIT_SOURCE_LENGTH = 64; // STR_0, STR_1
constexpr std::size_t DATATYPE_LENGTH = 30;

struct Comun {
    int KIND_REAL = 0;      // current data kind: 4, 8 or 16
    std::string VALUE_CHAR; // the value as typed (42 characters); also ULP's work text
    float X4 = 0.0F;        // X while KIND_REAL is 4
    double X8 = 0.0;        // X while KIND_REAL is 8
    __float128 X16 = 0;     // X while KIND_REAL is 16
    std::string STR_0;      // 64 "0": the first n fill an n-bit field with zeros
    std::string STR_1;      // 64 "1"

    // Class flags of the bits last rebuilt from the bit edits.
    bool IS_ZERO = false;
    bool IS_SUBNORMAL = false;
    bool IS_INFINITY = false; // also set from a typed infinity text
    bool IS_NAN = false;      // also set from a typed NaN text
    bool IS_FINITE = false;
    bool IS_EXP_MAX = false;
    bool IS_EXP_MIN = false;

    std::string INF_SIGN; // "1" if a typed infinity began with "-", else "0"
    std::string NAN_SIGN; // the same for a typed NaN

    TwoLanguageText DATATYPE; // class text of X, each 30 characters

    int LANG = 0;            // 1 Romanian, 2 English
    bool LANG_RO = false;    // Romanian selected
    bool ALL_FIELDS = false; // bulk buttons act on all fields (else on the current one)
    int FIELD_WIDTH = 0;     // width of the current field, 0 when none
    int LIST_INDEX = 0;      // 1-based selected row of the parameter list, 0 for none
};

extern Comun COMUN;

// Back to the load-time state.
void reset_shared_state();

} // namespace binora
