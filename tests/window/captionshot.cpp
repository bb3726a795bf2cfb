// Draws the game's window as it looks right after start-up, with some captions changed, and
// prints where the named controls lie. Run on the same X server as the game, the picture holds
// the very pixels a caption has on screen, so the window tests read numbers off a screenshot by
// comparing regions, and click controls where the window places them.
// Usage: captionshot OUT.png|- NAME[=CAPTION]...
// Prints "NAME LEFT TOP WIDTH HEIGHT" (window pixels) for every NAME; "-" draws nothing.
#include "app/captionfont.h"
#include "app/game.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (argc < 2) {
        std::fputs("usage: captionshot OUT.png|- NAME[=CAPTION]...\n", stderr);
        return 2;
    }
    nablo::installCaptionFace();
    nablo::Game game;
    for (int i = 2; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        const qsizetype equals = argument.indexOf('=');
        const QString name = equals < 0 ? argument : argument.left(equals);
        nablo::Control* control = game.form().find(name.toStdString());
        if (!control) {
            std::fprintf(stderr, "captionshot: no control named '%s'\n", qPrintable(name));
            return 2;
        }
        if (equals >= 0)
            control->setCaption(argument.mid(equals + 1).toStdString());
        const QRect where = game.view().widget(control->name())->geometry();
        std::printf("%s %d %d %d %d\n", qPrintable(name), where.x(), where.y(), where.width(),
                    where.height());
    }
    if (QString::fromLocal8Bit(argv[1]) == "-")
        return 0;
    game.view().sync();
    return game.view().grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
