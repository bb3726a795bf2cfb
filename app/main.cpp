#include "app/captionfont.h"
#include "app/commandline.h"
#include "app/datafolder.h"
#include "app/dialogstyle.h"
#include "app/display.h"
#include "app/game.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    // Asking for the help or the version needs no display.
    if (const auto status = nablo::handleCommandLine(argc, argv, stdout, stderr))
        return *status;

    // Qt aborts with a core dump when it finds no window system; say why in one line instead.
    if (!nablo::windowSystemReachable()) {
        std::fputs("nablo: no display found (DISPLAY and WAYLAND_DISPLAY are unset); run it on a "
                   "desktop, or headless with: xvfb-run nablo\n",
                   stderr);
        return 2;
    }

    QApplication application(argc, argv);
    QApplication::setStyle(new nablo::DialogStyle);
    nablo::installCaptionFace();
    nablo::enterDataFolder();

    nablo::Game game;
    if (const auto status = game.load())
        return *status;
    QObject::connect(&game.view(), &nablo::TableView::finished, &application,
                     [](int status) { QCoreApplication::exit(status); });
    game.view().show();
    return QApplication::exec();
}
