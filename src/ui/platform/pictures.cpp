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
    // A picture that is missing or cannot be decoded leaves its block empty; say which one.
    if (pixmap.isNull())
        qWarning("Pathora: picture %s is missing or damaged", qPrintable(resourcePath));
    cache.insert(resourcePath, pixmap);
    return pixmap;
}
