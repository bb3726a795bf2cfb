#include "app/datafolder.h"

#include "app/gamepath.h"
#include "deck/cards.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace nablo {

bool holdsCardPictures(const QString& folder)
{
    const QDir dir(folder);
    for (std::int16_t code = 1; code <= 52; ++code) {
        if (!QFileInfo(dir.filePath(localFilePath(CA(code)))).isFile())
            return false;
    }
    return true;
}

bool holdsGameData(const QString& folder)
{
    return holdsCardPictures(folder)
           && QFileInfo(QDir(folder).filePath(QStringLiteral("wav"))).isDir();
}

QString findDataFolder(const QString& workingDirectory, const QString& executableDirectory)
{
    const QString candidates[] = {
        workingDirectory,
        executableDirectory,
        QDir::cleanPath(executableDirectory + "/../share/nablo"),
        QDir::cleanPath(executableDirectory + "/../share/games/nablo"),
    };
    // A game without its sounds still plays (each sound beeps); one without its pictures cannot.
    for (bool (*holds)(const QString&) : {holdsGameData, holdsCardPictures}) {
        for (const QString& folder : candidates) {
            if (holds(folder))
                return folder;
        }
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
