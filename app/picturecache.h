#pragma once

#include <QHash>
#include <QPixmap>
#include <QString>

#include <string>

namespace nablo {

// The pictures the game has loaded, decoded once and kept by the path the game named them with.
class PictureCache {
public:
    // Decodes the picture at path (written with backslashes, relative to the working directory)
    // unless it is already here; throws RunTimeError naming the file and the reason.
    QPixmap load(const std::string& path);

private:
    QHash<QString, QPixmap> pictures_;
};

} // namespace nablo
