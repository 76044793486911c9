// Start-up of the real program against its floor: binora and a bare Qt dialog with the same
// controls (bare_dialog.cpp), each started as a fresh process on Qt's offscreen platform and
// timed from its start until its first window is shown and painted (exit_at_first_frame.cpp,
// loaded into it, ends it there). The two are started in turn, so that a busy machine slows
// both alike. Reported: binora's time (mean), and as counters the medians of both, their
// ratio, and the peak resident memory of both and its ratio. A regression in what the program
// does before its first frame shows in `ratio`.

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Start {
    bool shown = false;     // the first frame was painted
    double ms = 0;          // from the start of the process to its end at the first frame
    double peak_rss_kb = 0; // the process's peak resident memory
};

// The environment of this process with the offscreen platform and the first-frame library.
std::vector<std::string> child_environment() {
    std::vector<std::string> entries;
    for (char** entry = environ; *entry != nullptr; ++entry)
        if (std::strncmp(*entry, "QT_QPA_PLATFORM=", 16) != 0 &&
            std::strncmp(*entry, "LD_PRELOAD=", 11) != 0)
            entries.emplace_back(*entry);
    entries.emplace_back("QT_QPA_PLATFORM=offscreen");
    entries.emplace_back(std::string("LD_PRELOAD=") + FIRST_FRAME_LIBRARY);
    return entries;
}

Start start_once(const char* program) {
    static const std::vector<std::string> environment = child_environment();
    std::vector<char*> envp;
    for (const std::string& entry : environment)
        envp.push_back(const_cast<char*>(entry.c_str()));
    envp.push_back(nullptr);
    char* argv[] = {const_cast<char*>(program), nullptr};

    posix_spawn_file_actions_t quiet; // the programs' messages would mix with the report
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    Start start;
    const auto begin = std::chrono::steady_clock::now();
    pid_t child = 0;
    const int spawned = posix_spawn(&child, program, &quiet, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&quiet);
    if (spawned != 0) return start;
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child) return start;
    start.ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin).count();
    start.shown = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    start.peak_rss_kb = static_cast<double>(usage.ru_maxrss);
    return start;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n == 0 ? 0.0 : n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

void start_up_against_bare_dialog(benchmark::State& state) {
    std::vector<double> binora_ms, bare_ms;
    std::vector<double> binora_kb, bare_kb;
    for (auto _ : state) {
        const Start binora = start_once(BINORA_PATH);
        const Start bare = start_once(BARE_DIALOG_PATH);
        if (!binora.shown || !bare.shown) {
            state.SkipWithError(binora.shown ? "the bare dialog showed no window"
                                             : "binora showed no window");
            return;
        }
        state.SetIterationTime(binora.ms / 1000.0);
        binora_ms.push_back(binora.ms);
        bare_ms.push_back(bare.ms);
        binora_kb.push_back(binora.peak_rss_kb);
        bare_kb.push_back(bare.peak_rss_kb);
    }
    const double time_ratio = median(binora_ms) / median(bare_ms);
    const double memory_ratio = median(binora_kb) / median(bare_kb);
    state.counters["binora_ms"] = median(binora_ms);
    state.counters["bare_ms"] = median(bare_ms);
    state.counters["ratio"] = time_ratio;
    state.counters["binora_rss_kB"] = median(binora_kb);
    state.counters["bare_rss_kB"] = median(bare_kb);
    state.counters["rss_ratio"] = memory_ratio;
}

BENCHMARK(start_up_against_bare_dialog)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(15);

} // namespace

BENCHMARK_MAIN();
