#include "app/game.h"

#include "app/statswindow.h"
#include "game/reset.h"
#include "game/betting.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>

namespace nablo {

Game::Game() : form_(platform_), view_(form_, platform_.pictures())
{
    platform_.setDialogParent(&view_);
    platform_.setBeforeMessage([this] { view_.sync(); });
    platform_.setSoundSwitch(&view_.aids().soundSwitch());
    platform_.setGameEndedHook([this](const GameOutcome& outcome) {
        // The stake is still on the pay table: the table is reset only after the box.
        statistics_.addGame(outcome, stakeOf(form_), creditsOf(form_));
        if (statsWindow_)
            statsWindow_->refresh();
    });
    view_.aids().setJudgementSink([this](const Judgement& judgement) {
        statistics_.addJudgement(judgement);
        if (statsWindow_)
            statsWindow_->refresh();
    });
    view_.aids().setStatisticsRequest([this] { showStatistics(); });
    // Closing the window while a box is open ends the program as soon as the box is gone.
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        closeFilter_.emplace(view_, [this] {
            if (QWidget* box = QApplication::activeModalWidget()) {
                platform_.endAfterAnswer();
                box->close();
            }
        });
        QCoreApplication::instance()->installNativeEventFilter(&*closeFilter_);
    }
    const QString icon = QStringLiteral("icons/nablo.png");
    if (QFileInfo::exists(icon))
        view_.setWindowIcon(QIcon(icon));
}

void Game::showStatistics()
{
    if (!statsWindow_) {
        statsWindow_ = new StatsWindow(statistics_, form_, &view_);
        statsWindow_->setAttribute(Qt::WA_DeleteOnClose);
    }
    statsWindow_->refresh();
    statsWindow_->show();
    statsWindow_->raise();
    statsWindow_->activateWindow();
}

std::optional<int> Game::load()
{
    view_.runEvent([this] { Form_Load(form_); });
    return view_.exitStatus();
}

} // namespace nablo
