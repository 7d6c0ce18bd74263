#pragma once

#include <QByteArray>
#include <QImage>

// Decodes a JPEG with libjpeg. Bad or truncated data gives a null image, never a crash.
QImage decodeJpeg(const QByteArray &data);
