#include "app/game.h"

#include "game/reset.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>

namespace nablo {

Game::Game() : form_(platform_), view_(form_, platform_.pictures())
{
    platform_.setDialogParent(&view_);
    platform_.setBeforeMessage([this] { view_.sync(); });
    platform_.setSoundSwitch(&view_.aids().soundSwitch());
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

std::optional<int> Game::load()
{
    view_.runEvent([this] { Form_Load(form_); });
    return view_.exitStatus();
}

} // namespace nablo
