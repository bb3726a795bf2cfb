#include "app/picturecache.h"

#include "app/gamepath.h"
#include "table/errors.h"

#include <QImageReader>

namespace nablo {

QPixmap PictureCache::load(const std::string& path)
{
    const QString key = QString::fromStdString(path);
    if (const auto found = pictures_.constFind(key); found != pictures_.constEnd())
        return *found;

    const QString file = localFilePath(path);
    QImageReader reader(file);
    const QImage image = reader.read();
    if (image.isNull()) {
        throw pictureError(path, file.toStdString(), reader.errorString().toStdString());
    }
    const QPixmap picture = QPixmap::fromImage(image);
    pictures_.insert(key, picture);
    return picture;
}

} // namespace nablo
