#include "app/captionfont.h"
#include "app/commandline.h"
#include "app/datafolder.h"
#include "app/dialogstyle.h"
#include "app/display.h"
#include "app/game.h"
#include "app/translation.h"

#include <QApplication>

#include <cstdio>

namespace {
// Qt aborts with a core dump when it cannot open a window; say why in one line instead.
int reportNoDisplay(nablo::DisplayState state)
{
    const char* message =
        state == nablo::DisplayState::Unset
            ? QT_TRANSLATE_NOOP("Main", "nablo: no display found (DISPLAY and WAYLAND_DISPLAY "
                                        "are unset); run it on a desktop, or headless with: "
                                        "xvfb-run nablo")
            : QT_TRANSLATE_NOOP("Main", "nablo: cannot open the display (%1); run it on a "
                                        "desktop, or headless with: xvfb-run nablo");
    QStringList named;
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY"}) {
        if (!qEnvironmentVariableIsEmpty(variable))
            named << QStringLiteral("%1=%2").arg(variable, qEnvironmentVariable(variable));
    }
    QString line = nablo::translated("Main", message);
    if (state == nablo::DisplayState::Unreachable)
        line = line.arg(named.join(QStringLiteral(", ")));
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
    return 2;
}
} // namespace

int main(int argc, char* argv[])
{
    nablo::loadTranslation();
    // Asking for the help or the version needs no display.
    if (const auto status = nablo::handleCommandLine(argc, argv, stdout, stderr))
        return *status;

    const nablo::DisplayChoice display = nablo::chooseDisplay();
    if (display.state != nablo::DisplayState::Ready)
        return reportNoDisplay(display.state);
    if (!display.platform.empty())
        qputenv("QT_QPA_PLATFORM", display.platform.c_str());

    QApplication application(argc, argv);
    nablo::installTranslation();
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
