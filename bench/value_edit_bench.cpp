// The value edit on the windowless main dialog as start-up builds it: one change event of
// IDC_VALUE_X (SUB_REPRESENT reads the text and writes the bit edits) per kind, and one whole
// value as binora-cli reads it (the typed text, then every read-out of the read-out core).

#include "cli/value_reader.hpp"
#include "resources/resource.hpp"
#include "state/comun.hpp"
#include "testing/user_input.hpp"
#include "testing/windowless_program.hpp"

#include <benchmark/benchmark.h>

#include <array>
#include <sstream>
#include <string_view>
#include <vector>

namespace {

constexpr std::array<std::string_view, 4> TEXTS = {"0.1", "-2.5", "6.02214076e23",
                                                   "1.17549435e-38"};

void value_edit_change(benchmark::State& state, int kind_radio) {
    std::ostringstream errors;
    binora::WindowlessProgram program(binora::Language::english, errors);
    binora::DIALOG_RECORD& dialog = program.main_dialog();
    binora::user_click(dialog, kind_radio);
    std::size_t i = 0;
    for (auto _ : state) {
        binora::user_replace_text(dialog, binora::IDC_VALUE_X, TEXTS[i]);
        i = (i + 1) % TEXTS.size();
    }
    state.SetItemsProcessed(state.iterations());
}

void cli_value(benchmark::State& state, std::size_t kind) {
    const std::vector<binora::cli::Column> columns = binora::cli::default_columns();
    binora::cli::ValueReader reader(binora::cli::cli_kinds()[kind], binora::Language::english,
                                    columns, [](std::string_view) {});
    binora::cli::ReadOut read_out;
    std::size_t i = 0;
    for (auto _ : state) {
        reader.read(TEXTS[i], read_out);
        benchmark::DoNotOptimize(read_out);
        i = (i + 1) % TEXTS.size();
    }
    state.SetItemsProcessed(state.iterations());
}

BENCHMARK_CAPTURE(value_edit_change, binary32, binora::IDC_KIND32);
BENCHMARK_CAPTURE(value_edit_change, binary64, binora::IDC_KIND64);
BENCHMARK_CAPTURE(value_edit_change, binary128, binora::IDC_KIND128);
BENCHMARK_CAPTURE(cli_value, binary32, 0);
BENCHMARK_CAPTURE(cli_value, binary64, 1);
BENCHMARK_CAPTURE(cli_value, binary128, 2);

} // namespace
