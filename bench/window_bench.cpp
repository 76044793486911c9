// Binora with real widgets on Qt's offscreen platform: one keystroke in the value edit
// (SUB_REPRESENT and the push of its writes to the widgets, then the queued events) per kind,
// and start-up until the main window is shown.

#include "dialog/dialog_operations.hpp"
#include "dialog/qt/dialog_widget.hpp"
#include "dialog/qt/qt_dialog_window.hpp"
#include "dialog/qt/qt_window_system.hpp"
#include "model/comun.hpp"
#include "resources/resource.hpp"
#include "resources/templates.hpp"
#include "shell/binora_globals.hpp"
#include "startup/start_up.hpp"

#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <benchmark/benchmark.h>

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

void window_keystroke(benchmark::State& state, int kind_radio) {
    start_and_show();
    auto& dialog = binora::BINORAGLOBALS.MAIN_DIALOG;
    auto* radio = control_widget<QRadioButton>(dialog, kind_radio);
    auto* edit = control_widget<QLineEdit>(dialog, binora::IDC_VALUE_X);
    if (radio == nullptr || edit == nullptr) {
        state.SkipWithError("the main window has no kind radio or value edit");
        shut_down();
        return;
    }
    QTest::mouseClick(radio, Qt::LeftButton);
    edit->selectAll();
    QTest::keyClicks(edit, "0.1");
    // Each iteration is two keystrokes, "0.1" -> "0.15" -> "0.1": both are read as values.
    for (auto _ : state) {
        QTest::keyClick(edit, Qt::Key_5);
        QCoreApplication::processEvents();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCoreApplication::processEvents();
    }
    state.SetItemsProcessed(2 * state.iterations());
    state.SetLabel("per item: one keystroke");
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
