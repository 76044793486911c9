#pragma once

// A windowless main dialog with the shared state as start-up leaves it (binary32, Romanian)
// and message boxes recorded instead of shown.

#include "dialog/dialog_operations.hpp"
#include "dialog/message_box.hpp"
#include "engine/storage_word.hpp"
#include "model/comun.hpp"
#include "model/fixed_text.hpp"
#include "model/format_traits.hpp"
#include "shell/resources/resource.hpp"
#include "shell/resources/templates.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace binora {

class MainDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        install_program_resources();
        ASSERT_TRUE(DIALOG_INIT(IDD_MAIN, dialog));
        reset_shared_state();
        COMUN.KIND_REAL = 4;
        COMUN.LANG = LANG_ROMANIAN;
        COMUN.LANG_RO = true;
        COMUN.STR_0 = repeat('0', BIT_SOURCE_LENGTH);
        COMUN.STR_1 = repeat('1', BIT_SOURCE_LENGTH);
        previous_handler = set_message_box_handler(
            [this](const MessageBoxRequest& request) { boxes.push_back(request); });
    }

    void TearDown() override {
        set_message_box_handler(previous_handler);
        DIALOG_RELEASE(dialog);
    }

    std::string text(int id) {
        const ControlRecord* control = find_control(dialog, id);
        return control == nullptr ? "<no control>" : control->text;
    }

    // The sign, exponent and significand edits of `kind` joined, as hex.
    std::string shown_hex(int kind) {
        const FormatTraits& f = format_of(kind);
        std::string bits = text(f.sign_edit) + text(f.exponent_edit);
        for (int i = 0; i < f.significand_edit_count(); ++i)
            bits += text(f.significand_edits[static_cast<std::size_t>(i)]);
        if (bits.size() != static_cast<std::size_t>(f.storage_bits)) return "bad length " + bits;
        return hex_string(word_from_bit_string(bits), f.storage_bits);
    }

    // Writes the fields of the storage word into the edits of `kind`.
    void show_word(int kind, Word128 word) {
        const FormatTraits& f = format_of(kind);
        const std::string bits = bit_string(word, f.storage_bits);
        DIALOG_SET_TEXT(dialog, f.sign_edit, bits.substr(0, 1));
        DIALOG_SET_TEXT(dialog, f.exponent_edit,
                        bits.substr(1, static_cast<std::size_t>(f.exponent_bits)));
        std::size_t at = 1 + static_cast<std::size_t>(f.exponent_bits);
        for (int i = 0; i < f.significand_edit_count(); ++i) {
            const auto width =
                static_cast<std::size_t>(f.significand_edit_bits[static_cast<std::size_t>(i)]);
            DIALOG_SET_TEXT(dialog, f.significand_edits[static_cast<std::size_t>(i)],
                            bits.substr(at, width));
            at += width;
        }
    }

    // Every control's text, for checking that nothing else changed.
    std::vector<std::string> all_texts() {
        std::vector<std::string> texts;
        for (const auto& control : dialog.controls)
            texts.push_back(control.text);
        return texts;
    }

    DIALOG_RECORD dialog;
    std::vector<MessageBoxRequest> boxes;
    MessageBoxHandler previous_handler;
};

inline Word128 word128(std::uint64_t high, std::uint64_t low) {
    return (static_cast<Word128>(high) << 64) | low;
}

} // namespace binora
