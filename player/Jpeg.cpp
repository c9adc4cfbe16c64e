#include "Jpeg.h"

#include <csetjmp>
#include <cstdio>
#include <vector>

extern "C" {
#include <jpeglib.h>
}

namespace demo {

namespace {
struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void OnError(j_common_ptr cinfo) {
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

void OnMessage(j_common_ptr, int) {} // warnings are not shown

struct FileCloser {
    std::FILE* f;
    ~FileCloser() {
        if (f) std::fclose(f);
    }
};
} // namespace

bool DecodeJpegFile(const std::string& path, QImage& out, std::string& error) {
    FileCloser file{std::fopen(path.c_str(), "rb")};
    if (!file.f) {
        error = "Nu pot deschide fisierul " + path;
        return false;
    }
    jpeg_decompress_struct cinfo{};
    ErrorManager err{};
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = OnError;
    err.pub.emit_message = OnMessage;
    // Declared before the jump point so nothing with a destructor is skipped.
    std::vector<unsigned char> row;
    QImage img;
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&cinfo);
        error = std::string("JPEG error: ") + err.message;
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_stdio_src(&cinfo, file.f);
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    const JDIMENSION w = cinfo.output_width, h = cinfo.output_height;
    if (w == 0 || h == 0 || cinfo.output_components != 3 || w > 30000 || h > 30000) {
        jpeg_destroy_decompress(&cinfo);
        error = "JPEG error: unsupported picture size";
        return false;
    }
    img = QImage(static_cast<int>(w), static_cast<int>(h), QImage::Format_RGB32);
    row.resize(static_cast<std::size_t>(w) * 3);
    while (cinfo.output_scanline < h) {
        JSAMPROW rows[1] = {row.data()};
        const JDIMENSION y = cinfo.output_scanline;
        if (jpeg_read_scanlines(&cinfo, rows, 1) != 1) break;
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(static_cast<int>(y)));
        for (JDIMENSION x = 0; x < w; ++x) line[x] = qRgb(row[x * 3], row[x * 3 + 1], row[x * 3 + 2]);
    }
    const bool whole = cinfo.output_scanline == h;
    // A truncated file makes libjpeg pad with grey and warn: that is not a whole picture.
    const bool warned = err.pub.num_warnings > 0;
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    if (!whole || warned) {
        error = "JPEG error: the file is damaged or incomplete";
        return false;
    }
    out = std::move(img);
    return true;
}

} // namespace demo
