#include "app/commandline.h"

#include "app/translation.h"

#include <QtGlobal>

#include <string_view>

namespace nablo {

namespace {
constexpr const char* helpText = QT_TRANSLATE_NOOP(
    "CommandLine",
    "Usage: nablo [--help | --version]\n"
    "A one-player card game for credits. Stake with BET, press START, then place the slot\n"
    "cards on the pile while one matches it in suit or in rank: the more cards you place, the\n"
    "more the game pays. Every run starts with 100 credits.\n"
    "\n"
    "  --help     print this help and exit\n"
    "  --version  print the version and exit\n"
    "\n"
    "Press F1 in the game for its keys. The game needs a display (X11 or Wayland).\n");
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
            const QString message =
                translated("CommandLine",
                           QT_TRANSLATE_NOOP("CommandLine",
                                             "nablo: unknown argument '%1'; try 'nablo --help'"));
            std::fprintf(err, "%s\n",
                         message.arg(QString::fromLocal8Bit(argv[i])).toLocal8Bit().constData());
            return 2;
        }
    }
    if (help)
        std::fputs(translated("CommandLine", helpText).toLocal8Bit().constData(), out);
    else if (version)
        std::fputs("nablo " NABLO_VERSION "\n", out);
    else
        return std::nullopt;
    return 0;
}

} // namespace nablo
