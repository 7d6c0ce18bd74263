#include "ui/platform/jpeg.h"

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

extern "C" void onMessage(j_common_ptr) {}

constexpr JDIMENSION kMaxSide = 8192;

} // namespace

QImage decodeJpeg(const QByteArray &data)
{
    if (data.isEmpty())
        return {};

    jpeg_decompress_struct info;
    ErrorManager errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = onFatalError;
    errors.base.output_message = onMessage;
    // Corrupt-but-decodable data only raises warnings; truncated data would be padded with grey
    // by libjpeg. Both are failures for us.
    QImage image;

    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        return {};
    }

    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char *>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) {
        jpeg_destroy_decompress(&info);
        return {};
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);

    if (info.output_width > kMaxSide || info.output_height > kMaxSide) {
        jpeg_destroy_decompress(&info);
        return {};
    }
    image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                   QImage::Format_RGB888);
    // Arm the jump again: from here on the image object itself stays untouched (only its
    // pixels are written), so it is still valid when a later error jumps back.
    if (image.isNull()) {
        jpeg_destroy_decompress(&info);
        return {};
    }
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        return {};
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    const bool damaged = errors.base.num_warnings > 0;
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    if (damaged)
        return {};
    return image.convertToFormat(QImage::Format_RGB32);
}
