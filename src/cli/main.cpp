// binora-cli: Binora's read-outs without a window, for scripts and prepared exercises.

#include "cli/cli_options.hpp"
#include "cli/cli_session.hpp"

#include <unistd.h>

#include <iostream>
#include <span>

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
        std::cout << help_text() << std::flush;
        return std::cout ? EXIT_ALL_READ : EXIT_IO_ERROR;
    }
    if (options.action == Action::version) {
        std::cout << "binora-cli " << BINORA_VERSION << '\n' << std::flush;
        return std::cout ? EXIT_ALL_READ : EXIT_IO_ERROR;
    }

    // Standard output is buffered as a whole unless someone watches it on a terminal.
    std::ios::sync_with_stdio(false);
    std::cin.tie(nullptr);
    CliSession session(options, std::cout, std::cerr);
    if (!session.started()) return EXIT_IO_ERROR;
    int status = options.values.empty() ? session.read_lines(std::cin, isatty(STDOUT_FILENO) == 1)
                                        : session.read_values(options.values);
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "binora-cli: cannot write standard output\n";
        status = EXIT_IO_ERROR;
    }
    return status;
}
