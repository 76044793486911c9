#include "arithwindow/arith_inputs.hpp"

#include "arithwindow/arith_texts.hpp"
#include "dialog/dialog_operations.hpp"

#include <cstddef>

namespace binora {

namespace {

// clang-format off
constexpr FormatChoice FORMAT_CHOICES[] = {
    {&FORMATS[0], "32"}, {&FORMATS[1], "64"}, {&FORMATS[2], "128"},
    {&NARROW_FORMATS[0], "16"}, {&NARROW_FORMATS[1], "bf16"}, {&NARROW_FORMATS[2], "e5m2"},
    {&NARROW_FORMATS[3], "e4m3"},
};
// clang-format on

// The format of the selected row of a format list; binary64 when none is selected.
const FormatTraits* selected_format(DIALOG_RECORD& dialog, int id) {
    int row = 0;
    DIALOG_GET_INT(dialog, id, row, 1);
    const auto choices = format_choices();
    if (row < 1 || row > static_cast<int>(choices.size())) return &FORMATS[1];
    return choices[static_cast<std::size_t>(row - 1)].format;
}

} // namespace

std::span<const FormatChoice> format_choices() {
    return FORMAT_CHOICES;
}

int format_row(const FormatTraits& format) {
    for (std::size_t i = 0; i < std::size(FORMAT_CHOICES); ++i)
        if (FORMAT_CHOICES[i].format == &format) return static_cast<int>(i) + 1;
    return 0;
}

const std::string& operation_item(Operation operation, Language lang) {
    return in_language(OPERATION_ITEMS[static_cast<std::size_t>(operation)], lang);
}

std::string edit_text(DIALOG_RECORD& dialog, int id) {
    int length = 0;
    DIALOG_GET_INT(dialog, id, length, PROP_TEXT_LENGTH);
    std::string text;
    DIALOG_GET_TEXT(dialog, id, text, static_cast<std::size_t>(length));
    return text;
}

ArithInputs read_inputs(DIALOG_RECORD& dialog) {
    ArithInputs inputs;
    inputs.format = selected_format(dialog, IDC_AR_FORMAT);
    int row = 0;
    DIALOG_GET_INT(dialog, IDC_AR_OPERATION, row, 1);
    if (row >= 1 && row <= static_cast<int>(OPERATION_NAMES.size()))
        inputs.operation = static_cast<Operation>(row - 1);
    inputs.source = inputs.operation == Operation::convert ? selected_format(dialog, IDC_AR_SOURCE)
                                                           : inputs.format;
    for (std::size_t i = 0; i < ROUNDING_RADIOS.size(); ++i) {
        bool checked = false;
        DIALOG_GET_FLAG(dialog, ROUNDING_RADIOS[i], checked);
        if (checked) inputs.rounding = ALL_ROUNDINGS[i];
    }
    for (std::size_t i = 0; i < OPERAND_EDITS.size(); ++i)
        inputs.operands[i] = edit_text(dialog, OPERAND_EDITS[i]);
    return inputs;
}

} // namespace binora
