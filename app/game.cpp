#include "app/game.h"

#include "app/statswindow.h"

#include "app/tooltips.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>

namespace nablo {

namespace {
// Every size of the icon in the data folder, so a window manager that shows it at 16 pixels gets
// the drawing made for 16 pixels instead of the large one scaled down.
QIcon windowIcon()
{
    QIcon icon;
    for (const char* file : {"nablo-16.png", "nablo-24.png", "nablo-32.png", "nablo-48.png",
                             "nablo-64.png", "nablo-128.png", "nablo.png"}) {
        const QString path = QStringLiteral("icons/") + QLatin1String(file);
        if (QFileInfo::exists(path))
            icon.addFile(path);
    }
    return icon;
}
} // namespace

Game::Game() : view_(run_, platform_.pictures())
{
    platform_.setDialogParent(&view_);
    platform_.setBeforeMessage([this] { view_.sync(); });
    platform_.setSoundSwitch(&view_.aids().soundSwitch());
    run_.session().setStatisticsListener([this] {
        if (statsWindow_)
            statsWindow_->refresh();
    });
    view_.aids().setStatisticsRequest([this] { showStatistics(); });
    // Closing the window while a box is open ends the program as soon as the box is gone. A
    // window another program destroys leaves its box open until the answer, then ends the
    // program; with no box open, at once.
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        closeFilter_.emplace(view_, [this](bool destroyed) {
            if (QWidget* box = QApplication::activeModalWidget()) {
                platform_.endAfterAnswer();
                if (!destroyed)
                    box->close();
            } else if (destroyed) {
                view_.close();
            }
        });
        QCoreApplication::instance()->installNativeEventFilter(&*closeFilter_);
    }
    view_.setWindowIcon(windowIcon());
    installToolTips(view_);
}

void Game::showStatistics()
{
    if (!statsWindow_) {
        statsWindow_ = new StatsWindow(statistics(), run_.form(), &view_);
        statsWindow_->setAttribute(Qt::WA_DeleteOnClose);
    }
    statsWindow_->refresh();
    statsWindow_->show();
    statsWindow_->raise();
    statsWindow_->activateWindow();
}

std::optional<int> Game::load()
{
    run_.load();
    return view_.exitStatus();
}

} // namespace nablo
