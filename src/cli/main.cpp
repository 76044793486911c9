// binora-cli: Binora's read-outs without a window, for scripts and prepared exercises.

#include "cli/cli_options.hpp"
#include "cli/cli_session.hpp"

#include <sched.h>
#include <unistd.h>

#include <algorithm>

#include <iostream>
#include <span>

namespace {

// `status` once standard output is flushed; a write that failed (a full disk, a closed pipe)
// is said on standard error and ends with the input/output status instead.
int flushed_output_status(int status) {
    std::cout.flush();
    if (std::cout) return status;
    std::cerr << "binora-cli: cannot write standard output\n";
    return binora::cli::EXIT_IO_ERROR;
}

// The threads a batch of lines is read on: one per processor this process may run on, up to
// eight (each holds a few megabytes of read-outs).
unsigned batch_threads() {
    cpu_set_t processors;
    if (sched_getaffinity(0, sizeof processors, &processors) != 0) return 1;
    return static_cast<unsigned>(std::clamp(CPU_COUNT(&processors), 1, 8));
}

} // namespace

int main(int argc, char* argv[]) {
    using namespace binora::cli;
    const auto parsed = parse_command_line(
        std::span<const char* const>(argv + 1, static_cast<std::size_t>(argc > 0 ? argc - 1 : 0)));
    if (!parsed.options) {
        std::cerr << "binora-cli: " << parsed.error << '\n' << usage_text();
        return EXIT_USAGE;
    }
    const CliOptions& options = *parsed.options;
    if (options.action == Action::help) {
        std::cout << help_text();
        return flushed_output_status(EXIT_ALL_READ);
    }
    if (options.action == Action::version) {
        std::cout << "binora-cli " << BINORA_VERSION << '\n';
        return flushed_output_status(EXIT_ALL_READ);
    }

    // Standard output is buffered as a whole unless someone watches it on a terminal.
    std::ios::sync_with_stdio(false);
    std::cin.tie(nullptr);
    CliSession session(options, std::cout, std::cerr, batch_threads());
    const int status = options.values.empty()
                           ? session.read_lines(std::cin, isatty(STDOUT_FILENO) == 1)
                           : session.read_values(options.values);
    return flushed_output_status(status);
}
