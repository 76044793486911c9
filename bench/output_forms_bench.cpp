// Each output form of each kind: the significand read-out, the ULP and neighbour form, the
// signed canonical value, and the exact decimal expansion.

#include "numeric/decimal_reader.hpp"
#include "numeric/number_format.hpp"
#include "testing/words.hpp"

#include <benchmark/benchmark.h>

#include <array>

namespace {

// Values across the range of each kind: 0.1, a subnormal, an everyday large value and one
// near the largest.
template <typename Real, auto Read>
std::array<Real, 4> read_all(const std::array<const char*, 4>& texts) {
    std::array<Real, 4> values{};
    for (std::size_t i = 0; i < texts.size(); ++i)
        values[i] = Read(texts[i]).value;
    return values;
}
template <typename Real> std::array<Real, 4> sample_values();
template <> std::array<float, 4> sample_values() {
    return read_all<float, binora::read_binary32>({"0.1", "3e-40", "6.02e23", "3.4e38"});
}
template <> std::array<double, 4> sample_values() {
    return read_all<double, binora::read_binary64>({"0.1", "4e-320", "6.02e23", "1.7e308"});
}
template <> std::array<__float128, 4> sample_values() {
    return read_all<__float128, binora::read_binary128>({"0.1", "4e-4950", "6.02e23", "1.1e4932"});
}

template <typename Real> int kind_of() {
    return static_cast<int>(sizeof(Real));
}

enum class Form { significand, kind, kind_signed };

template <typename Real, Form F> void output_form(benchmark::State& state) {
    const int kind = kind_of<Real>();
    const binora::NumberForm form =
        F == Form::significand
            ? binora::find_format(kind)->significand_form
            : binora::kind_form(*binora::find_format(kind), F == Form::kind_signed);
    const auto values = sample_values<Real>();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(binora::format_number(values[i], form));
        i = (i + 1) % values.size();
    }
    state.SetItemsProcessed(state.iterations());
}

template <typename Real> void exact_form(benchmark::State& state) {
    const auto values = sample_values<Real>();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(binora::exact_decimal(values[i]));
        i = (i + 1) % values.size();
    }
    state.SetItemsProcessed(state.iterations());
}

BENCHMARK(output_form<float, Form::significand>)->Name("form/significand/binary32");
BENCHMARK(output_form<double, Form::significand>)->Name("form/significand/binary64");
BENCHMARK(output_form<__float128, Form::significand>)->Name("form/significand/binary128");
BENCHMARK(output_form<float, Form::kind>)->Name("form/ulp_neighbour/binary32");
BENCHMARK(output_form<double, Form::kind>)->Name("form/ulp_neighbour/binary64");
BENCHMARK(output_form<__float128, Form::kind>)->Name("form/ulp_neighbour/binary128");
BENCHMARK(output_form<float, Form::kind_signed>)->Name("form/value/binary32");
BENCHMARK(output_form<double, Form::kind_signed>)->Name("form/value/binary64");
BENCHMARK(output_form<__float128, Form::kind_signed>)->Name("form/value/binary128");
BENCHMARK(exact_form<float>)->Name("form/exact/binary32");
BENCHMARK(exact_form<double>)->Name("form/exact/binary64");
BENCHMARK(exact_form<__float128>)->Name("form/exact/binary128");

} // namespace
