#include "arithwindow/arith_texts.hpp"

#include "resources/resource.hpp"

namespace binora {

namespace {

// clang-format off
const ArithCaption CAPTIONS[] = {
    {IDD_ARITH, {"Binora - Aritmetica IEEE 754", "Binora - IEEE 754 Arithmetic"}},
    {IDC_AR_GROUP_INPUTS, {"Operatia", "Operation"}},
    {IDC_AR_GROUP_OPERANDS, {"Operanzi", "Operands"}},
    {IDC_AR_GROUP_RESULT, {"Rezultat", "Result"}},
    {IDC_AR_FORMAT_LABEL, {"&Format:", "&Format:"}},
    {IDC_AR_OPERATION_LABEL, {"&Operatia:", "&Operation:"}},
    {IDC_AR_SOURCE_LABEL, {"&din:", "Fro&m:"}},
    {IDC_AR_ROUNDING_LABEL, {"Rotunjire:", "Rounding:"}},
    {IDC_AR_RNE, {"&1 rne (spre par)", "&1 rne (to even)"}},
    {IDC_AR_RNA, {"&2 rna (departe de 0)", "&2 rna (away from 0)"}},
    {IDC_AR_RTZ, {"&3 rtz (spre 0)", "&3 rtz (toward 0)"}},
    {IDC_AR_RUP, {"&4 rup (spre +inf)", "&4 rup (toward +inf)"}},
    {IDC_AR_RDN, {"&5 rdn (spre -inf)", "&5 rdn (toward -inf)"}},
    {IDC_AR_LESSON_LABEL, {"&Lectia:", "&Lesson:"}},
    {IDC_AR_COPY, {"Co&piaza comanda", "Co&py as command"}},
    {IDC_AR_A_STORED_LABEL, {"&memorat:", "s&tored:"}},
    {IDC_AR_B_STORED_LABEL, {"memora&t:", "&stored:"}},
    {IDC_AR_C_STORED_LABEL, {"memora&t:", "&stored:"}},
    {IDC_AR_RESULT_LABEL, {"Re&zultat:", "Res&ult:"}},
    {IDC_AR_HEX_LABEL, {"he&x:", "&hex:"}},
    {IDC_AR_VALUE_LABEL, {"&valoare:", "&value:"}},
    {IDC_AR_EXACT_LABEL, {"memorat e&xact:", "stored exactl&y:"}},
    {IDC_AR_REAL_LABEL, {"rez&ultat exact:", "exact res&ult:"}},
    {IDC_AR_ULPS_LABEL, {"eroare (&ULP):", "error (&ULP):"}},
    {IDC_AR_GRS_LABEL, {"&garda, rotunjire, rest:", "guard, round, st&icky:"}},
    {IDC_AR_FLAGS_LABEL, {"&Indicatori:", "Fla&gs:"}},
    {IDC_AR_MODES_LABEL, {"Rotunjirea in fiecare &sens:", "Roun&ding in each direction:"}},
    {IDC_AR_LINE_LABEL, {"Axa &numerelor:", "&Number line:"}},
    {IDC_AR_EXIT, {"Inc&hide", "E&xit"}},
};
// clang-format on

} // namespace

std::span<const ArithCaption> arith_captions() {
    return CAPTIONS;
}

const std::array<TwoLanguageText, 8> OPERATION_ITEMS = {{
    {"a + b (adunare)", "a + b (add)"},
    {"a - b (scadere)", "a - b (subtract)"},
    {"a \xd7 b (inmultire)", "a \xd7 b (multiply)"},
    {"a \xf7 b (impartire)", "a \xf7 b (divide)"},
    {"a \xd7 b + c (fma)", "a \xd7 b + c (fma)"},
    {"radical din a (sqrt)", "square root of a (sqrt)"},
    {"restul a / b (rem)", "remainder of a / b (rem)"},
    {"a in format (convert)", "a into the format (convert)"},
}};

const TwoLanguageText NO_LESSON = {"(fara lectie)", "(no lesson)"};
const TwoLanguageText LESSON_HINT = {
    "Alegeti o lectie, sau scrieti operanzii si alegeti operatia, formatul si rotunjirea.",
    "Choose a lesson, or type the operands and choose the operation, format and rounding."};

const TwoLanguageText OPERAND_UNREADABLE = {"inca nu este un numar: rezultatele asteapta",
                                            "not a number yet: the results wait"};
const TwoLanguageText OPERAND_BAD_WORD = {
    "un cuvant memorat cere %d cifre hexazecimale: rezultatele asteapta",
    "a storage word takes %d hexadecimal digits: the results wait"};
const TwoLanguageText OPERAND_ROUNDED = {"rotunjit la citire (%s)", "rounded when read (%s)"};

const TwoLanguageText TABLE_HEADINGS = {"sens\tcuvant\tvaloare\tindicatori",
                                        "direction\tword\tvalue\tflags"};

const LineWords LINE_WORDS = {
    {"Scrieti operanzii: axa arata unde se afla rezultatul exact intre numerele formatului.",
     "Type the operands: the line shows where the exact result lies among the format's numbers."},
    {"Se asteapta pana cand fiecare operand poate fi citit.",
     "Waiting until every operand can be read."},
    {"Rezultatul exact este un numar al formatului: nu se rotunjeste nimic.",
     "The exact result is a number of the format: nothing is rounded."},
    {"Rezultatul exact este intre doua numere ale formatului; %s il rotunjeste la cel inferior.",
     "The exact result lies between two numbers of the format; %s rounds it to the lower one."},
    {"Rezultatul exact este intre doua numere ale formatului; %s il rotunjeste la cel superior.",
     "The exact result lies between two numbers of the format; %s rounds it to the upper one."},
    {"Rezultatul exact depaseste cel mai mare numar finit; %s da %s.",
     "The exact result lies past the largest finite number; %s gives %s."},
    {"Niciun numar de asezat pe axa: rezultatul este NaN.",
     "No number to place on the line: the result is NaN."},
    {"Niciun numar de asezat pe axa: rezultatul exact este infinit.",
     "No number to place on the line: the exact result is an infinity."},
    {"inferior", "lower"},
    {"mijloc", "midpoint"},
    {"superior", "upper"},
    {"numarul", "the number"},
    {"exact", "exact"},
    {"rotunjit", "rounded"},
    {"vecinul inferior: ", "lower neighbour: "},
    {"mijlocul: ", "midpoint: "},
    {"vecinul superior: ", "upper neighbour: "},
    {"dupa cel mai mare numar finit (nu este in format): ",
     "past the largest finite number (not in the format): "},
    {"numarul formatului: ", "the format's number: "},
    {"vecinul de dedesubt: ", "neighbour below: "},
    {"vecinul de deasupra: ", "neighbour above: "},
    {"rezultatul exact: ", "exact result: "},
    {"rezultatul rotunjit: ", "rounded result: "},
};

} // namespace binora
