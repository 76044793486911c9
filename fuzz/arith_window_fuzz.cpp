// Whole user sessions on binora-arith's real window, offscreen: the bytes are user actions on
// its widgets, sent as Qt key and mouse events: typing operands (digits, points, exponents,
// signs, infinities and NaNs, "0x" words, characters beyond ASCII), editing keys, Tab and
// Shift+Tab, Space and Enter, pastes, clicks on every button, radio, edit, indicator and row of
// the table, the drop-down lists moved with the keyboard, mnemonics with Alt, and the close
// box. Each input starts from a window as binora-arith opens it, inside the program's own
// message loop.
//
// After every action it checks what must always hold:
// - no modal window and no message box is open: typing never brings a box (a drop-down list's
//   pop-up, opened with the keyboard, is closed before the checks, as its user closes it);
// - every control's widget shows exactly its record's values (widget_checks.hpp);
// - the window is the active one and the focus lies inside it;
// - the read-outs agree with each other: a result is shown exactly when the copy button is
//   enabled, then the table's marked row holds the result's word, value and flags and the
//   indicators are lit as that row's flags say, and the number line has marks or says why
//   not; while the results wait, every result read-out is empty and no flag is lit.
//
// Input: the actions, each an opcode byte (mod 8) and its operands:
//   0 type: count byte (1 to 8), one byte per character (mod the typed characters)
//   1 key: key byte (mod the keys table)
//   2 click: control byte (mod the clickable controls), position byte (along it)
//   3 paste: length byte, then as many text bytes
//   4 a drop-down list moved: list byte (format, operation, source, lesson), count byte (the
//     steps, up when odd)
//   5 a row of the table: row byte (mod 5)
//   6 a mnemonic: key byte (mod the mnemonics table)
//   7 the close box, for a zero byte (which ends the session)

#include "action_bytes.hpp"
#include "action_trace.hpp"
#include "arithwindow/arith_start_up.hpp"
#include "arithwindow/arith_state.hpp"
#include "dialog/dialog_events.hpp"
#include "dialog/dialog_operations.hpp"
#include "dialog/qt/cp1252_codec.hpp"
#include "dialog/qt/dialog_widget.hpp"
#include "dialog/qt/qt_window_system.hpp"
#include "fuzz_check.hpp"
#include "paint_hold.hpp"
#include "qt_keys.hpp"
#include "resources/resource.hpp"
#include "resources/templates.hpp"
#include "widget_checks.hpp"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>
#include <QWindow>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

namespace b = binora;
using b::fuzz::ActionBytes;
using b::fuzz::check;
using b::fuzz::trace;

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
    {Qt::Key_Left, SHIFT}, {Qt::Key_End, SHIFT}, {Qt::Key_A, CTRL}, {Qt::Key_X, CTRL},
    {Qt::Key_C, CTRL}, {Qt::Key_V, CTRL}, {Qt::Key_Z, CTRL}, {Qt::Key_Tab, NONE},
    {Qt::Key_Backtab, SHIFT}, {Qt::Key_Space, NONE}, {Qt::Key_Return, NONE}, {Qt::Key_Escape, NONE},
    {Qt::Key_PageUp, NONE}, {Qt::Key_PageDown, NONE},
};
// What the user types into an operand, in UTF-8.
constexpr const char* typed_utf8[] = {
    "0", "1", "2", "3", "5", "9", ".", "e", "E", "-", "+", "x", "X", "p", "i", "n", "f", "a",
    "F", "D", " ", ",", "\xc3\xa9", "\xe2\x82\xac",
};
// The mnemonics of both languages and the digits of the directions; not H and X, which close
// the window in one language (the close box has its own action).
constexpr Qt::Key mnemonics[] = {
    Qt::Key_A, Qt::Key_B, Qt::Key_C, Qt::Key_F, Qt::Key_O, Qt::Key_M, Qt::Key_D, Qt::Key_L,
    Qt::Key_P, Qt::Key_R, Qt::Key_E, Qt::Key_T, Qt::Key_U, Qt::Key_Z, Qt::Key_G, Qt::Key_I,
    Qt::Key_S, Qt::Key_N, Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5, Qt::Key_V,
    Qt::Key_Y,
};
// clang-format on

constexpr std::array<int, 4> LISTS = {b::IDC_AR_FORMAT, b::IDC_AR_OPERATION, b::IDC_AR_SOURCE,
                                      b::IDC_AR_LESSON};
constexpr std::array<int, 5> FLAGS = {b::IDC_AR_INVALID, b::IDC_AR_DIVBYZERO, b::IDC_AR_OVERFLOW,
                                      b::IDC_AR_UNDERFLOW, b::IDC_AR_INEXACT};
constexpr std::array<const char*, 5> FLAG_NAMES = {"invalid", "divbyzero", "overflow", "underflow",
                                                   "inexact"};

b::DIALOG_RECORD& dialog() {
    return b::ARITH.ARITH_DIALOG;
}

QWidget* widget(int id) {
    return b::fuzz::control_widget_of(dialog(), id);
}

QWidget* window() {
    return b::fuzz::window_of(dialog());
}

std::string text_of(int id) {
    const b::ControlRecord* control = b::find_control(dialog(), id);
    return control != nullptr ? control->text : std::string();
}

class ArithSession {
  public:
    // A window as binora-arith opens it.
    void start() {
        paints_.hold();
        // The window of the last input goes without ending a message loop: none runs now.
        dialog().dialog_routine = nullptr;
        b::reset_arith_state();
        QGuiApplication::clipboard()->clear();
        b::install_program_resources();
        check(b::build_arith_record(b::Language::english), "the window's record is built");
        check(b::DIALOG_SHOW_MODELESS(dialog(), b::SW_SHOWNORMAL), "the window opens");
        activate();
        check_state();
    }

    void run(const std::uint8_t* data, std::size_t size) {
        ActionBytes input(data, size);
        const auto running = std::make_shared<bool>(true); // the actions run in this loop only
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [this, &input, running] {
                if (!*running) return;
                while (!input.done() && dialog().window) {
                    act(input);
                    QCoreApplication::processEvents();
                    if (!dialog().window) break;
                    check_state();
                }
                if (dialog().window) b::post_quit_message(0);
            },
            Qt::QueuedConnection);
        check(b::run_message_loop() == 0, "the message loop ends with exit code 0");
        *running = false;
        paints_.release();
    }

  private:
    static void activate() {
        QWidget* w = window();
        if (w == nullptr || QApplication::activeWindow() == w) return;
        w->activateWindow();
        for (int turn = 0; turn < ACTIVATION_TURNS && QApplication::activeWindow() != w; ++turn)
            QCoreApplication::processEvents();
        check(QApplication::activeWindow() == w, "the window becomes active");
    }

    static void press(Qt::Key key, const QString& text, Qt::KeyboardModifiers modifiers) {
        QCoreApplication::processEvents();
        if (!dialog().window) return;
        activate();
        if (QWindow* focus = QGuiApplication::focusWindow())
            QTest::sendKeyEvent(QTest::Click, focus, key, text, modifiers);
    }
    static void press(const Key& key) {
        const char ascii = QTest::keyToAscii(key.key);
        press(key.key, ascii != 0 ? QString(QLatin1Char(ascii)) : QString(), key.modifiers);
    }

    // The controls a click may land on: every enabled edit, button, radio and indicator, the
    // table and the number line (a drop-down list is moved with the keyboard: its pop-up is a
    // window of Qt's own).
    static std::vector<QWidget*> clickable() {
        std::vector<QWidget*> widgets;
        for (const b::ControlRecord& control : dialog().controls) {
            if (control.kind == b::ControlKind::Static ||
                control.kind == b::ControlKind::GroupBox ||
                control.kind == b::ControlKind::ComboBox)
                continue;
            QWidget* w = widget(control.id);
            if (w != nullptr && w->isVisible()) widgets.push_back(w);
        }
        return widgets;
    }

    void act(ActionBytes& input) {
        switch (input.byte() % 8) {
        case 0: {
            const int count = input.byte() % 8 + 1;
            for (int i = 0; i < count && dialog().window; ++i) {
                const QString c =
                    QString::fromUtf8(typed_utf8[input.byte() % std::size(typed_utf8)]);
                trace(QStringLiteral("type \"%1\"").arg(c));
                press(key_of(c.front()), c, NONE);
            }
            break;
        }
        case 1: {
            const Key& key = keys[input.byte() % std::size(keys)];
            trace(QStringLiteral("key ") + QKeySequence(key.key | key.modifiers).toString());
            press(key);
            break;
        }
        case 2: {
            const std::vector<QWidget*> widgets = clickable();
            QWidget* target = widgets[input.byte() % widgets.size()];
            const int along = input.byte();
            trace(QStringLiteral("click at %1/255 of a %2")
                      .arg(along)
                      .arg(target->metaObject()->className()));
            activate();
            const QPoint at(std::max(1, target->width() - 2) * along / 255 + 1,
                            target->height() / 2);
            if (auto* table = qobject_cast<QTableWidget*>(target))
                QTest::mouseClick(table->viewport(), Qt::LeftButton, NONE,
                                  QPoint(table->viewport()->width() / 2,
                                         table->viewport()->height() * along / 256));
            else
                QTest::mouseClick(target, Qt::LeftButton, NONE, at);
            break;
        }
        case 3: {
            const std::size_t length = input.byte() % 48;
            const QString text = b::from_cp1252(input.text(length));
            trace(QStringLiteral("paste \"%1\"").arg(text));
            QGuiApplication::clipboard()->setText(text);
            press(Qt::Key_V, QString(), CTRL);
            break;
        }
        case 4: {
            auto* list = qobject_cast<QComboBox*>(widget(LISTS[input.byte() % LISTS.size()]));
            const int steps = input.byte();
            trace(QStringLiteral("drop-down list moved %1 steps").arg(steps));
            if (list == nullptr || !list->isEnabled()) break;
            activate();
            list->setFocus(Qt::TabFocusReason);
            for (int i = 0; i < steps % 8 + 1 && dialog().window; ++i)
                press(steps % 2 != 0 ? Qt::Key_Up : Qt::Key_Down, QString(), NONE);
            break;
        }
        case 5: {
            auto* table = qobject_cast<QTableWidget*>(widget(b::IDC_AR_MODES));
            const int row = input.byte() % 5;
            trace(QStringLiteral("table row %1").arg(row + 1));
            activate();
            QTest::mouseClick(table->viewport(), Qt::LeftButton, NONE,
                              table->visualItemRect(table->item(row, 0)).center());
            break;
        }
        case 6: {
            const Qt::Key key = mnemonics[input.byte() % std::size(mnemonics)];
            trace(QStringLiteral("Alt+") + QKeySequence(key).toString());
            press(key, QString(), Qt::AltModifier);
            QTest::qWait(0);
            break;
        }
        default:
            if (input.byte() != 0) break;
            trace(QStringLiteral("close box"));
            if (QWidget* w = window(); w != nullptr && w->windowHandle() != nullptr)
                w->windowHandle()->close();
            break;
        }
    }

    static void check_read_outs_agree() {
        const bool shown = !text_of(b::IDC_AR_HEX).empty();
        const b::ControlRecord& copy = *b::find_control(dialog(), b::IDC_AR_COPY);
        check(copy.enabled == shown, "a result is shown exactly when it can be copied");
        const b::ControlRecord& table = *b::find_control(dialog(), b::IDC_AR_MODES);
        check(table.selection >= 1 && table.selection <= 5, "a direction is always marked");
        const std::string& row = table.items[static_cast<std::size_t>(table.selection - 1)];
        check(row.starts_with("\xbb "), "the marked row is the chosen direction's");
        std::string flags;
        for (std::size_t i = 0; i < FLAGS.size(); ++i) {
            const bool lit = b::find_control(dialog(), FLAGS[i])->state;
            check(shown || !lit, "no flag is lit while the results wait");
            if (lit) flags += (flags.empty() ? "" : ",") + std::string(FLAG_NAMES[i]);
        }
        const b::ControlRecord& line = *b::find_control(dialog(), b::IDC_AR_LINE);
        check(!line.text.empty(), "the number line always says what it shows");
        if (!shown) {
            check(line.marks.empty(), "the number line waits with the results");
            for (int id : {b::IDC_AR_VALUE, b::IDC_AR_REAL, b::IDC_AR_F})
                check(text_of(id).empty(), "every result read-out waits");
            return;
        }
        const std::string expected = "\t" + text_of(b::IDC_AR_HEX) + "\t" +
                                     text_of(b::IDC_AR_VALUE) + "\t" +
                                     (flags.empty() ? std::string("none") : flags);
        check(row.ends_with(expected), "the marked row holds the result's word, value and flags");
    }

    void check_state() {
        // A drop-down list opened with the keyboard (Space, Alt+Down) shows its items in a
        // pop-up of Qt's own: the user closes it again before the next action.
        for (int i = 0; i < 4 && QApplication::activePopupWidget() != nullptr; ++i) {
            QApplication::activePopupWidget()->close();
            QCoreApplication::processEvents();
        }
        b::fuzz::check_no_modal_open();
        b::fuzz::check_widgets_show_record(dialog());
        if (dialog().window) b::fuzz::check_focus(window());
        check_read_outs_agree();
    }

    b::fuzz::PaintHold paints_;
};

// At exit the record still holds its window, and Qt's own statics go in no fixed order with
// the record: the window is kept from being destroyed (the process ends with it, as the
// program's ends with its window left to the system).
void leave_window_to_the_system() {
    static auto* kept = new std::vector<std::unique_ptr<b::DialogWindow>>;
    if (dialog().window) kept->push_back(std::move(dialog().window));
}

} // namespace

extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quiet_qt_messages);
    new QApplication(*argc, *argv); // lives as long as the process, like the program's window
    b::install_qt_dialog_layer();
    std::atexit(leave_window_to_the_system);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static auto* session = new ArithSession;
    session->start();
    session->run(data, size);
    return 0;
}
