// The arithmetic window with real widgets on Qt's offscreen platform: one keystroke in
// operand A with B already typed (the operands read, the operation computed in the five
// directions, every read-out, the table and the number line written and repainted, then the
// queued events), per format; and start-up until the window is shown. The sibling of
// window_bench's keystroke in the main window's value edit, measured the same way. Beside
// them, what Qt's raster engine takes to draw one character of a line already laid out: the
// least a keystroke pays for each character it redraws.

#include "arithwindow/arith_start_up.hpp"
#include "arithwindow/arith_state.hpp"
#include "dialog/dialog_operations.hpp"
#include "dialog/qt/dialog_widget.hpp"
#include "dialog/qt/glyph_line.hpp"
#include "dialog/qt/qt_dialog_window.hpp"
#include "dialog/qt/qt_window_system.hpp"
#include "resources/resource.hpp"
#include "resources/templates.hpp"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {

QLineEdit* edit(int id) {
    auto& record = binora::ARITH.ARITH_DIALOG;
    const auto* window = dynamic_cast<const binora::QtDialogWindow*>(record.window.get());
    const binora::ControlRecord* control = binora::find_control(record, id);
    if (window == nullptr || window->widget() == nullptr || control == nullptr) return nullptr;
    const auto index = static_cast<int>(control - record.controls.data());
    return qobject_cast<QLineEdit*>(window->widget()->control_widget(index));
}

void start_and_show() {
    binora::install_program_resources();
    binora::build_arith_record(binora::Language::english);
    binora::DIALOG_SHOW_MODELESS(binora::ARITH.ARITH_DIALOG);
    QCoreApplication::processEvents();
}

void shut_down() {
    binora::reset_arith_state();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Each iteration is two keystrokes in A, "0.1" -> "0.15" -> "0.1", with B = "0.2": both read
// as numbers, every read-out written again.
[[gnu::noinline]] void two_keystrokes(QLineEdit& a) {
    QTest::keyClick(&a, Qt::Key_5);
    QCoreApplication::processEvents();
    QTest::keyClick(&a, Qt::Key_Backspace);
    QCoreApplication::processEvents();
}

void arith_keystroke(benchmark::State& state, int format_row) {
    start_and_show();
    binora::DIALOG_SET_INT(binora::ARITH.ARITH_DIALOG, binora::IDC_AR_FORMAT, format_row, 1);
    QLineEdit* a = edit(binora::IDC_AR_A);
    QLineEdit* b = edit(binora::IDC_AR_B);
    if (a == nullptr || b == nullptr) {
        state.SkipWithError("the arithmetic window has no operand edits");
        shut_down();
        return;
    }
    QTest::keyClicks(b, "0.2");
    QTest::keyClicks(a, "0.1");
    QCoreApplication::processEvents();
    for (auto _ : state)
        two_keystrokes(*a);
    state.SetItemsProcessed(2 * state.iterations());
    state.SetLabel("per item: one keystroke");
    shut_down();
}

void arith_start_up_shown(benchmark::State& state) {
    for (auto _ : state) {
        start_and_show();
        state.PauseTiming();
        const bool shown = binora::ARITH.ARITH_DIALOG.window != nullptr;
        shut_down();
        state.ResumeTiming();
        if (!shown) {
            state.SkipWithError("the arithmetic window was not shown");
            break;
        }
    }
}

// A legend row of the number line, drawn again and again into an image as a window's backing
// store: per item, one character.
void glyph_line_draw(benchmark::State& state) {
    const QFont font = QApplication::font();
    const QString text = QStringLiteral("lower neighbour: 2.9999999999999998889776975374843E-01");
    const binora::GlyphLine line(QRawFont::fromFont(font), font, text);
    QImage image(800, 200, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(Qt::black);
    int row = 0;
    for (auto _ : state) {
        line.draw(painter, QPointF(10, 15 * row));
        row = (row + 1) % 12;
    }
    state.SetItemsProcessed(state.iterations() * text.size());
    state.SetLabel("per item: one character");
}

BENCHMARK_CAPTURE(arith_keystroke, binary32, 1);
BENCHMARK_CAPTURE(arith_keystroke, binary64, 2);
BENCHMARK_CAPTURE(arith_keystroke, binary128, 3);
BENCHMARK(arith_start_up_shown)->Unit(benchmark::kMillisecond);
BENCHMARK(glyph_line_draw);

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
