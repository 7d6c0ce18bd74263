#include "ui/platform/pictures.h"

#include "ui/platform/jpeg.h"

#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QImage>

namespace {

QImage decode(const QString &resourcePath)
{
    QFile file(resourcePath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    const bool jpeg = resourcePath.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive);
    return jpeg ? decodeJpeg(bytes) : QImage::fromData(bytes, "PNG");
}

} // namespace

QString Pictures::doubleSizePath(const QString &resourcePath)
{
    const int dot = resourcePath.lastIndexOf(QLatin1Char('.'));
    const int slash = resourcePath.lastIndexOf(QLatin1Char('/'));
    if (dot <= slash)
        return resourcePath + QLatin1String("@2x");
    return resourcePath.left(dot) + QLatin1String("@2x") + resourcePath.mid(dot);
}

QPixmap Pictures::get(const QString &resourcePath)
{
    static QHash<QString, QPixmap> cache;
    const auto found = cache.constFind(resourcePath);
    if (found != cache.constEnd())
        return *found;
    QImage image;
    // The highest ratio of any screen: a window moved to the sharper screen stays sharp.
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    if (ratio > 1.0)
        image = decode(doubleSizePath(resourcePath));
    if (!image.isNull() && ratio != 2.0) {
        // At 125 % or 150 % the painter would shrink the 2x bitmap pixel by pixel; resample it
        // smoothly once to the screen's own pixels, so that it is drawn one to one.
        const QSize logical = image.size() / 2;
        image = image.scaled(qRound(logical.width() * ratio), qRound(logical.height() * ratio),
                             Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    image.setDevicePixelRatio(image.isNull() ? 1.0 : ratio);
    if (image.isNull())
        image = decode(resourcePath);
    const QPixmap pixmap = QPixmap::fromImage(image);
    // A picture that is missing or cannot be decoded leaves its block empty; say which one.
    if (pixmap.isNull())
        qWarning("Pathora: picture %s is missing or damaged", qPrintable(resourcePath));
    cache.insert(resourcePath, pixmap);
    return pixmap;
}
