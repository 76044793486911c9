// The decimal reader of each kind on a mix of everyday, long, tiny and huge texts.

#include "numeric/decimal_reader.hpp"
#include "testing/words.hpp"

#include <benchmark/benchmark.h>

#include <array>
#include <string_view>

namespace {

constexpr std::array<std::string_view, 8> TEXTS = {
    "0.1",
    "-2.5",
    "3.14159265358979323846264338327950288",
    "6.02214076e23",
    "1e-45",
    "4.9406564584124654e-324",
    "123456789012345678901234567890",
    "  1.7976931348623157D+308",
};

template <auto Read> void read_decimal(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Read(TEXTS[i]));
        i = (i + 1) % TEXTS.size();
    }
    state.SetItemsProcessed(state.iterations());
}

BENCHMARK(read_decimal<binora::read_binary32>)->Name("decimal_read/binary32");
BENCHMARK(read_decimal<binora::read_binary64>)->Name("decimal_read/binary64");
BENCHMARK(read_decimal<binora::read_binary128>)->Name("decimal_read/binary128");

} // namespace
