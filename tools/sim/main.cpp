#include "options.h"
#include "report.h"
#include "shard.h"
#include "simulation.h"

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <thread>

namespace {

using namespace nablo::sim;

void drawProgress(long long done, long long total)
{
    constexpr int width = 40;
    const int filled = static_cast<int>(width * done / total);
    std::fprintf(stderr, "\r[%s%s] %3d%%",
                 std::string(static_cast<std::size_t>(filled), '#').c_str(),
                 std::string(static_cast<std::size_t>(width - filled), ' ').c_str(),
                 static_cast<int>(100 * done / total));
    std::fflush(stderr);
}

// Plays the options' games, with a progress bar on a terminal for runs over a second.
ShardRecord play(const Options& options)
{
    const long long total = shardGames(options);
    std::atomic<long long> progress{0};
    ShardRecord shard;
    shard.options = options;
    const auto start = std::chrono::steady_clock::now();
    std::thread worker([&] {
        shard.tally = simulate(options, progress);
        shard.seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    });

    const bool terminal = isatty(STDERR_FILENO) != 0;
    bool shown = false;
    for (;;) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        const long long done = progress.load();
        if (done >= total)
            break;
        if (terminal && std::chrono::steady_clock::now() - start > std::chrono::seconds(1)) {
            drawProgress(done, total);
            shown = true;
        }
    }
    worker.join();
    if (shown) {
        drawProgress(total, total);
        std::fputc('\n', stderr);
    }
    return shard;
}

int report(const ShardRecord& run)
{
    const Summary summary = summarize(run.options, run.tally, run.seconds);
    std::cout << (run.options.json ? jsonReport(run.options, run.tally, summary)
                                   : textReport(run.options, run.tally, summary));
    return run.tally.violations == 0 ? 0 : 1;
}

int merge(const Options& options)
{
    std::vector<ShardRecord> shards;
    std::string error;
    for (const std::string& path : options.mergeFiles) {
        std::ifstream file(path);
        std::ostringstream text;
        text << file.rdbuf();
        auto shard = file ? parseShard(text.str(), error) : std::nullopt;
        if (!shard) {
            std::cerr << "nablo-sim merge: " << path << ": "
                      << (file ? error : std::string("cannot be read")) << "\n";
            return 2;
        }
        shards.push_back(std::move(*shard));
    }
    auto run = mergeShards(shards, error);
    if (!run) {
        std::cerr << "nablo-sim merge: " << error << "\n";
        return 2;
    }
    run->options.json = options.json;
    return report(*run);
}

} // namespace

int main(int argc, char** argv)
{
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
    if (!options->mergeFiles.empty())
        return merge(*options);

    const ShardRecord shard = play(*options);
    if (!options->sharded)
        return report(shard);
    std::cout << shardJson(shard);
    return shard.tally.violations == 0 ? 0 : 1;
}
