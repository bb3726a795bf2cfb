#include "app/datafolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace nablo {

namespace {
bool hasCards(const QString& folder) { return QFileInfo(QDir(folder).filePath("cards")).isDir(); }
} // namespace

QString findDataFolder(const QString& workingDirectory, const QString& executableDirectory)
{
    if (hasCards(workingDirectory))
        return workingDirectory;
    const QString candidates[] = {
        executableDirectory,
        QDir::cleanPath(executableDirectory + "/../share/nablo"),
    };
    for (const QString& folder : candidates) {
        if (hasCards(folder))
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
