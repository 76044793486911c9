#include "arithwindow/show_arithmetic.hpp"

#include "arith/arithmetic.hpp"
#include "arith/exact_result.hpp"
#include "arith/operand_reader.hpp"
#include "arithwindow/arith_inputs.hpp"
#include "arithwindow/arith_state.hpp"
#include "arithwindow/arith_texts.hpp"
#include "arithwindow/number_line_marks.hpp"
#include "dialog/dialog_operations.hpp"
#include "model/fixed_text.hpp"
#include "readout/value_read_out.hpp"
#include "resources/resource.hpp"

#include <array>
#include <cstdio>
#include <optional>
#include <string>

namespace binora {

namespace {

// The controls of an operand: the words beside it, its stored value and bits.
struct OperandControls {
    int status;
    int value; // then sign, exponent, significand
};
constexpr std::array<OperandControls, 3> OPERAND_CONTROLS = {{
    {IDC_AR_A_STATUS, IDC_AR_A_VALUE},
    {IDC_AR_B_STATUS, IDC_AR_B_VALUE},
    {IDC_AR_C_STATUS, IDC_AR_C_VALUE},
}};

constexpr std::array<int, 5> FLAG_INDICATORS = {IDC_AR_INVALID, IDC_AR_DIVBYZERO, IDC_AR_OVERFLOW,
                                                IDC_AR_UNDERFLOW, IDC_AR_INEXACT};
constexpr std::array<unsigned, 5> FLAG_BITS = {FLAG_INVALID, FLAG_DIVBYZERO, FLAG_OVERFLOW,
                                               FLAG_UNDERFLOW, FLAG_INEXACT};

// The result's read-outs, emptied while it waits.
constexpr std::array<int, 9> RESULT_EDITS = {IDC_AR_S,    IDC_AR_E,     IDC_AR_F,
                                             IDC_AR_HEX,  IDC_AR_VALUE, IDC_AR_EXACT,
                                             IDC_AR_REAL, IDC_AR_ULPS,  IDC_AR_GRS};

// A read-out written with its caret at the start, so that a text longer than its edit shows
// its beginning.
void show(DIALOG_RECORD& dialog, int id, std::string_view text) {
    DIALOG_SET_TEXT(dialog, id, text);
    DIALOG_SET_INT(dialog, id, 0, PROP_CARET);
}

std::string with_number(const std::string& pattern, int number) {
    char text[160];
    std::snprintf(text, sizeof text, pattern.c_str(), number);
    return text;
}

std::string with_text(const std::string& pattern, std::string_view inserted) {
    char text[160];
    std::snprintf(text, sizeof text, pattern.c_str(), std::string(inserted).c_str());
    return text;
}

void show_bits(DIALOG_RECORD& dialog, int sign_id, const ValueReadOut* read_out) {
    show(dialog, sign_id, read_out != nullptr ? read_out->sign : "");
    show(dialog, sign_id + 1, read_out != nullptr ? read_out->exponent : "");
    show(dialog, sign_id + 2, read_out != nullptr ? read_out->significand : "");
}

// Reads the operands the operation takes in `rounding`; nothing when one cannot be read.
std::optional<std::array<Word128, 3>> read_operands(const ArithInputs& in, Rounding rounding) {
    std::array<Word128, 3> words{};
    for (int i = 0; i < operand_count(in.operation); ++i) {
        const auto index = static_cast<std::size_t>(i);
        const OperandRead read =
            read_operand(*in.source, rounding, false, trim_blanks(in.operands[index]));
        if (read.status != OperandStatus::ok) return std::nullopt;
        words[index] = read.word;
    }
    return words;
}

// Beside and under each operand; whether every operand the operation takes was read (and
// whether one of them is empty).
bool show_operands(DIALOG_RECORD& dialog, const ArithInputs& in, Language lang, bool& empty) {
    bool ready = true;
    empty = false;
    ValueReadOut read_out;
    for (int i = 0; i < 3; ++i) {
        const auto index = static_cast<std::size_t>(i);
        const OperandControls& controls = OPERAND_CONTROLS[index];
        const std::string_view text = trim_blanks(in.operands[index]);
        std::string status;
        bool unreadable = false; // the status says why the results wait
        const ValueReadOut* shown = nullptr;
        if (i < operand_count(in.operation) && text.empty()) {
            ready = false;
            empty = true;
        } else if (i < operand_count(in.operation)) {
            const OperandRead read = read_operand(*in.source, in.rounding, false, text);
            if (read.status == OperandStatus::invalid_value) {
                status = in_language(OPERAND_UNREADABLE, lang);
                ready = false;
                unreadable = true;
            } else if (read.status == OperandStatus::bad_storage_word) {
                status =
                    with_number(in_language(OPERAND_BAD_WORD, lang), in.source->storage_bits / 4);
                ready = false;
                unreadable = true;
            } else {
                if (read.flags != 0)
                    status = with_text(in_language(OPERAND_ROUNDED, lang), flags_text(read.flags));
                read_out_value(*in.source, read.word, lang, read_out, PART_FIELDS | PART_VALUE);
                shown = &read_out;
            }
        }
        DIALOG_SET_TEXT(dialog, controls.status, status);
        // Told by a screen reader in the edit, where the words beside it are not.
        DIALOG_SET_TEXT(dialog, OPERAND_EDITS[index], unreadable ? status : "", PROP_DESCRIPTION);
        show(dialog, controls.value, shown != nullptr ? shown->value : "");
        show_bits(dialog, controls.value + 1, shown);
    }
    return ready;
}

// The table of the five directions: one row each, the chosen one marked.
void show_directions(DIALOG_RECORD& dialog, const ArithInputs& in, const ArithmeticCase& chosen,
                     Language lang, bool ready) {
    ValueReadOut read_out;
    ArithmeticCase c = chosen;
    for (std::size_t i = 0; i < ALL_ROUNDINGS.size(); ++i) {
        const Rounding rounding = ALL_ROUNDINGS[i];
        std::string row = rounding == in.rounding ? "\xbb " : "";
        row += rounding_name(rounding);
        const auto words = ready ? read_operands(in, rounding) : std::nullopt;
        if (words) {
            c.rounding = rounding;
            c.operands = *words;
            const ArithmeticResult result = compute(c);
            read_out_value(*in.format, result.word, lang, read_out, PART_HEX | PART_VALUE);
            row.append("\t").append(read_out.hex).append("\t").append(read_out.value);
            row.append("\t").append(flags_text(result.flags));
        }
        DIALOG_SET_TEXT(dialog, IDC_AR_MODES, row, static_cast<int>(i) + 1);
    }
    DIALOG_SET_INT(dialog, IDC_AR_MODES, static_cast<int>(in.rounding) + 1, 1);
}

void show_waiting(DIALOG_RECORD& dialog, bool empty, Language lang) {
    for (int id : RESULT_EDITS)
        show(dialog, id, "");
    for (int id : FLAG_INDICATORS)
        DIALOG_SET_FLAG(dialog, id, false);
    DIALOG_SET_TEXT(dialog, IDC_AR_LINE,
                    in_language(empty ? LINE_WORDS.waiting : LINE_WORDS.unreadable, lang));
    DIALOG_SET_MARKS(dialog, IDC_AR_LINE, {});
}

} // namespace

void SHOW_ARITHMETIC(DIALOG_RECORD& dialog) {
    const ArithInputs in = read_inputs(dialog);
    const Language lang = ARITH.LANG;
    const int count = operand_count(in.operation);
    DIALOG_SET_FLAG(dialog, IDC_AR_B, count >= 2, PROP_ENABLED);
    DIALOG_SET_FLAG(dialog, IDC_AR_C, count >= 3, PROP_ENABLED);
    DIALOG_SET_FLAG(dialog, IDC_AR_SOURCE, in.operation == Operation::convert, PROP_ENABLED);

    bool empty = false;
    const bool ready = show_operands(dialog, in, lang, empty);
    DIALOG_SET_FLAG(dialog, IDC_AR_COPY, ready, PROP_ENABLED);

    ArithmeticCase c;
    c.operation = in.operation;
    c.format = in.format;
    c.source = in.source;
    c.rounding = in.rounding;
    show_directions(dialog, in, c, lang, ready);
    if (!ready) {
        show_waiting(dialog, empty, lang);
        return;
    }
    c.operands = *read_operands(in, in.rounding);
    const ArithmeticResult result = compute(c);

    ValueReadOut read_out;
    read_out_value(*in.format, result.word, lang, read_out,
                   PART_FIELDS | PART_HEX | PART_VALUE | PART_EXACT);
    show_bits(dialog, IDC_AR_S, &read_out);
    show(dialog, IDC_AR_HEX, read_out.hex);
    show(dialog, IDC_AR_VALUE, read_out.value);
    show(dialog, IDC_AR_EXACT, read_out.exact);

    ExactTexts exact;
    write_exact_texts(c, result, EXACT_REAL | EXACT_ERROR, exact);
    show(dialog, IDC_AR_REAL, exact.real);
    show(dialog, IDC_AR_ULPS, exact.error_ulps);
    const char grs[4] = {result.grs.guard ? '1' : '0', result.grs.round ? '1' : '0',
                         result.grs.sticky ? '1' : '0', '\0'};
    show(dialog, IDC_AR_GRS, result.real == RealKind::number ? grs : "");
    for (std::size_t i = 0; i < FLAG_INDICATORS.size(); ++i)
        DIALOG_SET_FLAG(dialog, FLAG_INDICATORS[i], (result.flags & FLAG_BITS[i]) != 0);

    const LineContent line = line_content(c, result, read_out.value, lang);
    DIALOG_SET_TEXT(dialog, IDC_AR_LINE, line.caption);
    DIALOG_SET_MARKS(dialog, IDC_AR_LINE, line.marks);
}

} // namespace binora
