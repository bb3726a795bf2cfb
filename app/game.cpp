#include "app/game.h"

#include "game/reset.h"

#include <QFileInfo>
#include <QIcon>

namespace nablo {

Game::Game() : form_(platform_), view_(form_, platform_.pictures())
{
    platform_.setDialogParent(&view_);
    platform_.setBeforeMessage([this] { view_.sync(); });
    view_.setSoundSwitch([this](bool muted) { platform_.setMuted(muted); });
    const QString icon = QStringLiteral("icons/nablo.png");
    if (QFileInfo::exists(icon))
        view_.setWindowIcon(QIcon(icon));
}

std::optional<int> Game::load()
{
    view_.runEvent([this] { Form_Load(form_); });
    return view_.exitStatus();
}

} // namespace nablo
