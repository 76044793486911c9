// Whole user sessions on the main dialog without its window: the bytes are a sequence of user
// actions over every control a user can touch: typing, pasting, replacing and deleting text
// at any caret position in the value edit and the bit edits of the current kind, entering a
// bit edit, every kind, scope and language radio, the bulk and flip buttons, the Binary check
// box, the parameter rows, About and Info (closed with OK, Enter or Escape) and the summary
// (opened, saved or cancelled, closed). After every action it checks what must always hold:
// - exactly the current kind's bit edits are enabled, and each holds only "0", "1" and
//   blanks, never more characters than its field;
// - while X is the value rebuilt from the bit edits (from entering or editing a bit edit
//   until the value, the kind or the bits change otherwise): its storage word is the edits'
//   bits, the value edit shows X correctly rounded in its canonical form, the class text is
//   the class of those bits in the current language, and the parameter list is enabled
//   exactly when X is finite; rows 1 and 2 show E and the significand of the fields standing
//   in the edits, computed from the bits with exact rationals, and every other row selected
//   shows the read-out core's text for X's word (the neighbours in the Binary box's layout);
// - after 0's, 1's or 0 <--> 1 the class, the neighbour and the cursor read-outs are empty
//   and the Binary box unchecked (0's and 1's also show X as "0");
// - the file dialog asks to create exactly a file that does not exist yet; a save confirms
//   with the chosen path, and the file holds the summary in the current language and
//   nothing of an older file; a cancelled save shows nothing.
//
// The program is started once; each input starts from a snapshot of the shared state and of
// both dialog records taken right after start-up, which keeps the target fast.
//
// Input: actions, each an opcode byte (mod 8) and its operands:
//   0 type, 1 paste, 2 replace the text: edit byte, caret byte, length byte n, n text bytes
//   3 backspace: edit byte, caret byte, count byte (1 to 8 presses)
//   4 enter a bit edit: edit byte, caret byte
//   5 click: control byte (mod the clickable controls), answer byte (how About or Info is
//     closed: OK, Enter or Escape)
//   6 select a parameter row: row byte (mod 6)
//   7 summary, while it is open: action byte (mod 5): save to a new file, save over an older
//     and longer file, save cancelled, close with Enter, close with Escape
// An edit byte picks the value edit or a bit edit of the current kind (mod their count), a
// caret byte a position in the edit's text (mod its length + 1). Missing operands read 0.

#include "action_bytes.hpp"
#include "bitedit/bit_fields.hpp"
#include "bitedit/format_controls.hpp"
#include "current/current_x.hpp"
#include "dialog/dialog_events.hpp"
#include "dialog/dialog_operations.hpp"
#include "dialog/dialog_template.hpp"
#include "dialog/dialog_window.hpp"
#include "dialog/file_chooser.hpp"
#include "dialog/message_box.hpp"
#include "exact_checks.hpp"
#include "fuzz_check.hpp"
#include "main_dialog_checks.hpp"
#include "null_stream.hpp"
#include "numeric/storage_word.hpp"
#include "readout/parameter_rows.hpp"
#include "record_snapshot.hpp"
#include "resources/resource.hpp"
#include "shell/binora_globals.hpp"
#include "state/comun.hpp"
#include "testing/shown_text.hpp"
#include "testing/user_input.hpp"
#include "testing/windowless_program.hpp"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace {

using binora::fuzz::ActionBytes;
using binora::fuzz::check;
using binora::fuzz::RecordSnapshot;
namespace b = binora;

// How a modal dialog is closed: its OK button, Escape, or Enter.
enum class Closing { ok, escape, enter };

// A window that shows nothing: the About, Info and summary dialogs open and close through
// the dialog layer as on the screen, and a modal run is closed at once as the input chose.
class SilentWindow : public b::DialogWindow {
  public:
    SilentWindow(b::DIALOG_RECORD& record, const Closing& closing, bool& ended)
        : record_(record), closing_(closing), ended_(ended) {}
    void set_caption(const std::string&) override {}
    void push_control(const b::ControlRecord&) override {}
    void read_control(b::ControlRecord&) override {}
    void show(int) override {}
    void run_modal() override {
        ended_ = false;
        switch (closing_) {
        case Closing::ok:
            b::dialog_command(record_, b::IDOK);
            break;
        case Closing::escape:
            b::user_escape(record_);
            break;
        case Closing::enter:
            b::user_enter(record_);
            break;
        }
    }
    void end_modal() override { ended_ = true; }
    void set_window_icon(int) override {}
    void set_control_image(int, int) override {}

  private:
    b::DIALOG_RECORD& record_;
    const Closing& closing_;
    bool& ended_;
};

class SilentWindowSystem : public b::WindowSystem {
  public:
    std::unique_ptr<b::DialogWindow> create_window(b::DIALOG_RECORD& record, b::DialogWindow*,
                                                   bool) override {
        return std::make_unique<SilentWindow>(record, closing, modal_ended);
    }
    int run_message_loop() override { return 0; }
    void post_quit(int) override {}

    Closing closing = Closing::ok;
    bool modal_ended = false; // the last modal run was ended by its closing command
};

class Session {
  public:
    Session() : program_(b::Language::romanian, messages_) {
        check(program_.started(), "the program starts");
        b::set_window_system(&windows_);
        b::set_message_box_handler([this](const b::MessageBoxRequest& request) {
            check(!request.text.empty() && !request.caption.empty(), "a box says something");
            last_box_ = request;
            ++boxes_;
        });
        std::error_code ignored;
        const std::filesystem::path base = std::filesystem::is_directory("/dev/shm")
                                               ? std::filesystem::path("/dev/shm")
                                               : std::filesystem::temp_directory_path();
        std::string pattern = (base / "binora-session-fuzz-XXXXXX").string();
        check(::mkdtemp(pattern.data()) != nullptr, "a folder for saved files");
        save_folder_ = pattern;
        save_path_ = save_folder_ + "/summary.txt";
        b::set_save_file_handler(
            [this](const b::SaveFileRequest& request) { return choose_file(request); });
        start_ = b::COMUN;
        main_start_ = RecordSnapshot::of(main());
        summary_start_ = RecordSnapshot::of(summary());
    }

    ~Session() {
        std::error_code ignored;
        std::filesystem::remove_all(save_folder_, ignored);
    }

    // Back to the state right after start-up.
    void reset() {
        if (summary().window) b::DIALOG_EXIT(summary());
        b::COMUN = start_;
        main_start_.restore(main());
        summary_start_.restore(summary());
        rebuilt_ = false;
    }

    void run(const std::uint8_t* data, std::size_t size) {
        ActionBytes input(data, size);
        while (!input.done()) {
            act(input);
            check_state();
        }
    }

  private:
    static b::DIALOG_RECORD& main() { return b::BINORAGLOBALS.MAIN_DIALOG; }
    static b::DIALOG_RECORD& summary() { return b::BINORAGLOBALS.SUMMARY_DIALOG; }

    // The value edit or a bit edit of the current kind, with the caret placed.
    int pick_edit(ActionBytes& input) {
        const auto fields = b::controls_of(b::current_format()).fields();
        const std::size_t pick = input.byte() % (fields.size() + 1);
        const int edit = pick == 0 ? b::IDC_VALUE_X : fields[pick - 1].edit;
        const std::size_t length = find_control(main(), edit)->text.size();
        b::user_set_caret(main(), edit, static_cast<int>(input.byte() % (length + 1)));
        return edit;
    }

    // Whether typing `text` into `edit` changes it at least once: a number-only edit refuses
    // keys other than digits.
    static bool takes_a_key(int edit, std::string_view text) {
        const auto* source = find_control(main(), edit)->source;
        if ((source->style & b::STYLE_NUMBER) == 0) return !text.empty();
        return text.find_first_of("0123456789") != std::string_view::npos;
    }

    // After a change event of `edit`: a bit edit rebuilds X from the bits; a change of the
    // value edit leaves the read-outs of the old X cleared.
    void changed(int edit) { rebuilt_ = edit != b::IDC_VALUE_X; }

    void act(ActionBytes& input) {
        const int action = input.byte() % 8;
        switch (action) {
        case 0:
        case 1:
        case 2: {
            const int edit = pick_edit(input);
            const std::string_view text = input.text(input.byte());
            const bool done = action == 0   ? b::user_type(main(), edit, text)
                              : action == 1 ? b::user_paste(main(), edit, text)
                                            : b::user_replace_text(main(), edit, text);
            check(done, "an enabled edit takes text");
            if (action != 0 || takes_a_key(edit, text)) changed(edit);
            break;
        }
        case 3: {
            const int edit = pick_edit(input);
            const bool raises = find_control(main(), edit)->caret > 0;
            const int presses = input.byte() % 8 + 1;
            for (int i = 0; i < presses; ++i)
                check(b::user_backspace(main(), edit), "an enabled edit takes Backspace");
            if (raises) changed(edit);
            break;
        }
        case 4: {
            const auto fields = b::controls_of(b::current_format()).fields();
            const int edit = fields[input.byte() % fields.size()].edit;
            const std::size_t length = find_control(main(), edit)->text.size();
            b::user_set_caret(main(), edit, static_cast<int>(input.byte() % (length + 1)));
            check(b::user_focus(main(), edit), "a bit edit of the kind can be entered");
            rebuilt_ = true;
            break;
        }
        case 5: {
            const std::uint8_t control = input.byte();
            click(control, input.byte());
            break;
        }
        case 6: {
            const int row = input.byte() % 6 + 1;
            bool enabled = false;
            b::DIALOG_GET_FLAG(main(), b::IDC_PARAM_LIST, enabled, b::PROP_ENABLED);
            check(b::user_select_row(main(), b::IDC_PARAM_LIST, row) == enabled,
                  "a row can be selected exactly while the list is enabled");
            if (enabled && rebuilt_) check_row(row);
            break;
        }
        default:
            summary_action(input.byte());
            break;
        }
    }

    void click(std::uint8_t control, std::uint8_t answer) {
        constexpr int clickable[] = {
            b::IDC_KIND32,        b::IDC_KIND64,    b::IDC_KIND128,    b::IDC_ALL_FIELDS,
            b::IDC_CURRENT_FIELD, b::IDC_LANG_RO,   b::IDC_LANG_EN,    b::IDC_ZEROS,
            b::IDC_ONES,          b::IDC_FLIP,      b::IDC_BINARY_XPM, b::IDC_ABOUT,
            b::IDC_HELP_PARAM,    b::IDC_HELP_REPR,
        };
        const int id = clickable[control % std::size(clickable)];
        windows_.closing = static_cast<Closing>(answer % 3);
        windows_.modal_ended = false;
        const bool binary_box = id == b::IDC_BINARY_XPM;
        bool enabled = true;
        if (binary_box) b::DIALOG_GET_FLAG(main(), id, enabled, b::PROP_ENABLED);
        check(b::user_click(main(), id) == enabled, "an enabled control can be clicked");
        const bool keeps_x = id == b::IDC_ALL_FIELDS || id == b::IDC_CURRENT_FIELD ||
                             id == b::IDC_LANG_RO || id == b::IDC_LANG_EN || binary_box ||
                             id == b::IDC_ABOUT || id == b::IDC_HELP_PARAM ||
                             id == b::IDC_HELP_REPR;
        if (!keeps_x) rebuilt_ = false;
        if (id == b::IDC_ABOUT || id == b::IDC_HELP_PARAM)
            check(windows_.modal_ended, "OK, Escape and Enter close About and Info");
        if (id == b::IDC_HELP_REPR) check(summary().window != nullptr, "the summary is open");
        if (id == b::IDC_ZEROS || id == b::IDC_ONES || id == b::IDC_FLIP) check_read_outs_reset(id);
    }

    // The field that stands in the edits `parts`: each edit's digits (blanks left out, so a
    // short edit has fewer) as an integer, binary128's 48-bit part above its 64-bit part.
    static mpz_class edits_field(std::span<const b::BitField> parts) {
        mpz_class field = 0;
        for (const b::BitField& part : parts)
            field = (field << static_cast<mp_bitcnt_t>(part.bits)) +
                    b::fuzz::integer_of_bits(b::read_bit_field(main(), part));
        return field;
    }

    // Row 1 from X's bits and the exponent edit, apart from the core: E is the edit's
    // exponent field less the bias, or Emin when X's exponent field is all zeros; the caption
    // marks X's exponent field 00...0x with Emin, 11...1x with Emax.
    static void check_exponent_row(const b::FormatTraits& f, const std::string& bits) {
        const auto width = static_cast<std::size_t>(f.exponent_bits);
        const std::string exponent = bits.substr(1, width);
        const bool zeros = exponent.find('1') == std::string::npos;
        const long field = edits_field({&b::controls_of(f).exponent(), 1}).get_si();
        const long e = zeros ? 1 - f.bias : field - f.bias;
        const std::string head = exponent.substr(0, width - 1);
        const char* mark = head.find('1') == std::string::npos   ? " (Emin)"
                           : head.find('0') == std::string::npos ? " (Emax)"
                                                                 : " (E)";
        const char* words = b::COMUN.LANG == b::Language::english ? "Representation Exponent"
                                                                  : "Exponentul reprezentarii";
        check(b::shown_text(main(), b::IDC_NEAREST) == std::to_string(e) &&
                  b::shown_text(main(), b::IDC_NEAREST_LABEL) == std::string(words) + mark,
              "row 1 shows E of the exponent edit, Emin for a zero or subnormal X");
    }

    // Row 2 from X's bits and the significand edits, apart from the core: the edits' field
    // over 2^(the field's width), plus the hidden 1 for a normal X, correctly rounded in the
    // significand form of the format.
    static void check_significand_row(const b::FormatTraits& f, const std::string& bits) {
        const std::string exponent = bits.substr(1, static_cast<std::size_t>(f.exponent_bits));
        const bool hidden =
            exponent.find('1') != std::string::npos && exponent.find('0') != std::string::npos;
        const mpq_class fraction = mpq_class(edits_field(b::controls_of(f).significand())) *
                                   b::fuzz::power_of(2, -f.significand_bits);
        const mpq_class significand = hidden ? mpq_class(fraction + 1) : fraction;
        const char* caption =
            b::COMUN.LANG == b::Language::english ? "     Significand" : "     Semnificand";
        check(b::fuzz::is_rounded_form(b::shown_text(main(), b::IDC_NEAREST), significand, false,
                                       b::fuzz::significand_form_of_width(f.storage_bits)) &&
                  b::shown_text(main(), b::IDC_NEAREST_LABEL) == caption,
              "row 2 shows the significand of the significand edits");
    }

    // Row `row` of the parameter list, just selected while X is rebuilt from the bit edits:
    // rows 1 and 2 as computed apart from the core, the others the read-out core's text and
    // caption.
    void check_row(int row) {
        const b::FormatTraits& f = b::current_format();
        const b::Word128 word = b::word_of_x(f);
        const std::string bits = b::bit_string(word, f.storage_bits);
        if (row == 1) return check_exponent_row(f, bits);
        if (row == 2) return check_significand_row(f, bits);
        bool binary = false;
        b::DIALOG_GET_FLAG(main(), b::IDC_BINARY_XPM, binary, b::PROP_STATE);
        b::NumberText room;
        b::RowText expected;
        switch (row) {
        case 3:
            expected = b::ulp_row(f, word, room);
            break;
        case 4:
        case 5:
            expected = b::neighbour_row(f, word, row == 4, binary, b::COMUN.LANG, room);
            break;
        default:
            expected = b::epsilon_row(f);
            break;
        }
        check(b::shown_text(main(), b::IDC_NEAREST) == expected.text &&
                  b::shown_text(main(), b::IDC_NEAREST_LABEL) == expected.caption,
              "a parameter row shows the read-out core's text and caption");
    }

    // After a bulk button nothing on the screen belongs to the old bits any more; X itself
    // is rebuilt only when a bit edit is next changed or entered.
    void check_read_outs_reset(int button) {
        for (int id : {b::IDC_DATATYPE, b::IDC_NEAREST, b::IDC_NEAREST_LABEL, b::IDC_CURSOR_POS})
            check(b::shown_text(main(), id).empty(), "a bulk button empties the read-outs");
        bool binary = true;
        b::DIALOG_GET_FLAG(main(), b::IDC_BINARY_XPM, binary, b::PROP_STATE);
        check(!binary, "a bulk button unchecks the Binary box");
        if (button != b::IDC_FLIP)
            check(b::shown_text(main(), b::IDC_VALUE_X) == "0", "0's and 1's show X as 0");
    }

    // The file dialog as its user answers it: the chosen file, Yes to the question whether
    // to create it; nothing for a cancelled dialog.
    std::optional<std::string> choose_file(const b::SaveFileRequest& request) {
        if (!save_answer_) return std::nullopt;
        std::error_code ignored;
        const bool missing = !std::filesystem::exists(*save_answer_, ignored);
        check(b::question_before_choosing(request, *save_answer_).has_value() == missing,
              "the file dialog asks to create exactly a file that does not exist yet");
        return save_answer_;
    }

    void summary_action(std::uint8_t action) {
        if (!summary().window) return;
        switch (action % 5) {
        case 0:   // a new file
        case 1:   // over an older, longer file
        case 2: { // cancelled
            std::error_code ignored;
            std::filesystem::remove(save_path_, ignored);
            if (action % 5 == 1) std::ofstream(save_path_) << std::string(2000, 'x');
            save_answer_ = action % 5 != 2 ? std::optional<std::string>(save_path_) : std::nullopt;
            const std::size_t boxes = boxes_;
            b::dispatch_event(summary(), b::IDC_SAVE_TO_FILE, b::EVENT_CLICKED);
            if (!save_answer_) {
                check(boxes_ == boxes, "a cancelled save shows nothing");
                break;
            }
            check(boxes_ == boxes + 1 && last_box_.caption == "Saved to File" &&
                      last_box_.text == save_path_,
                  "a save is confirmed with its path");
            b::fuzz::check_saved_summary(save_path_);
            break;
        }
        case 3:
            b::user_enter(summary());
            check(!summary().window, "Enter closes the summary");
            break;
        default:
            b::user_escape(summary());
            check(!summary().window, "Escape closes the summary");
            break;
        }
    }

    void check_state() {
        const std::string joined = b::fuzz::check_bit_edits(main());
        if (rebuilt_) b::fuzz::check_rebuilt_value(main(), joined);
    }

    b::fuzz::NullStream messages_;
    b::WindowlessProgram program_;
    SilentWindowSystem windows_;
    b::MessageBoxRequest last_box_;
    std::size_t boxes_ = 0;
    std::string save_folder_;
    std::string save_path_;
    std::optional<std::string> save_answer_;
    b::Comun start_;
    RecordSnapshot main_start_;
    RecordSnapshot summary_start_;
    bool rebuilt_ = false;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Session session;
    session.reset();
    session.run(data, size);
    return 0;
}
