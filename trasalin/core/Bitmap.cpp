#include "core/Bitmap.h"

#include "platform/Picture.h"

#include <algorithm>
#include <csetjmp>
#include <cstdint>
#include <cstdio>

extern "C" {
#include <jpeglib.h>
}

namespace trasalin {

Bitmap::Bitmap(int width, int height)
    : w_(std::max(width, 0)), h_(std::max(height, 0)),
      bits_(static_cast<std::size_t>(w_) * static_cast<std::size_t>(h_), 0) {}

std::size_t Bitmap::InkCount() const { return static_cast<std::size_t>(std::count(bits_.begin(), bits_.end(), 1)); }

QImage Bitmap::ToImage() const {
    QImage img(w_, h_, QImage::Format_RGB32);
    for (int y = 0; y < h_; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        const std::uint8_t* row = bits_.data() + Index(0, y);
        for (int x = 0; x < w_; ++x) line[x] = row[x] ? 0xFF000000u : 0xFFFFFFFFu;
    }
    return img;
}

Bitmap Bitmap::FromImage(const QImage& picture) {
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    Bitmap b(rgb.width(), rgb.height());
    for (int y = 0; y < b.h_; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < b.w_; ++x) b.bits_[b.Index(x, y)] = qGray(line[x]) < 128 ? 1 : 0;
    }
    return b;
}

namespace {

struct FileCloser {
    std::FILE* f;
    ~FileCloser() {
        if (f) std::fclose(f);
    }
};

std::uint32_t U32(const unsigned char* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}
std::uint16_t U16(const unsigned char* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }

// The two header forms: the oldest with 16-bit sizes, the others with 32-bit
// ones (a negative height is a top-down picture).
PictureHeader BmpHeader(std::FILE* f) {
    unsigned char h[26];
    PictureHeader r;
    r.check = PictureHeader::Check::Damaged;
    if (std::fread(h, 1, sizeof h, f) != sizeof h) return r;
    const std::uint32_t headerSize = U32(h + 14);
    if (headerSize == 12) {
        r.width = U16(h + 18);
        r.height = static_cast<std::int16_t>(U16(h + 20));
    } else if (headerSize >= 40) {
        r.width = static_cast<std::int32_t>(U32(h + 18));
        r.height = static_cast<std::int32_t>(U32(h + 22));
    } else {
        return r;
    }
    if (r.height < 0) r.height = -r.height;
    if (r.width > 0 && r.height > 0) r.check = PictureHeader::Check::Ok;
    return r;
}

struct JpegErrors {
    jpeg_error_mgr mgr;
    std::jmp_buf jump;
};
[[noreturn]] void JpegFails(j_common_ptr cinfo) { std::longjmp(reinterpret_cast<JpegErrors*>(cinfo->err)->jump, 1); }
void JpegQuiet(j_common_ptr, int) {}

// libjpeg reads the markers up to the first scan and stops: the pixels are
// never decoded. Kept free of objects with destructors between setjmp and longjmp.
PictureHeader JpegHeader(std::FILE* f) {
    PictureHeader r;
    r.check = PictureHeader::Check::Damaged;
    jpeg_decompress_struct cinfo;
    JpegErrors err;
    cinfo.err = jpeg_std_error(&err.mgr);
    err.mgr.error_exit = JpegFails;
    err.mgr.emit_message = JpegQuiet;
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return r;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_stdio_src(&cinfo, f);
    if (jpeg_read_header(&cinfo, TRUE) == JPEG_HEADER_OK && cinfo.image_width > 0 && cinfo.image_height > 0) {
        r.check = PictureHeader::Check::Ok;
        r.width = cinfo.image_width;
        r.height = cinfo.image_height;
    }
    jpeg_destroy_decompress(&cinfo);
    return r;
}

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

} // namespace

PictureHeader ReadPictureHeader(const std::string& path) {
    FileCloser file{std::fopen(path.c_str(), "rb")};
    if (!file.f) return {};
    unsigned char magic[3] = {0, 0, 0};
    const std::size_t n = std::fread(magic, 1, sizeof magic, file.f);
    std::rewind(file.f);
    if (n >= 2 && magic[0] == 'B' && magic[1] == 'M') return BmpHeader(file.f);
    if (n == 3 && magic[0] == 0xFF && magic[1] == 0xD8 && magic[2] == 0xFF) return JpegHeader(file.f);
    PictureHeader r;
    r.check = PictureHeader::Check::NotAPicture;
    return r;
}

FileResult LoadDrawing(const std::string& path, Bitmap& out) {
    const PictureHeader h = ReadPictureHeader(path);
    switch (h.check) {
    case PictureHeader::Check::CannotOpen: return {false, "Nu pot deschide fisierul " + Quoted(path) + "."};
    case PictureHeader::Check::NotAPicture:
        return {false, "Fisierul " + Quoted(path) + " nu este o poza BMP sau JPEG."};
    case PictureHeader::Check::Damaged: return {false, "Poza din fisierul " + Quoted(path) + " este deteriorata."};
    case PictureHeader::Check::Ok: break;
    }
    if (h.width > kMaxSide || h.height > kMaxSide)
        return {false, "Desenul din fisierul " + Quoted(path) + " este prea mare: " + std::to_string(h.width) + " x " +
                           std::to_string(h.height) + " puncte (cel mult " + std::to_string(kMaxSide) + " x " +
                           std::to_string(kMaxSide) + ")."};
    QImage img;
    if (!zv::LoadPicture(path, img).ok)
        return {false, "Nu pot citi poza din fisierul " + Quoted(path) +
                           ": fisierul este deteriorat sau de un fel necunoscut."};
    out = Bitmap::FromImage(img);
    return {true, {}};
}

FileResult SaveDrawing(const std::string& path, const Bitmap& bitmap) {
    if (!zv::SaveBmp(path, bitmap.ToImage()).ok) return {false, "Nu pot scrie fisierul " + Quoted(path) + "."};
    return {true, {}};
}

} // namespace trasalin
