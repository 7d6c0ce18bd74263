// Fuzz target: any bytes given to the JPEG decoder give a null image or a picture within the
// decoder's limits, and nothing else (no crash, no leak, no allocation beyond the limits).
#include "ui/platform/jpeg.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QImage image = decodeJpeg(QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (!image.isNull()
        && (image.width() > JpegLimits::kMaxSide || image.height() > JpegLimits::kMaxSide
            || qint64(image.width()) * image.height() > JpegLimits::kMaxPixels
            || image.format() != QImage::Format_RGB32))
        std::abort();
    return 0;
}
