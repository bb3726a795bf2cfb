// nablo-assets OUTDIR [DECK.svgz]
// Writes the game's card faces, its icons and sound effects below OUTDIR.

#include "cardart.h"
#include "sounds.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSvgRenderer>

#include <cstdio>
#include <stdexcept>

namespace {

const char defaultDeck[] = "/usr/share/aisleriot/cards/anglo.svgz";

QString makeDir(const QString& outDir, const QString& name)
{
    const QString path = QDir(outDir).filePath(name);
    if (!QDir().mkpath(path))
        throw std::runtime_error("cannot create folder " + path.toStdString());
    return path;
}

void generate(const QString& outDir, const QString& deckPath)
{
    if (!QFileInfo(deckPath).isFile())
        throw std::runtime_error("card deck not found: " + deckPath.toStdString()
                                 + " (install gnome-cards-data)");
    QSvgRenderer deck(deckPath);
    if (!deck.isValid())
        throw std::runtime_error("cannot read card deck " + deckPath.toStdString());

    writeCardFaces(deck, makeDir(outDir, "cards"));
    writeIcons(deck, makeDir(outDir, "icons"));
    writeWebIcons(deck, makeDir(outDir, "webicons"));
    writeSounds(makeDir(outDir, "wav"));
}

} // namespace

int main(int argc, char* argv[])
{
    // Runs during the build, where there may be no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = app.arguments();
    if (args.size() < 2 || args.size() > 3) {
        std::fprintf(stderr, "usage: nablo-assets OUTDIR [DECK.svgz]\n");
        return 2;
    }
    try {
        generate(args[1], args.size() == 3 ? args[2] : QString(defaultDeck));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "nablo-assets: %s\n", e.what());
        return 1;
    }
    return 0;
}
