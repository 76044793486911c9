// Binora with real widgets on Qt's offscreen platform: one keystroke in the value edit
// (SUB_REPRESENT and the push of its writes to the widgets, then the queued events) per kind,
// beside its floor for binary128, and start-up until the main window is shown.
//
// The floor is the same keystroke in the same window with the dialog layer taken out: the
// window is detached from its record, and the value edit's change signal goes straight to a
// handler that makes the widget writes the keystroke causes and nothing else. Those writes
// are found by comparing what every widget shows before and after one keystroke through the
// layer; the floor's cost is Qt's own (key handling, the writes, repainting what changed).

#include "dialog/dialog_operations.hpp"
#include "dialog/qt/dialog_widget.hpp"
#include "dialog/qt/qt_dialog_window.hpp"
#include "dialog/qt/qt_window_system.hpp"
#include "resources/resource.hpp"
#include "resources/templates.hpp"
#include "shell/binora_globals.hpp"
#include "startup/start_up.hpp"
#include "state/comun.hpp"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>
#include <benchmark/benchmark.h>

#include <utility>
#include <vector>

namespace {

// The widget the Qt layer made for control `id` of the shown record.
template <class Widget> Widget* control_widget(binora::DIALOG_RECORD& record, int id) {
    const auto* window = dynamic_cast<const binora::QtDialogWindow*>(record.window.get());
    const binora::ControlRecord* control = binora::find_control(record, id);
    if (window == nullptr || window->widget() == nullptr || control == nullptr) return nullptr;
    const auto index = static_cast<int>(control - record.controls.data());
    return qobject_cast<Widget*>(window->widget()->control_widget(index));
}

void start_and_show() {
    binora::install_program_resources();
    binora::build_program_records();
    binora::DIALOG_SHOW_MODELESS(binora::BINORAGLOBALS.MAIN_DIALOG);
    QCoreApplication::processEvents();
}

void shut_down() {
    binora::reset_shell_state();
    binora::reset_shared_state();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The main window shown with `kind_radio` clicked and "0.1" typed into the value edit;
// nullptr (and the benchmark skipped) if the window lacks them.
QLineEdit* value_edit_with_text(benchmark::State& state, int kind_radio) {
    start_and_show();
    auto& dialog = binora::BINORAGLOBALS.MAIN_DIALOG;
    auto* radio = control_widget<QRadioButton>(dialog, kind_radio);
    auto* edit = control_widget<QLineEdit>(dialog, binora::IDC_VALUE_X);
    if (radio == nullptr || edit == nullptr) {
        state.SkipWithError("the main window has no kind radio or value edit");
        return nullptr;
    }
    QTest::mouseClick(radio, Qt::LeftButton);
    // The click gave the radio the focus; a user types into the edit holding it, drawn with
    // its focus frame, as the arithmetic window's operand is in arith_window_bench.
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, "0.1");
    QCoreApplication::processEvents();
    return edit;
}

// Each iteration is two keystrokes, "0.1" -> "0.15" -> "0.1": both are read as values. Kept
// out of line so that a profiler can count these alone (callgrind --toggle-collect).
[[gnu::noinline]] void two_keystrokes(QLineEdit& edit) {
    QTest::keyClick(&edit, Qt::Key_5);
    QCoreApplication::processEvents();
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QCoreApplication::processEvents();
}

void window_keystroke(benchmark::State& state, int kind_radio) {
    if (QLineEdit* edit = value_edit_with_text(state, kind_radio)) {
        for (auto _ : state)
            two_keystrokes(*edit);
        state.SetItemsProcessed(2 * state.iterations());
        state.SetLabel("per item: one keystroke");
    }
    shut_down();
}

// What a program can set in a widget and the user sees: text, caret, checked state, list
// row, enabled state.
struct WidgetState {
    QString text;
    int caret = 0;
    bool checked = false;
    int row = -1;
    bool enabled = true;
    bool operator==(const WidgetState&) const = default;
};

WidgetState state_of(const QWidget& widget) {
    WidgetState shown;
    shown.enabled = widget.isEnabled();
    if (const auto* edit = qobject_cast<const QLineEdit*>(&widget)) {
        shown.text = edit->text();
        shown.caret = edit->cursorPosition();
    } else if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        shown.text = label->text();
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
        shown.text = button->text();
        shown.checked = button->isChecked();
    } else if (const auto* box = qobject_cast<const QGroupBox*>(&widget)) {
        shown.text = box->title();
    } else if (const auto* list = qobject_cast<const QListWidget*>(&widget)) {
        shown.row = list->currentRow();
    }
    return shown;
}

// The plain Qt writes that take `widget` from `from` to `to`, each only where they differ.
void write_change(QWidget& widget, const WidgetState& from, const WidgetState& to) {
    if (auto* edit = qobject_cast<QLineEdit*>(&widget)) {
        if (to.text != from.text) edit->setText(to.text);
        if (to.caret != edit->cursorPosition()) edit->setCursorPosition(to.caret);
    } else if (auto* label = qobject_cast<QLabel*>(&widget)) {
        if (to.text != from.text) label->setText(to.text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(&widget)) {
        if (to.text != from.text) button->setText(to.text);
        if (to.checked != from.checked) button->setChecked(to.checked);
    } else if (auto* box = qobject_cast<QGroupBox*>(&widget)) {
        if (to.text != from.text) box->setTitle(to.text);
    } else if (auto* list = qobject_cast<QListWidget*>(&widget)) {
        if (to.row != from.row) list->setCurrentRow(to.row);
    }
    if (to.enabled != from.enabled) widget.setEnabled(to.enabled);
}

// A widget the keystroke changes, with what it shows after "0.1" and after "0.15".
struct ChangedWidget {
    QWidget* widget;
    WidgetState short_text;
    WidgetState long_text;
};

std::vector<QWidget*> all_control_widgets(binora::DIALOG_RECORD& record) {
    const auto* window = dynamic_cast<const binora::QtDialogWindow*>(record.window.get());
    std::vector<QWidget*> widgets;
    if (window == nullptr || window->widget() == nullptr) return widgets;
    for (int i = 0; i < static_cast<int>(record.controls.size()); ++i)
        if (QWidget* widget = window->widget()->control_widget(i)) widgets.push_back(widget);
    return widgets;
}

void window_keystroke_floor(benchmark::State& state, int kind_radio) {
    QLineEdit* edit = value_edit_with_text(state, kind_radio);
    if (edit == nullptr) {
        shut_down();
        return;
    }
    auto& dialog = binora::BINORAGLOBALS.MAIN_DIALOG;
    const std::vector<QWidget*> widgets = all_control_widgets(dialog);
    std::vector<WidgetState> after_short;
    for (QWidget* widget : widgets)
        after_short.push_back(state_of(*widget));
    QTest::keyClick(edit, Qt::Key_5);
    QCoreApplication::processEvents();
    std::vector<ChangedWidget> changed;
    for (std::size_t i = 0; i < widgets.size(); ++i) {
        const WidgetState after_long = state_of(*widgets[i]);
        if (widgets[i] != edit && after_long != after_short[i])
            changed.push_back({widgets[i], after_short[i], after_long});
    }
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCoreApplication::processEvents();

    // From here on no routine runs: the window reports nothing to the record.
    static_cast<binora::QtDialogWindow*>(dialog.window.get())->widget()->detach();
    const QMetaObject::Connection writes =
        QObject::connect(edit, &QLineEdit::textChanged, [&changed](const QString& text) {
            const bool long_text = text.size() > 3;
            for (const ChangedWidget& c : changed)
                write_change(*c.widget, long_text ? c.short_text : c.long_text,
                             long_text ? c.long_text : c.short_text);
        });
    for (auto _ : state)
        two_keystrokes(*edit);
    QObject::disconnect(writes);
    state.SetItemsProcessed(2 * state.iterations());
    state.SetLabel("per item: one keystroke; " + std::to_string(changed.size()) +
                   " widgets written");
    shut_down();
}

void start_up_shown(benchmark::State& state) {
    for (auto _ : state) {
        start_and_show();
        state.PauseTiming();
        const bool shown = binora::BINORAGLOBALS.MAIN_DIALOG.window != nullptr;
        shut_down();
        state.ResumeTiming();
        if (!shown) {
            state.SkipWithError("the main window was not shown");
            break;
        }
    }
}

BENCHMARK_CAPTURE(window_keystroke, binary32, binora::IDC_KIND32);
BENCHMARK_CAPTURE(window_keystroke, binary64, binora::IDC_KIND64);
BENCHMARK_CAPTURE(window_keystroke, binary128, binora::IDC_KIND128);
BENCHMARK_CAPTURE(window_keystroke_floor, binary128, binora::IDC_KIND128);
BENCHMARK(start_up_shown)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    binora::install_qt_dialog_layer();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
