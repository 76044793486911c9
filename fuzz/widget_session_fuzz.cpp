// Whole user sessions on Binora's real window, offscreen: the bytes are user actions on the
// widgets themselves, sent as Qt key and mouse events: typing, Backspace and Delete, moving
// and selecting with Home, End, the arrows and Shift, cutting, copying, pasting (texts with
// blanks, letters, bytes of any value, very long texts) and undoing, Tab and Shift+Tab, Space
// and Enter on the focused control, clicks anywhere on every button, radio, check box, edit
// and list of the main dialog and of the summary, drags across edits, rows of the list by
// mouse and keyboard, and the close box of the active window. Modal windows (message boxes,
// About, Info) are answered from within their own event loop (modal_answerer.hpp); the file
// dialog of the summary's save is answered by its hook with a file in a temporary folder.
//
// After every action it checks what must always hold:
// - no modal window and no message box is left open; at most one box is open at a time;
// - every control's widget shows exactly its record's values (widget_checks.hpp), and no
//   write is pending;
// - the active window is the one the user works in, and the focus widget lies inside it;
// - the main dialog's records keep the properties the windowless session target checks
//   (main_dialog_checks.hpp): the bit edits, and, while X is the value rebuilt from the bits,
//   the class text, the canonical value and the parameter list.
// The routines that decide whether X is rebuilt from the bits are observed by wrapping them
// in the record: a bit edit's change or focus rebuilds it; the value edit, the kind radios
// and the bulk buttons replace it.
//
// The window is started once, as the program starts it; each input starts from the records
// and the shared state of right after start-up, pushed back into the same widgets (a new
// window only when the input closed the program), and runs inside the program's own message
// loop, so that the keyboard handling of the active modeless dialog sees every key.
// Nothing is painted while an input runs; at its end what it changed is painted, once, as
// the input left it (paint_hold.hpp).
//
// Input: the actions, then the answers, then one byte that counts the answers (all bytes
// before it when it counts more). Keeping the answers apart keeps the actions in step
// whether an action opens a box or not. Actions, each an opcode byte (mod 8) and its
// operands:
//   0 type: count byte (1 to 8), one byte per character (mod the typed characters)
//   1 key: key byte (mod the keys table)
//   2 click: control byte (mod the clickable controls of the open windows), position byte
//     (along the control), modifier byte (none, Shift, Ctrl)
//   3 paste: form byte (mod 5: input bytes, blanks, letters, long digits, long bits), length
//     byte (input bytes: as many text bytes follow), then Ctrl+V
//   4 parameter row: row byte (mod 6), way byte (mod 3: click, Ctrl+click, double click)
//   5 a close box: byte (0: the main window's, which ends the session; else the summary's
//     while it is open)
//   6 a key pressed repeatedly: key byte, count byte (1 to 16)
//   7 drag across an edit: edit byte (mod the edits of the open windows), from and to bytes
// Answers, one byte each, in the order they are asked for: a modal window's (mod 7, see
// modal_answerer.hpp), and the file dialog's of a save (mod 3: a new file, over an older and
// longer file, cancelled). Once they are used up, windows are closed and saves cancelled.

#include "action_bytes.hpp"
#include "action_trace.hpp"
#include "bitedit/format_controls.hpp"
#include "dialog/dialog_events.hpp"
#include "dialog/dialog_operations.hpp"
#include "dialog/file_chooser.hpp"
#include "dialog/qt/cp1252_codec.hpp"
#include "dialog/qt/dialog_widget.hpp"
#include "dialog/qt/qt_window_system.hpp"
#include "fuzz_check.hpp"
#include "main_dialog_checks.hpp"
#include "modal_answerer.hpp"
#include "paint_hold.hpp"
#include "qt_keys.hpp"
#include "record_snapshot.hpp"
#include "resources/resource.hpp"
#include "resources/templates.hpp"
#include "shell/binora_globals.hpp"
#include "startup/start_up.hpp"
#include "state/comun.hpp"
#include "widget_checks.hpp"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QWindow>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

namespace b = binora;
using b::fuzz::ActionBytes;
using b::fuzz::check;
using b::fuzz::trace;

// Event-loop turns a window may take to become active when the window system activates it.
constexpr int ACTIVATION_TURNS = 50;

using b::fuzz::CTRL;
using b::fuzz::Key;
using b::fuzz::key_of;
using b::fuzz::NONE;
using b::fuzz::quiet_qt_messages;
using b::fuzz::SHIFT;

// clang-format off
constexpr Key keys[] = {
    {Qt::Key_Backspace, NONE}, {Qt::Key_Delete, NONE}, {Qt::Key_Home, NONE}, {Qt::Key_End, NONE},
    {Qt::Key_Left, NONE}, {Qt::Key_Right, NONE}, {Qt::Key_Up, NONE}, {Qt::Key_Down, NONE},
    {Qt::Key_PageUp, NONE}, {Qt::Key_PageDown, NONE},
    {Qt::Key_Left, SHIFT}, {Qt::Key_Right, SHIFT}, {Qt::Key_Home, SHIFT}, {Qt::Key_End, SHIFT},
    {Qt::Key_Left, CTRL}, {Qt::Key_Right, CTRL}, {Qt::Key_Backspace, CTRL}, {Qt::Key_Delete, CTRL},
    {Qt::Key_A, CTRL}, {Qt::Key_X, CTRL}, {Qt::Key_C, CTRL}, {Qt::Key_V, CTRL}, {Qt::Key_Z, CTRL},
    {Qt::Key_Z, CTRL | SHIFT}, {Qt::Key_Insert, SHIFT}, {Qt::Key_Delete, SHIFT},
    {Qt::Key_Tab, NONE}, {Qt::Key_Backtab, SHIFT}, {Qt::Key_Space, NONE}, {Qt::Key_Return, NONE},
    {Qt::Key_Enter, Qt::KeypadModifier}, {Qt::Key_Escape, NONE},
};
// clang-format on

// What the user types, in UTF-8: bits and digits most, the letters of exponents,
// infinities and NaNs, signs, blanks, and characters beyond ASCII (in the code page, outside
// it, and outside the basic plane).
// clang-format off
constexpr const char* typed_utf8[] = {
    "0", "1", "0", "1", "0", "1", "2", "5", "9", ".", ",", "-", "+", "e", "E", "d",
    "D", "i", "n", "f", "a", "t", "y", "I", "N", "x", " ",
    "\xc3\xa9", "\xc4\x83", "\xe2\x82\xac", "\xf0\x9f\x98\x80",
};
// clang-format on

// A text for the clipboard, of one of five forms.
QString pasted_text(ActionBytes& input) {
    const int form = input.byte() % 5;
    const int length = input.byte();
    switch (form) {
    case 0:
        return b::from_cp1252(input.text(static_cast<std::size_t>(length)));
    case 1:
        return QString(length + 1, QLatin1Char(' '));
    case 2:
        return QStringLiteral("abcdefghijklmnopqrstuvwxyz").left(length % 26 + 1);
    default: {
        const QString unit = form == 3 ? QStringLiteral("1234567890") : QStringLiteral("01");
        return unit.repeated((length + 1) * 64 / static_cast<int>(unit.size()));
    }
    }
}

b::DIALOG_RECORD& main_dialog() {
    return b::BINORAGLOBALS.MAIN_DIALOG;
}

b::DIALOG_RECORD& summary_dialog() {
    return b::BINORAGLOBALS.SUMMARY_DIALOG;
}

QString name_of(const Key& key) {
    return QKeySequence(key.key | key.modifiers).toString();
}

// "main 1007": the dialog and control id of a control's widget.
QString id_of(const QWidget& widget) {
    for (b::DIALOG_RECORD* record : {&main_dialog(), &summary_dialog()})
        for (const auto& control : record->controls)
            if (b::fuzz::control_widget_of(*record, control.id) == &widget)
                return QStringLiteral("%1 %2")
                    .arg(record == &main_dialog() ? "main" : "summary")
                    .arg(control.id);
    return QStringLiteral("?");
}

// A temporary folder for the saved summaries, removed with everything in it at exit.
class SaveFolder {
  public:
    SaveFolder() {
        const std::filesystem::path base = std::filesystem::is_directory("/dev/shm")
                                               ? std::filesystem::path("/dev/shm")
                                               : std::filesystem::temp_directory_path();
        std::string pattern = (base / "binora-widget-fuzz-XXXXXX").string();
        check(::mkdtemp(pattern.data()) != nullptr, "a folder for saved files");
        path_ = pattern;
    }
    ~SaveFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    SaveFolder(const SaveFolder&) = delete;
    SaveFolder& operator=(const SaveFolder&) = delete;

    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

class WidgetSession {
  public:
    explicit WidgetSession(const SaveFolder& folder)
        : answerer_([this](QWidget& modal) { look_at_modal(modal); }),
          save_path_(folder.path() + "/summary.txt") {
        b::install_qt_dialog_layer();
        b::set_save_file_handler(
            [this](const b::SaveFileRequest& request) { return choose_file(request); });

        b::reset_shared_state();
        b::reset_shell_state();
        b::install_program_resources();
        check(b::build_program_records(), "the program starts");
        observe_routines();
        show_main_window();
        start_ = b::COMUN;
        main_start_ = b::fuzz::RecordSnapshot::of(main_dialog());
        summary_start_ = b::fuzz::RecordSnapshot::of(summary_dialog());
        start_focus_ = focused_control_index();
        check_state();
    }

    WidgetSession(const WidgetSession&) = delete;
    WidgetSession& operator=(const WidgetSession&) = delete;

    // Back to the state right after start-up, in the same window when it is still open.
    // The windows are not painted from here to the end of the input (see run).
    void reset() {
        paints_.hold();
        if (summary_dialog().window) b::DIALOG_EXIT(summary_dialog());
        // Controls whose values the input did not change show them still (the checks after
        // each action hold the widgets to the records): only the others and the edits (for
        // their caret and undo history) are pushed again.
        std::vector<bool> changed;
        for (std::size_t i = 0; i < main_dialog().controls.size(); ++i)
            changed.push_back(!same_values(main_dialog().controls[i], main_start_.controls[i]));
        b::COMUN = start_;
        main_start_.restore(main_dialog());
        summary_start_.restore(summary_dialog());
        rebuilt_ = false;
        QGuiApplication::clipboard()->clear();
        if (!main_dialog().window) {
            show_main_window();
            return;
        }
        for (std::size_t i = 0; i < main_dialog().controls.size(); ++i) {
            auto& control = main_dialog().controls[i];
            if (auto* edit = qobject_cast<QLineEdit*>(control_widget(control))) {
                const QSignalBlocker quiet(edit);
                edit->setText(QString()); // forgets what Ctrl+Z would undo
                control.dirty = true;
            }
            if (changed[i]) control.dirty = true;
        }
        b::DIALOG_FLUSH(main_dialog());
        b::DIALOG_SET_TITLE(main_dialog(), main_dialog().caption);
        if (auto* list = qobject_cast<QListWidget*>(
                b::fuzz::control_widget_of(main_dialog(), b::IDC_PARAM_LIST)))
            list->scrollToTop();
        QWidget* focus = control_widget(start_focus_);
        if (focus != nullptr)
            focus->setFocus(Qt::OtherFocusReason);
        else if (QWidget* current = main_window()->focusWidget())
            current->clearFocus();
        working_ = main_window();
        activate(*main_window());
    }

    // The actions of one input, inside the program's message loop; then what they changed is
    // painted once, as the input left it.
    void run(const std::uint8_t* data, std::size_t size) {
        const std::size_t answer_count =
            size > 0 ? std::min<std::size_t>(data[size - 1], size - 1) : 0;
        const std::size_t action_count = size > 0 ? size - 1 - answer_count : 0;
        ActionBytes input(data, action_count);
        ActionBytes answers(data + action_count, answer_count);
        answers_ = &answers;
        answerer_.answer_from(&answers);
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [this, &input] {
                while (!input.done() && main_dialog().window) {
                    act(input);
                    settle();
                    check_state();
                }
                // Closing the main window has ended the loop already.
                if (main_dialog().window) b::post_quit_message(0);
            },
            Qt::QueuedConnection);
        check(b::run_message_loop() == 0, "the message loop ends with exit code 0");
        answerer_.answer_from(nullptr);
        answers_ = nullptr;
        paints_.release();
        if (!main_dialog().window)
            check(!summary_dialog().window, "closing the main window closes the summary");
    }

  private:
    // Whether two records of a control hold the same values (the routines aside).
    static bool same_values(const b::ControlRecord& x, const b::ControlRecord& y) {
        return x.enabled == y.enabled && x.visible == y.visible && x.state == y.state &&
               x.text == y.text && x.items == y.items && x.selection == y.selection;
    }

    static QWidget* main_window() { return b::fuzz::window_of(main_dialog()); }

    QWidget* control_widget(const b::ControlRecord& control) {
        return control_widget(static_cast<int>(&control - main_dialog().controls.data()));
    }
    static QWidget* control_widget(int index) {
        const b::DialogWidget* window = b::fuzz::window_of(main_dialog());
        return window != nullptr ? window->control_widget(index) : nullptr;
    }
    static int focused_control_index() {
        const b::DialogWidget* window = b::fuzz::window_of(main_dialog());
        if (window == nullptr) return -1;
        for (std::size_t i = 0; i < main_dialog().controls.size(); ++i)
            if (window->control_widget(static_cast<int>(i)) == window->focusWidget())
                return static_cast<int>(i);
        return -1;
    }

    void show_main_window() {
        check(b::DIALOG_SHOW_MODELESS(main_dialog(), b::SW_SHOWNORMAL), "the main window opens");
        working_ = main_window();
        activate(*main_window());
    }

    // What the window system does when a window is to become active: it activates it, and
    // the application hears of it on its next turns of the event loop.
    static void activate(QWidget& window) {
        if (QApplication::activeWindow() == &window) return;
        window.activateWindow();
        for (int turn = 0; turn < ACTIVATION_TURNS && QApplication::activeWindow() != &window;
             ++turn)
            QCoreApplication::processEvents();
        check(QApplication::activeWindow() == &window, "a window the user turns to becomes active");
    }

    // The event loop's pending work done, as between two actions of a user; a window that
    // lost the activation by a closing window gets it back, as the window system gives it
    // back to the window the user worked in before.
    void settle() {
        QCoreApplication::processEvents();
        if (!main_dialog().window) return;
        QWidget* active = QApplication::activeWindow();
        if (active != nullptr && active->isVisible()) {
            working_ = active;
            return;
        }
        if (working_ == nullptr || !working_->isVisible()) working_ = main_window();
        activate(*working_);
    }

    // Wraps the routines that decide whether X is the value rebuilt from the bit edits.
    void observe_routines() {
        const auto observe = [this](int id, int event, bool rebuilds) {
            b::ControlRecord* control = b::find_control(main_dialog(), id);
            check(control != nullptr, "an observed control exists");
            for (auto& [slot_event, routine] : control->routines)
                if (slot_event == event && routine)
                    routine = [this, rebuilds, original = routine](b::DIALOG_RECORD& dialog,
                                                                   int control_id, int kind) {
                        rebuilt_ = rebuilds;
                        original(dialog, control_id, kind);
                    };
        };
        observe(b::IDC_VALUE_X, b::EVENT_CHANGED, false);
        for (const auto& format : b::FORMAT_CONTROLS) {
            observe(format.kind_radio, b::EVENT_CLICKED, false);
            for (const auto& field : format.fields()) {
                observe(field.edit, b::EVENT_CHANGED, true);
                observe(field.edit, b::EVENT_FOCUS_GAINED, true);
            }
        }
        for (int id : {b::IDC_ZEROS, b::IDC_ONES, b::IDC_FLIP})
            observe(id, b::EVENT_CLICKED, false);
    }

    // The controls of the open windows a user can point at, in template order, main dialog
    // first; only edits when `edits_only`.
    static std::vector<QWidget*> pointable(bool edits_only) {
        std::vector<QWidget*> widgets;
        for (b::DIALOG_RECORD* record : {&main_dialog(), &summary_dialog()}) {
            const b::DialogWidget* window = b::fuzz::window_of(*record);
            if (window == nullptr) continue;
            for (std::size_t i = 0; i < record->controls.size(); ++i) {
                const b::ControlKind kind = record->controls[i].kind;
                const bool edit = kind == b::ControlKind::Edit;
                const bool other =
                    kind == b::ControlKind::PushButton || kind == b::ControlKind::CheckBox ||
                    kind == b::ControlKind::RadioButton || kind == b::ControlKind::ListBox;
                QWidget* widget = window->control_widget(static_cast<int>(i));
                if (widget != nullptr && widget->isVisible() && (edit || (!edits_only && other)))
                    widgets.push_back(widget);
            }
        }
        return widgets;
    }

    // The point `position` (0-255) along the widget, half-way down; in a list, the point of
    // its viewport at that height.
    static QPoint point_along(const QWidget& widget, std::uint8_t position) {
        return {std::max(1, widget.width() - 2) * position / 255 + 1, widget.height() / 2};
    }

    // The window system gives a click to the window under the pointer: it activates it first.
    void point_at(QWidget& widget) {
        QWidget* window = widget.window();
        if (QApplication::activeWindow() != window) activate(*window);
        working_ = window;
    }

    static Qt::KeyboardModifiers modifier(std::uint8_t byte) {
        constexpr Qt::KeyboardModifiers modifiers[] = {NONE, SHIFT, CTRL};
        return modifiers[byte % 3];
    }

    // A key pressed and released in the window the user works in, delivered to its focus
    // widget as the window system delivers it; first the event loop catches up, as between
    // two keys of a user (a box closed by the previous key gives the activation back).
    void press(Qt::Key key, const QString& text, Qt::KeyboardModifiers modifiers) {
        settle();
        if (!main_dialog().window) return;
        if (QWindow* window = QGuiApplication::focusWindow())
            watched([&] { QTest::sendKeyEvent(QTest::Click, window, key, text, modifiers); });
    }
    void press(const Key& key) {
        const char ascii = QTest::keyToAscii(key.key);
        press(key.key, ascii != 0 ? QString(QLatin1Char(ascii)) : QString(), key.modifiers);
    }

    void act(ActionBytes& input) {
        switch (input.byte() % 8) {
        case 0: {
            const int count = input.byte() % 8 + 1;
            for (int i = 0; i < count && main_dialog().window; ++i) {
                const QString c =
                    QString::fromUtf8(typed_utf8[input.byte() % std::size(typed_utf8)]);
                trace(QStringLiteral("type \"%1\"").arg(c));
                press(key_of(c.front()), c, NONE);
            }
            break;
        }
        case 1: {
            const Key& key = keys[input.byte() % std::size(keys)];
            trace(QStringLiteral("key ") + name_of(key));
            press(key);
            break;
        }
        case 2: {
            const std::vector<QWidget*> widgets = pointable(false);
            QWidget* widget = widgets[input.byte() % widgets.size()];
            const std::uint8_t position = input.byte();
            const Qt::KeyboardModifiers modifiers = modifier(input.byte());
            trace(QStringLiteral("click %1 at %2/255, modifiers %3")
                      .arg(id_of(*widget))
                      .arg(position)
                      .arg(modifiers.toInt()));
            point_at(*widget);
            if (auto* list = qobject_cast<QListWidget*>(widget)) {
                QWidget* viewport = list->viewport();
                const QPoint at(viewport->width() / 2, viewport->height() * position / 256);
                watched([&] { QTest::mouseClick(viewport, Qt::LeftButton, modifiers, at); });
            } else {
                watched([&] {
                    QTest::mouseClick(widget, Qt::LeftButton, modifiers,
                                      point_along(*widget, position));
                });
            }
            break;
        }
        case 3: {
            const QString text = pasted_text(input);
            trace(QStringLiteral("paste \"%1\"").arg(text.left(40)) +
                  (text.size() > 40 ? QStringLiteral("... (%1 characters)").arg(text.size())
                                    : QString()));
            QGuiApplication::clipboard()->setText(text);
            press(Qt::Key_V, QString(), CTRL);
            break;
        }
        case 4: {
            const int row = input.byte() % 6;
            const int way = input.byte() % 3;
            trace(QStringLiteral("row %1, way %2").arg(row + 1).arg(way));
            select_row(row, way);
            break;
        }
        case 5: {
            const std::uint8_t which = input.byte();
            trace(QStringLiteral("close box ") +
                  (which == 0 ? "of the main window" : "of the summary"));
            close_box(which);
            break;
        }
        case 6: {
            const Key& key = keys[input.byte() % std::size(keys)];
            const int count = input.byte() % 16 + 1;
            trace(QStringLiteral("key %1, %2 times").arg(name_of(key)).arg(count));
            for (int i = 0; i < count && main_dialog().window; ++i)
                press(key);
            break;
        }
        default: {
            const std::vector<QWidget*> edits = pointable(true);
            QWidget* edit = edits[input.byte() % edits.size()];
            const std::uint8_t from_byte = input.byte();
            const std::uint8_t to_byte = input.byte();
            trace(QStringLiteral("drag across %1 from %2/255 to %3/255")
                      .arg(id_of(*edit))
                      .arg(from_byte)
                      .arg(to_byte));
            const QPoint from = point_along(*edit, from_byte);
            const QPoint to = point_along(*edit, to_byte);
            point_at(*edit);
            watched([&] { QTest::mousePress(edit, Qt::LeftButton, NONE, from); });
            QTest::mouseMove(edit, to); // moves the selection's end: the user's alone
            QTest::mouseRelease(edit, Qt::LeftButton, NONE, to);
            break;
        }
        }
    }

    // A key press or click, with the carets of the main dialog's edits checked across it.
    template <class Event> void watched(const Event& event) {
        carets_.note(main_dialog());
        event();
        carets_.check_moved(main_dialog());
    }

    // The close box of the summary, or for a zero byte of the main window (which ends the
    // session, hence rarely).
    static void close_box(std::uint8_t byte) {
        QWidget* summary = b::fuzz::window_of(summary_dialog());
        QWidget* window = byte == 0 ? main_window() : summary;
        if (window != nullptr && window->windowHandle() != nullptr) window->windowHandle()->close();
    }

    // A row of the parameter list chosen with the mouse, scrolled into view first as with
    // the list's scroll bar.
    void select_row(int row, int way) {
        auto* list = qobject_cast<QListWidget*>(
            b::fuzz::control_widget_of(main_dialog(), b::IDC_PARAM_LIST));
        QListWidgetItem* item = list != nullptr ? list->item(row) : nullptr;
        if (item == nullptr) return;
        point_at(*list);
        list->scrollToItem(item);
        const QPoint at = list->visualItemRect(item).center();
        if (way == 2) { // as the window system reports a double click
            QTest::mouseClick(list->viewport(), Qt::LeftButton, NONE, at);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, NONE, at);
            QTest::mouseRelease(list->viewport(), Qt::LeftButton, NONE, at);
        } else {
            QTest::mouseClick(list->viewport(), Qt::LeftButton, way == 1 ? CTRL : NONE, at);
        }
    }

    // The file dialog as its user answers it: a new file, an older and longer file to
    // replace, or cancelled.
    std::optional<std::string> choose_file(const b::SaveFileRequest&) {
        const int answer = answers_ != nullptr && !answers_->done() ? answers_->byte() % 3 : 2;
        constexpr const char* answers[] = {"a new file", "an older, longer file", "cancelled"};
        trace(QStringLiteral("save file dialog: ") + answers[answer]);
        std::error_code ignored;
        std::filesystem::remove(save_path_, ignored);
        if (answer == 1) std::ofstream(save_path_) << std::string(2000, 'x');
        if (answer == 2) return std::nullopt;
        saved_ = true;
        return save_path_;
    }

    // A modal window that has just become active, before its user answers it.
    void look_at_modal(QWidget& modal) {
        check(b::fuzz::open_message_boxes() <= 1, "at most one message box is open");
        b::fuzz::check_focus(&modal);
        if (auto* box = qobject_cast<QMessageBox*>(&modal)) {
            check(!box->text().isEmpty() && !box->windowTitle().isEmpty(), "a box says something");
            if (saved_ && box->windowTitle() == QStringLiteral("Saved to File"))
                b::fuzz::check_saved_summary(save_path_);
            saved_ = false;
        } else if (auto* dialog = dynamic_cast<b::DialogWidget*>(&modal)) {
            check(dialog->record() != nullptr, "a modal dialog has its record");
            b::fuzz::check_widgets_show_record(*dialog->record());
        }
    }

    void check_state() {
        b::fuzz::check_no_modal_open();
        b::fuzz::check_widgets_show_record(main_dialog());
        b::fuzz::check_widgets_show_record(summary_dialog());
        if (main_dialog().window) b::fuzz::check_focus(working_);
        const std::string joined = b::fuzz::check_bit_edits(main_dialog());
        if (rebuilt_) b::fuzz::check_rebuilt_value(main_dialog(), joined);
    }

    b::fuzz::ModalAnswerer answerer_;
    b::fuzz::PaintHold paints_;
    b::fuzz::EditCarets carets_;
    ActionBytes* answers_ = nullptr; // the answers of the input being run
    std::string save_path_;
    bool saved_ = false;
    b::Comun start_;
    b::fuzz::RecordSnapshot main_start_;
    b::fuzz::RecordSnapshot summary_start_;
    int start_focus_ = -1;
    QPointer<QWidget> working_; // the window the user works in
    bool rebuilt_ = false;
};

// At exit the records still hold their windows, and Qt's own statics go in no fixed order
// with the records: the windows are kept from being destroyed (the process ends with them,
// as the program's ends with its windows left to the system).
void leave_windows_to_the_system() {
    static auto* kept = new std::vector<std::unique_ptr<b::DialogWindow>>;
    for (b::DIALOG_RECORD* record : {&summary_dialog(), &main_dialog()})
        if (record->window) kept->push_back(std::move(record->window));
}

} // namespace

// Fontconfig, under Qt's font matching, keeps memory it no longer points to; the leak
// checks look at the program's own allocations.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quiet_qt_messages);
    // Lives as long as the process, like the program's windows.
    new QApplication(*argc, *argv);
    std::atexit(leave_windows_to_the_system);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const SaveFolder folder;
    // Never destroyed, like the windows it drives (see leave_windows_to_the_system).
    static auto* session = new WidgetSession(folder);
    session->reset();
    session->run(data, size);
    return 0;
}
