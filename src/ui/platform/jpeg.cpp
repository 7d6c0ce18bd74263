#include "ui/platform/jpeg.h"

#include <QSysInfo>

#include <csetjmp>
#include <cstdio>

extern "C" {
#include <jpeglib.h>
}

namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

// libjpeg calls this on a fatal error and expects it not to return. We jump back into
// decodeJpeg; no C++ frame lies between the two, so nothing is skipped.
extern "C" void onFatalError(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorManager *>(info->err)->jump, 1);
}

// Corrupt-but-decodable data only raises warnings, and truncated data would be padded with grey.
// Both are failures for us, so the first warning ends the decode at once instead of letting
// libjpeg work through the rest of a broken file.
extern "C" void onMessage(j_common_ptr info, int level)
{
    if (level < 0)
        std::longjmp(reinterpret_cast<ErrorManager *>(info->err)->jump, 1);
}

// A progressive file may repeat its scans without end, each one a pass over the whole image.
extern "C" void onProgress(j_common_ptr common)
{
    auto *info = reinterpret_cast<j_decompress_ptr>(common);
    if (info->input_scan_number > JpegLimits::kMaxScans)
        std::longjmp(reinterpret_cast<ErrorManager *>(common->err)->jump, 1);
}

bool withinLimits(JDIMENSION width, JDIMENSION height)
{
    return width > 0 && height > 0 && width <= JDIMENSION(JpegLimits::kMaxSide)
        && height <= JDIMENSION(JpegLimits::kMaxSide)
        && quint64(width) * height <= quint64(JpegLimits::kMaxPixels);
}

} // namespace

QImage decodeJpeg(const QByteArray &data)
{
    if (data.isEmpty())
        return {};

    jpeg_decompress_struct info;
    ErrorManager errors;
    jpeg_progress_mgr progress;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = onFatalError;
    errors.base.emit_message = onMessage;
    progress.progress_monitor = onProgress;
    QImage image;

    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        return {};
    }

    jpeg_create_decompress(&info);
    info.progress = &progress;
    // libjpeg keeps whole-image buffers for progressive and multi-scan files; past this it
    // gives up (there is no backing store) rather than asking for more.
    info.mem->max_memory_to_use = JpegLimits::kMaxDecoderMemory;
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char *>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK || !withinLimits(info.image_width, info.image_height)) {
        jpeg_destroy_decompress(&info);
        return {};
    }
    // Straight into the layout of Format_RGB32, so that no second copy of the pixels is needed.
#ifdef JCS_EXTENSIONS
    info.out_color_space = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? JCS_EXT_BGRX : JCS_EXT_XRGB;
    const QImage::Format format = QImage::Format_RGB32;
#else
    info.out_color_space = JCS_RGB;
    const QImage::Format format = QImage::Format_RGB888;
#endif
    jpeg_start_decompress(&info);
    if (!withinLimits(info.output_width, info.output_height)) {
        jpeg_destroy_decompress(&info);
        return {};
    }
    image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height), format);
    if (image.isNull()) {
        jpeg_destroy_decompress(&info);
        return {};
    }
    // Arm the jump again: from here on the image object itself stays untouched (only its
    // pixels are written), so it is still valid when a later error jumps back.
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        return {};
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return format == QImage::Format_RGB32 ? image : image.convertToFormat(QImage::Format_RGB32);
}
