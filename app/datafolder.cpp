#include "app/datafolder.h"

#include "app/gamepath.h"
#include "app/translation.h"
#include "deck/cards.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

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

namespace {
QStringList candidates(const QString& workingDirectory, const QString& executableDirectory)
{
    QStringList folders{
        QDir::cleanPath(workingDirectory),
        QDir::cleanPath(executableDirectory),
        QDir::cleanPath(executableDirectory + "/../share/nablo"),
        QDir::cleanPath(executableDirectory + "/../share/games/nablo"),
    };
    folders.removeDuplicates();
    return folders;
}
} // namespace

QString findDataFolder(const QString& workingDirectory, const QString& executableDirectory)
{
    const QStringList folders = candidates(workingDirectory, executableDirectory);
    // A game without its sounds still plays (each sound beeps); one without its pictures cannot.
    for (bool (*holds)(const QString&) : {holdsGameData, holdsCardPictures}) {
        for (const QString& folder : folders) {
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
    return folder;
}

QString noCardPicturesMessage()
{
    return translated("DataFolder",
                      QT_TRANSLATE_NOOP("DataFolder",
                                        "nablo: no folder holds the 52 card pictures in cards/ "
                                        "(looked in %1); the first deal will fail"))
        .arg(candidates(QDir::currentPath(), QCoreApplication::applicationDirPath())
                 .join(QStringLiteral(", ")));
}

} // namespace nablo
