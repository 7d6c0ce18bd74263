#pragma once

#include <QPixmap>
#include <QString>

// The program's built-in pictures, decoded once each and shared wherever they appear.
// JPEGs go through libjpeg, PNGs through Qt. A picture that cannot be decoded is a null pixmap.
// On a screen scaled above 100 % the double-size version ("name@2x.jpg") is taken where there is
// one, resampled to the screen's device pixel ratio and carrying it, so that it fills the same
// logical size as the original.
namespace Pictures {
QPixmap get(const QString &resourcePath);
// The double-size version's path: ":/images/cover.jpg" -> ":/images/cover@2x.jpg".
QString doubleSizePath(const QString &resourcePath);
}
