#pragma once

#include <QByteArray>
#include <QImage>

// What one picture may cost. A file that declares more is refused before any pixel buffer
// exists: at most 16 million pixels (64 MB as RGB32), at most 128 MB inside libjpeg for the
// whole-image buffers of progressive files, and a bounded number of scans.
namespace JpegLimits {
constexpr int kMaxSide = 8192;
constexpr qint64 kMaxPixels = 4096 * 4096;
constexpr long kMaxDecoderMemory = 128L * 1024 * 1024;
constexpr int kMaxScans = 100;
} // namespace JpegLimits

// Decodes a JPEG with libjpeg. Bad, truncated or oversized data gives a null image, never a crash.
QImage decodeJpeg(const QByteArray &data);
