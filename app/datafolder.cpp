#include "app/datafolder.h"

#include "app/gamepath.h"
#include "deck/cards.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace nablo {

bool holdsGameData(const QString& folder)
{
    const QDir dir(folder);
    if (!QFileInfo(dir.filePath(QStringLiteral("wav"))).isDir())
        return false;
    for (std::int16_t code = 1; code <= 52; ++code) {
        if (!QFileInfo(dir.filePath(localFilePath(CA(code)))).isFile())
            return false;
    }
    return true;
}

QString findDataFolder(const QString& workingDirectory, const QString& executableDirectory)
{
    const QString candidates[] = {
        workingDirectory,
        executableDirectory,
        QDir::cleanPath(executableDirectory + "/../share/nablo"),
        QDir::cleanPath(executableDirectory + "/../share/games/nablo"),
    };
    for (const QString& folder : candidates) {
        if (holdsGameData(folder))
            return folder;
    }
    return {};
}

QString enterDataFolder()
{
    const QString folder =
        findDataFolder(QDir::currentPath(), QCoreApplication::applicationDirPath());
    if (!folder.isEmpty())
        QDir::setCurrent(folder);
    return QDir::currentPath();
}

} // namespace nablo
