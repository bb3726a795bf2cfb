#include "app/commandline.h"

#include <string_view>

namespace nablo {

namespace {
constexpr const char* helpText =
    "Usage: nablo [--help | --version]\n"
    "A one-player card game for credits. Stake with BET, press START, then place the slot\n"
    "cards on the pile while one matches it in suit or in rank: the more cards you place, the\n"
    "more the game pays. Every run starts with 100 credits.\n"
    "\n"
    "  --help     print this help and exit\n"
    "  --version  print the version and exit\n"
    "\n"
    "Press F1 in the game for its keys. The game needs a display (X11 or Wayland).\n";
} // namespace

std::optional<int> handleCommandLine(int argc, const char* const* argv, std::FILE* out,
                                     std::FILE* err)
{
    bool help = false;
    bool version = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--help") {
            help = true;
        } else if (argument == "--version") {
            version = true;
        } else {
            std::fprintf(err, "nablo: unknown argument '%s'; try 'nablo --help'\n", argv[i]);
            return 2;
        }
    }
    if (help)
        std::fputs(helpText, out);
    else if (version)
        std::fputs("nablo " NABLO_VERSION "\n", out);
    else
        return std::nullopt;
    return 0;
}

} // namespace nablo
