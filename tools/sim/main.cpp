#include "options.h"
#include "report.h"
#include "simulation.h"

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <iostream>
#include <thread>

namespace {

void drawProgress(long long done, long long total)
{
    constexpr int width = 40;
    const int filled = static_cast<int>(width * done / total);
    std::fprintf(stderr, "\r[%s%s] %3d%%", std::string(static_cast<std::size_t>(filled), '#').c_str(),
                 std::string(static_cast<std::size_t>(width - filled), ' ').c_str(),
                 static_cast<int>(100 * done / total));
    std::fflush(stderr);
}

} // namespace

int main(int argc, char** argv)
{
    using namespace nablo::sim;
    std::string error;
    const auto options = parseOptions(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!options) {
        std::cerr << "nablo-sim: " << error << "\n" << usage();
        return 2;
    }
    if (options->help) {
        std::cout << usage();
        return 0;
    }

    std::atomic<long long> progress{0};
    Tally tally;
    const auto start = std::chrono::steady_clock::now();
    std::thread worker([&] { tally = simulate(*options, progress); });

    // A progress bar on a terminal, for runs that take more than a second.
    const bool terminal = isatty(STDERR_FILENO) != 0;
    bool shown = false;
    for (;;) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        const long long done = progress.load();
        if (done >= options->games)
            break;
        if (terminal && std::chrono::steady_clock::now() - start > std::chrono::seconds(1)) {
            drawProgress(done, options->games);
            shown = true;
        }
    }
    worker.join();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (shown) {
        drawProgress(options->games, options->games);
        std::fputc('\n', stderr);
    }

    const Summary summary = summarize(*options, tally, seconds);
    std::cout << (options->json ? jsonReport(*options, tally, summary)
                                : textReport(*options, tally, summary));
    return tally.violations.empty() ? 0 : 1;
}
