#include "app/captionfont.h"
#include "app/commandline.h"
#include "app/datafolder.h"
#include "app/dialogstyle.h"
#include "app/display.h"
#include "app/game.h"
#include "app/translation.h"

#include <QApplication>

#include <cstdio>
#include <optional>

int main(int argc, char* argv[])
{
    nablo::loadTranslation();
    // Asking for the help or the version needs no display.
    if (const auto status = nablo::handleCommandLine(argc, argv, stdout, stderr))
        return *status;

    const nablo::DisplayChoice display = nablo::chooseDisplay();
    if (display.state != nablo::DisplayState::Ready) {
        // Qt aborts with a core dump when it cannot open a window; say why in one line instead.
        std::fprintf(stderr, "%s\n",
                     nablo::noDisplayMessage(display.state).toLocal8Bit().constData());
        return 2;
    }
    if (!display.platform.empty())
        qputenv("QT_QPA_PLATFORM", display.platform.c_str());

    std::optional<nablo::PlatformStart> platformStart(std::in_place, display.platform);
    QApplication application(argc, argv);
    platformStart.reset();
    nablo::installTranslation();
    QApplication::setStyle(new nablo::DialogStyle);
    nablo::installCaptionFace();
    if (nablo::enterDataFolder().isEmpty())
        std::fprintf(stderr, "%s\n", nablo::noCardPicturesMessage().toLocal8Bit().constData());

    nablo::Game game;
    if (const auto status = game.load())
        return *status;
    QObject::connect(&game.view(), &nablo::TableView::finished, &application,
                     [](int status) { QCoreApplication::exit(status); });
    game.view().show();
    return QApplication::exec();
}
