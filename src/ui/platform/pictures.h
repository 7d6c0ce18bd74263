#pragma once

#include <QPixmap>
#include <QString>

// The program's built-in pictures, decoded once each and shared wherever they appear.
// JPEGs go through libjpeg, PNGs through Qt. A picture that cannot be decoded is a null pixmap.
namespace Pictures {
QPixmap get(const QString &resourcePath);
}
