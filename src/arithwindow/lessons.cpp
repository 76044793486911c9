#include "arithwindow/lessons.hpp"

#include "arithwindow/arith_inputs.hpp"
#include "arithwindow/arith_state.hpp"
#include "arithwindow/arith_texts.hpp"
#include "dialog/dialog_operations.hpp"
#include "resources/resource.hpp"

#include <cstddef>

namespace binora {

namespace {

const FormatTraits* const B64 = &FORMATS[1];
const FormatTraits* const B16 = &NARROW_FORMATS[0];
const FormatTraits* const E4M3 = &NARROW_FORMATS[3];

using enum Operation;

// clang-format off
const Lesson LESSONS[] = {
    {{"0.1 + 0.2 in binary64", "0.1 + 0.2 in binary64"},
     {"0.1 si 0.2 sunt memorate putin peste ele; suma lor exacta cade la mijloc intre doi vecini si se rotunjeste la cel par: 0.30000000000000004.",
      "0.1 and 0.2 are each stored a little above themselves; their exact sum falls half-way between two neighbours and rounds to the even one: 0.30000000000000004."},
     B64, nullptr, add, {"0.1", "0.2", ""}},
    {{"1e16 + 1", "1e16 + 1"},
     {"1e16 + 1 este la mijloc intre 1e16 si 1e16 + 2: egalitatea merge la numarul par, 1e16, iar 1 se pierde.",
      "1e16 + 1 lies half-way between 1e16 and 1e16 + 2: the tie goes to the even one, 1e16, and the 1 is lost."},
     B64, nullptr, add, {"1e16", "1", ""}},
    {{"(1e16 + 1) - 1e16", "(1e16 + 1) - 1e16"},
     {"Suma memorata a fost chiar 1e16: scazand 1e16 ramane 0, nu 1.",
      "The stored sum was 1e16 itself: subtracting 1e16 leaves 0, not 1."},
     B64, nullptr, sub, {"1e16", "1e16", ""}},
    {{"1 / 3 in fiecare sens", "1 / 3 in each direction"},
     {"O treime nu are sfarsit in binar: in tabel, doar rup (spre +infinit) rotunjeste in sus.",
      "One third never ends in binary: in the table, only rup (toward +infinity) rounds up."},
     B64, nullptr, div, {"1", "3", ""}},
    {{"radical din 2", "square root of 2"},
     {"Radicalul lui 2 este irational: radacina memorata greseste cu mai putin de o jumatate de ULP; bitii de garda, rotunjire si rest sunt 101.",
      "The square root of 2 is irrational: the stored root errs by less than half an ULP; its guard, round and sticky bits are 101."},
     B64, nullptr, sqrt, {"2", "", ""}},
    {{"cel mai mare numar finit \xd7 2", "the largest finite number \xd7 2"},
     {"Depasire: spre cel mai apropiat devine +Infinit; spre 0 si spre -infinit ramane cel mai mare numar finit (vezi tabelul).",
      "Overflow: to nearest it becomes +Infinity; toward 0 and toward -infinity it stays the largest finite number (see the table)."},
     B64, nullptr, mul, {"1.7976931348623157e308", "2", ""}},
    {{"cel mai mic numar normal / 2", "the smallest normal number / 2"},
     {"Depasire inferioara treptata: jumatate din cel mai mic numar normal este un numar subnormal, exact, fara niciun indicator.",
      "Gradual underflow: half the smallest normal number is a subnormal number, exactly, with no flag raised."},
     B64, nullptr, div, {"2.2250738585072014e-308", "2", ""}},
    {{"fma: (1 + 2^-30)^2 - (1 + 2^-29)", "fma: (1 + 2^-30)^2 - (1 + 2^-29)"},
     {"fma rotunjeste o singura data: (1 + 2^-30)^2 - (1 + 2^-29) este exact 2^-60.",
      "fma rounds once: (1 + 2^-30)^2 - (1 + 2^-29) is 2^-60, exactly."},
     B64, nullptr, fma, {"0x3FF0000000400000", "0x3FF0000000400000", "0xBFF0000000800000"}},
    {{"inmultire, apoi scadere: (1 + 2^-30)^2", "mul, then subtract: (1 + 2^-30)^2"},
     {"Inmultirea rotunjeste patratul la 1 + 2^-29: scazand apoi 1 + 2^-29 ramane 0, unde fma da 2^-60.",
      "mul rounds the square to 1 + 2^-29: subtracting 1 + 2^-29 afterwards leaves 0, where fma gives 2^-60."},
     B64, nullptr, mul, {"0x3FF0000000400000", "0x3FF0000000400000", ""}},
    {{"0.1 prin binary64 in binary16", "0.1 through binary64 into binary16"},
     {"0.1 este rotunjit intai in binary64, apoi in binary16: 2E66, la fel ca citit direct in binary16.",
      "0.1 is rounded into binary64 first, then into binary16: 2E66, as when read straight into binary16."},
     B16, B64, convert, {"0.1", "", ""}},
    {{"0.1 direct in binary16", "0.1 straight into binary16"},
     {"0.1 citit direct in binary16 este rotunjit o singura data: tot 2E66.",
      "0.1 read straight into binary16 is rounded once: 2E66 again."},
     B16, B16, convert, {"0.1", "", ""}},
    {{"rotunjire dubla prin binary64", "double rounding through binary64"},
     {"Prin binary64 ajunge exact la mijloc intre doua numere binary16 si se rotunjeste la 1 (3C00); citit direct in binary16 este 3C01.",
      "Through binary64 it lands exactly half-way between two binary16 numbers and rounds to 1 (3C00); read straight into binary16 it is 3C01."},
     B16, B64, convert, {"1.00048828125000000001", "", ""}},
    {{"depasire in E4M3: 448 \xd7 2", "E4M3 overflow: 448 \xd7 2"},
     {"E4M3 nu are infinit: spre cel mai apropiat depasirea da NaN (7F); spre 0 ramane 448.",
      "E4M3 has no infinity: to nearest the overflow gives its NaN (7F); toward 0 it stays 448."},
     E4M3, nullptr, mul, {"448", "2", ""}},
};
// clang-format on

} // namespace

std::span<const Lesson> lessons() {
    return LESSONS;
}

const Lesson* chosen_lesson(DIALOG_RECORD& dialog) {
    int row = 0;
    DIALOG_GET_INT(dialog, IDC_AR_LESSON, row, 1);
    if (row < 2 || row > static_cast<int>(std::size(LESSONS)) + 1) return nullptr;
    return &LESSONS[static_cast<std::size_t>(row - 2)];
}

void APPLY_LESSON(DIALOG_RECORD& dialog) {
    const Lesson* lesson = chosen_lesson(dialog);
    if (lesson == nullptr) {
        DIALOG_SET_TEXT(dialog, IDC_AR_LESSON_TEXT, in_language(LESSON_HINT, ARITH.LANG));
        return;
    }
    DIALOG_SET_TEXT(dialog, IDC_AR_LESSON_TEXT, in_language(lesson->explanation, ARITH.LANG));
    DIALOG_SET_INT(dialog, IDC_AR_FORMAT, format_row(*lesson->format), 1);
    DIALOG_SET_INT(dialog, IDC_AR_OPERATION, static_cast<int>(lesson->operation) + 1, 1);
    if (lesson->source != nullptr)
        DIALOG_SET_INT(dialog, IDC_AR_SOURCE, format_row(*lesson->source), 1);
    DIALOG_SET_FLAG(dialog, IDC_AR_RNE, true);
    for (std::size_t i = 0; i < OPERAND_EDITS.size(); ++i)
        DIALOG_SET_TEXT(dialog, OPERAND_EDITS[i], lesson->operands[i]);
}

} // namespace binora
