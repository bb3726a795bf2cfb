#pragma once

#include <QString>

#include <string>

namespace nablo {

// The file that a path of the game names ("cards\d1.jpg"): backslashes become slashes, and it
// stays relative to the working directory.
inline QString localFilePath(const std::string& path)
{
    QString local = QString::fromStdString(path);
    local.replace(u'\\', u'/');
    return local;
}

} // namespace nablo
