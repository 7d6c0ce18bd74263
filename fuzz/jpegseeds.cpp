// Makes seed files for the JPEG fuzz target from a real picture: a lossless progressive copy,
// optionally declaring another size in its frame header (the scan data stays that of the picture).
// Usage: jpegseeds IN.jpg OUT.jpg [WIDTHxHEIGHT]
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

extern "C" {
#include <jpeglib.h>
}

static std::vector<unsigned char> readAll(const char *path)
{
    std::vector<unsigned char> bytes;
    if (FILE *f = std::fopen(path, "rb")) {
        unsigned char chunk[65536];
        size_t n;
        while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0)
            bytes.insert(bytes.end(), chunk, chunk + n);
        std::fclose(f);
    }
    return bytes;
}

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: jpegseeds IN.jpg OUT.jpg [WIDTHxHEIGHT]\n");
        return 2;
    }
    const std::vector<unsigned char> in = readAll(argv[1]);
    if (in.empty()) {
        std::fprintf(stderr, "jpegseeds: cannot read %s\n", argv[1]);
        return 1;
    }
    jpeg_decompress_struct src;
    jpeg_compress_struct dst;
    jpeg_error_mgr srcErrors, dstErrors;
    src.err = jpeg_std_error(&srcErrors);
    dst.err = jpeg_std_error(&dstErrors);
    jpeg_create_decompress(&src);
    jpeg_create_compress(&dst);
    jpeg_mem_src(&src, in.data(), in.size());
    jpeg_read_header(&src, TRUE);
    jvirt_barray_ptr *coefficients = jpeg_read_coefficients(&src);
    jpeg_copy_critical_parameters(&src, &dst);
    jpeg_simple_progression(&dst);
    unsigned char *out = nullptr;
    unsigned long outSize = 0;
    jpeg_mem_dest(&dst, &out, &outSize);
    jpeg_write_coefficients(&dst, coefficients);
    jpeg_finish_compress(&dst);
    jpeg_finish_decompress(&src);
    jpeg_destroy_compress(&dst);
    jpeg_destroy_decompress(&src);

    unsigned width = 0, height = 0;
    if (argc > 3 && std::sscanf(argv[3], "%ux%u", &width, &height) == 2) {
        // The progressive frame header: FF C2, length, precision, height, width.
        for (unsigned long i = 0; i + 8 < outSize; ++i) {
            if (out[i] == 0xFF && out[i + 1] == 0xC2) {
                out[i + 5] = static_cast<unsigned char>(height >> 8);
                out[i + 6] = static_cast<unsigned char>(height);
                out[i + 7] = static_cast<unsigned char>(width >> 8);
                out[i + 8] = static_cast<unsigned char>(width);
                break;
            }
        }
    }
    FILE *f = std::fopen(argv[2], "wb");
    const bool ok = f && std::fwrite(out, 1, outSize, f) == outSize;
    if (f)
        std::fclose(f);
    std::free(out);
    if (!ok) {
        std::fprintf(stderr, "jpegseeds: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
