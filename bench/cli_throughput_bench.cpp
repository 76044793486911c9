// binora-cli's throughput: one million random decimal values per kind on standard input,
// TSV read-outs to /dev/null. The values have 1 to 17 random significant digits, a decimal
// point at a random place and a magnitude from 1e-37 to 1e38 (both signs), so that every one
// is a normal number of all three kinds; the file is made once (fixed seed) in the temporary
// directory and removed at the end.

#include <benchmark/benchmark.h>

#include <sys/wait.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace {

constexpr long VALUE_COUNT = 1000000;

std::string random_value(std::mt19937_64& random) {
    std::uniform_int_distribution<int> digit_count(1, 17);
    std::uniform_int_distribution<int> digit(0, 9);
    std::uniform_int_distribution<int> exponent(-37, 37);
    std::bernoulli_distribution negative(0.25);
    std::string text = negative(random) ? "-" : "";
    const int digits = digit_count(random);
    std::uniform_int_distribution<int> point_at(1, digits);
    const int point = point_at(random);
    for (int i = 0; i < digits; ++i) {
        if (i == point) text += '.';
        text += static_cast<char>('0' + (i == 0 ? 1 + digit(random) % 9 : digit(random)));
    }
    // The point after digit `point` scales by 10^(point - 1): the exponent makes up for it.
    return text + "e" + std::to_string(exponent(random) - (point - 1));
}

class ValueFile {
  public:
    ValueFile()
        : path_((std::filesystem::temp_directory_path() / "binora-cli-bench-values.txt").string()) {
        std::mt19937_64 random(20240611);
        std::ofstream out(path_);
        for (long i = 0; i < VALUE_COUNT; ++i)
            out << random_value(random) << '\n';
    }
    ~ValueFile() { std::filesystem::remove(path_); }
    ValueFile(const ValueFile&) = delete;
    ValueFile& operator=(const ValueFile&) = delete;
    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

const ValueFile& value_file() {
    static const ValueFile file;
    return file;
}

void cli_throughput(benchmark::State& state, const char* kind) {
    const std::string command = std::string("'") + BINORA_CLI_PATH + "' --format tsv --kind " +
                                kind + " <'" + value_file().path() + "' >/dev/null";
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const int result = std::system(command.c_str());
        const auto end = std::chrono::steady_clock::now();
        if (result == -1 || !WIFEXITED(result) || WEXITSTATUS(result) != 0) {
            state.SkipWithError("binora-cli failed");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
    state.SetItemsProcessed(state.iterations() * VALUE_COUNT);
}

BENCHMARK_CAPTURE(cli_throughput, binary32, "32")
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(cli_throughput, binary64, "64")
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(cli_throughput, binary128, "128")
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);

} // namespace
