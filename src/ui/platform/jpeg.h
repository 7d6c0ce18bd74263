#pragma once

#include <QByteArray>
#include <QImage>

// What one picture may cost. A file that declares more is refused before any pixel buffer
// exists: at most 8 million pixels (32 MB as RGB32, several times our largest picture), at most
// 128 MB inside libjpeg for the whole-image buffers of progressive files, and a bounded number of
// scans. The largest picture allowed decodes in well under a second.
namespace JpegLimits {
constexpr int kMaxSide = 8192;
constexpr qint64 kMaxPixels = 4096 * 2048;
constexpr long kMaxDecoderMemory = 128L * 1024 * 1024;
constexpr int kMaxScans = 100;
} // namespace JpegLimits

// Decodes a JPEG with libjpeg. Bad, truncated or oversized data gives a null image, never a crash.
QImage decodeJpeg(const QByteArray &data);
