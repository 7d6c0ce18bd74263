#include "ui/platform/pictures.h"

#include "ui/platform/jpeg.h"

#include <QFile>
#include <QHash>
#include <QImage>

QPixmap Pictures::get(const QString &resourcePath)
{
    static QHash<QString, QPixmap> cache;
    const auto found = cache.constFind(resourcePath);
    if (found != cache.constEnd())
        return *found;

    QPixmap pixmap;
    QFile file(resourcePath);
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = file.readAll();
        const bool jpeg = resourcePath.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive);
        const QImage image = jpeg ? decodeJpeg(bytes) : QImage::fromData(bytes, "PNG");
        pixmap = QPixmap::fromImage(image);
    }
    cache.insert(resourcePath, pixmap);
    return pixmap;
}
