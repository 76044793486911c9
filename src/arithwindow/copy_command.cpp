#include "arithwindow/copy_command.hpp"

#include "dialog/clipboard.hpp"
#include "model/fixed_text.hpp"

#include <algorithm>
#include <cctype>

namespace binora {

namespace {

const char* command_word(const FormatTraits& format) {
    for (const FormatChoice& choice : format_choices())
        if (choice.format == &format) return choice.command_word;
    return "64";
}

bool is_plain(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '+' || c == '-' || c == '.' ||
           c == '_';
}

// `text` as one word of a POSIX shell.
std::string quoted(std::string_view text) {
    if (!text.empty() && std::all_of(text.begin(), text.end(), is_plain)) return std::string(text);
    std::string word = "'";
    for (const char c : text) {
        if (c == '\'')
            word += "'\\''";
        else
            word += c;
    }
    return word + "'";
}

} // namespace

std::string command_line(const ArithInputs& in) {
    std::string line = "binora-cli --op ";
    line += operation_name(in.operation);
    line += " --kind ";
    line += command_word(*in.format);
    if (in.operation == Operation::convert) {
        line += " --from ";
        line += command_word(*in.source);
    }
    line += " --round ";
    line += rounding_name(in.rounding);
    const auto count = static_cast<std::size_t>(operand_count(in.operation));
    for (std::size_t i = 0; i < count; ++i) {
        line += ' ';
        line += quoted(trim_blanks(in.operands[i]));
    }
    return line;
}

void SUB_COPY(DIALOG_RECORD& dialog, int, int) {
    copy_to_clipboard(command_line(read_inputs(dialog)));
}

} // namespace binora
