#include "Picture.h"

#include <csetjmp>
#include <cstdint>
#include <cstdio> // before jpeglib.h, which uses FILE
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <new>
#include <vector>

#include <jpeglib.h>
#include <jerror.h>

namespace zv {

namespace {

// libjpeg's own limit on either side.
constexpr int kMaxJpegSide = 65500;

static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "RGB32 scanlines are read as B, G, R, X bytes");

PictureResult Fail(std::string text) { return {false, std::move(text)}; }
PictureResult Ok() { return {true, {}}; }

std::uint16_t U16(const unsigned char* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
std::uint32_t U32(const unsigned char* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
std::int32_t S32(const unsigned char* p) { return static_cast<std::int32_t>(U32(p)); }
void Put16(unsigned char* p, std::uint32_t v) {
    p[0] = static_cast<unsigned char>(v);
    p[1] = static_cast<unsigned char>(v >> 8);
}
void Put32(unsigned char* p, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<unsigned char>(v >> (8 * i));
}

bool TooManyPixels(std::uint64_t w, std::uint64_t h) {
    return w > static_cast<std::uint64_t>(kMaxPicturePixels) || h > static_cast<std::uint64_t>(kMaxPicturePixels) ||
           w * h > static_cast<std::uint64_t>(kMaxPicturePixels);
}

constexpr const char* kNoMemory = "Memorie insuficienta pentru poza.";

bool ReadWholeFile(const std::string& path, std::vector<unsigned char>& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    bytes.clear();
    unsigned char buf[65536];
    std::size_t n = 0;
    bool ok = true;
    try {
        while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) bytes.insert(bytes.end(), buf, buf + n);
        ok = !std::ferror(f);
    } catch (const std::bad_alloc&) {
        ok = false;
    }
    std::fclose(f);
    return ok;
}

// Writes next to the target and renames into place, so a failed write never
// leaves half a picture under the user's name.
PictureResult WriteWholeFile(const std::string& path, const unsigned char* data, std::size_t size) {
    const std::string tmp = path + ".part";
    std::FILE* f = std::fopen(tmp.c_str(), "wb");
    if (!f) return Fail("Fisierul \"" + path + "\" nu poate fi creat.");
    const bool wrote = std::fwrite(data, 1, size, f) == size;
    const bool closed = std::fclose(f) == 0;
    if (!wrote || !closed) {
        std::remove(tmp.c_str());
        return Fail("Eroare la scrierea fisierului \"" + path + "\".");
    }
    std::error_code ec;
    std::filesystem::rename(tmp, path, ec);
    if (ec) {
        std::remove(tmp.c_str());
        return Fail("Eroare la scrierea fisierului \"" + path + "\".");
    }
    return Ok();
}

PictureResult WithName(PictureResult r, const std::string& path) {
    if (!r.ok) r.error += " (" + path + ")";
    return r;
}

bool LooksLikeBmp(const unsigned char* d, std::size_t n) { return n >= 2 && d[0] == 'B' && d[1] == 'M'; }
bool LooksLikeJpeg(const unsigned char* d, std::size_t n) {
    return n >= 3 && d[0] == 0xFF && d[1] == 0xD8 && d[2] == 0xFF;
}

QImage NewImage(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    return img; // null when it could not be allocated
}

// ---- JPEG ----

struct JpegError {
    jpeg_error_mgr mgr;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
    bool damaged; // a warning that means pixels are missing or wrong
    // The compressor's output buffer, here so it is still known after a longjmp.
    unsigned char* buffer;
    unsigned long bufferSize;
};

[[noreturn]] void JpegErrorExit(j_common_ptr cinfo) {
    auto* e = reinterpret_cast<JpegError*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, e->message);
    std::longjmp(e->jump, 1);
}

// Warnings that say nothing about the pixels: stray bytes between markers,
// an unknown JFIF revision or Adobe transform code, a bad colour profile.
bool HarmlessWarning(int code) {
    return code == JWRN_EXTRANEOUS_DATA || code == JWRN_JFIF_MAJOR || code == JWRN_ADOBE_XFORM ||
           code == JWRN_BOGUS_ICC;
}

// Every other warning means the decoder would fill in or skip pixels: stop
// there rather than decode grey rows to the end of a damaged file.
void JpegDecodeWarning(j_common_ptr cinfo, int level) {
    if (level >= 0) return; // trace messages
    cinfo->err->num_warnings++;
    if (HarmlessWarning(cinfo->err->msg_code)) return;
    auto* e = reinterpret_cast<JpegError*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, e->message);
    e->damaged = true;
    std::longjmp(e->jump, 1);
}

void JpegEncodeWarning(j_common_ptr cinfo, int level) {
    if (level < 0) cinfo->err->num_warnings++;
}

void JpegOutputMessage(j_common_ptr) {}

void InitJpegError(JpegError& e, void (*warning)(j_common_ptr, int)) {
    jpeg_std_error(&e.mgr);
    e.mgr.error_exit = JpegErrorExit;
    e.mgr.emit_message = warning;
    e.mgr.output_message = JpegOutputMessage;
    e.message[0] = 0;
    e.damaged = false;
    e.buffer = nullptr;
    e.bufferSize = 0;
}

std::string JpegDecodeError(const JpegError& e) {
    if (e.damaged) return std::string("Damaged JPEG data: ") + e.message;
    // Over the memory cap: a progressive file too large to hold.
    if (e.mgr.msg_code == JERR_NO_BACKING_STORE || e.mgr.msg_code == JERR_OUT_OF_MEMORY) return kNoMemory;
    return std::string("Invalid JPEG data: ") + e.message;
}

// The decoding itself; kept free of objects with destructors between setjmp
// and longjmp.
bool DecodeJpegInto(const unsigned char* data, std::size_t size, QImage& out, std::string& error) {
    jpeg_decompress_struct cinfo;
    JpegError err;
    InitJpegError(err, JpegDecodeWarning);
    cinfo.err = &err.mgr;
    QImage* volatile img = nullptr;
    unsigned char* volatile cmykRow = nullptr;
    if (setjmp(err.jump)) {
        error = JpegDecodeError(err);
        jpeg_destroy_decompress(&cinfo);
        delete img;
        delete[] cmykRow;
        return false;
    }
    jpeg_create_decompress(&cinfo);
    cinfo.mem->max_memory_to_use = static_cast<long>(kMaxJpegMemory);
    jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
    jpeg_read_header(&cinfo, TRUE);
    // Before jpeg_start_decompress, which is where a progressive file takes
    // memory for all its coefficients.
    if (TooManyPixels(cinfo.image_width, cinfo.image_height)) {
        error = PictureTooLargeText(cinfo.image_width, cinfo.image_height);
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
    cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRX;
    jpeg_calc_output_dimensions(&cinfo);
    const std::uint64_t w = cinfo.output_width, h = cinfo.output_height;
    if (w == 0 || h == 0) {
        error = "Invalid JPEG data: empty picture";
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    img = new (std::nothrow) QImage(NewImage(static_cast<int>(w), static_cast<int>(h)));
    if (cmyk) cmykRow = new (std::nothrow) unsigned char[w * 4];
    if (!img || img->isNull() || (cmyk && !cmykRow)) {
        error = kNoMemory;
        jpeg_destroy_decompress(&cinfo);
        delete img;
        delete[] cmykRow;
        return false;
    }
    jpeg_start_decompress(&cinfo);
    while (cinfo.output_scanline < cinfo.output_height) {
        const int y = static_cast<int>(cinfo.output_scanline);
        unsigned char* line = img->scanLine(y);
        JSAMPROW row = cmyk ? cmykRow : line;
        if (jpeg_read_scanlines(&cinfo, &row, 1) != 1) break;
        if (cmyk) {
            // Adobe writes CMYK inverted: each byte is already 255 - ink.
            for (std::uint64_t x = 0; x < w; ++x) {
                const unsigned c = cmykRow[4 * x], m = cmykRow[4 * x + 1], yy = cmykRow[4 * x + 2],
                               k = cmykRow[4 * x + 3];
                line[4 * x] = static_cast<unsigned char>(yy * k / 255);
                line[4 * x + 1] = static_cast<unsigned char>(m * k / 255);
                line[4 * x + 2] = static_cast<unsigned char>(c * k / 255);
                line[4 * x + 3] = 255;
            }
        }
    }
    const bool whole = cinfo.output_scanline == cinfo.output_height;
    if (whole) jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    delete[] cmykRow;
    if (!whole) {
        error = "Truncated JPEG data";
        delete img;
        return false;
    }
    out = std::move(*img);
    delete img;
    return true;
}

bool EncodeJpegInto(const QImage& src, std::vector<unsigned char>& bytes, std::string& error) {
    jpeg_compress_struct cinfo;
    JpegError err;
    InitJpegError(err, JpegEncodeWarning);
    cinfo.err = &err.mgr;
    if (setjmp(err.jump)) {
        error = std::string("Poza nu poate fi scrisa ca JPEG: ") + err.message;
        jpeg_destroy_compress(&cinfo);
        std::free(err.buffer);
        return false;
    }
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, &err.buffer, &err.bufferSize);
    cinfo.image_width = static_cast<JDIMENSION>(src.width());
    cinfo.image_height = static_cast<JDIMENSION>(src.height());
    cinfo.input_components = 4;
    cinfo.in_color_space = JCS_EXT_BGRX;
    jpeg_set_defaults(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(src.constScanLine(static_cast<int>(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    bool ok = true;
    try {
        bytes.assign(err.buffer, err.buffer + err.bufferSize);
    } catch (const std::bad_alloc&) {
        error = kNoMemory;
        ok = false;
    }
    std::free(err.buffer);
    return ok;
}

QImage AsRgb32(const QImage& img) {
    return img.format() == QImage::Format_RGB32 ? img : img.convertToFormat(QImage::Format_RGB32);
}

} // namespace

std::string PictureTooLargeText(long long width, long long height) {
    return "Poza este prea mare: " + std::to_string(width) + " x " + std::to_string(height) + " pixeli (cel mult " +
           std::to_string(kMaxPicturePixels / (1024 * 1024)) + " megapixeli).";
}

// ---- BMP ----

PictureResult DecodeBmp(const unsigned char* data, std::size_t size, QImage& out) {
    if (!data || size < 14 + 12) return Fail("Truncated BMP header");
    if (!LooksLikeBmp(data, size)) return Fail("Not a BMP file");
    const std::uint64_t pixelOffset = U32(data + 10);
    const std::uint32_t headerSize = U32(data + 14);
    if (headerSize != 12 && headerSize < 40) return Fail("Unsupported BMP header");
    if (14 + static_cast<std::uint64_t>(headerSize) > size) return Fail("Truncated BMP header");
    const unsigned char* ih = data + 14;
    std::int64_t width = 0, height = 0;
    unsigned bpp = 0, compression = 0;
    std::uint64_t coloursUsed = 0;
    unsigned paletteEntrySize = 4;
    if (headerSize == 12) { // the oldest header: 16-bit sizes, 3-byte palette entries
        width = U16(ih + 4);
        height = static_cast<std::int16_t>(U16(ih + 6));
        bpp = U16(ih + 10);
        paletteEntrySize = 3;
    } else {
        width = S32(ih + 4);
        height = S32(ih + 8);
        bpp = U16(ih + 14);
        compression = U32(ih + 16);
        coloursUsed = U32(ih + 32);
    }
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32)
        return Fail("Unsupported BMP bits per pixel");
    // 0 is plain RGB; 3 gives channel masks for 16- and 32-bit pixels.
    if (compression != 0 && !(compression == 3 && (bpp == 16 || bpp == 32)))
        return Fail("Compressed BMP files are not supported");
    const bool topDown = height < 0;
    if (topDown) height = -height;
    if (width <= 0 || height <= 0) return Fail("Invalid BMP size");
    if (TooManyPixels(static_cast<std::uint64_t>(width), static_cast<std::uint64_t>(height)))
        return Fail(PictureTooLargeText(width, height));

    // Channel masks: defaults for plain files, from the header or right after it.
    std::uint32_t masks[3] = {0x00FF0000u, 0x0000FF00u, 0x000000FFu};
    if (bpp == 16) {
        masks[0] = 0x7C00u;
        masks[1] = 0x03E0u;
        masks[2] = 0x001Fu;
    }
    std::uint64_t paletteStart = 14 + static_cast<std::uint64_t>(headerSize);
    if (compression == 3) {
        const std::uint64_t at = headerSize >= 52 ? 14 + 40 : paletteStart;
        if (at + 12 > size) return Fail("Truncated BMP header");
        for (int i = 0; i < 3; ++i) masks[i] = U32(data + at + 4 * i);
        if (headerSize < 52) paletteStart += 12;
    }

    // Palette.
    std::vector<QRgb> palette;
    if (bpp <= 8) {
        const std::uint64_t maxEntries = std::uint64_t(1) << bpp;
        std::uint64_t entries = coloursUsed == 0 || coloursUsed > maxEntries ? maxEntries : coloursUsed;
        const std::uint64_t room = (size > paletteStart ? size - paletteStart : 0) / paletteEntrySize;
        if (pixelOffset > paletteStart) {
            // The pixels start after the palette: never read the table past them.
            const std::uint64_t fit = (pixelOffset - paletteStart) / paletteEntrySize;
            if (fit < entries) entries = fit;
        }
        if (entries > room) return Fail("Error reading palette");
        palette.resize(entries);
        for (std::uint64_t i = 0; i < entries; ++i) {
            const unsigned char* p = data + paletteStart + i * paletteEntrySize;
            palette[i] = qRgb(p[2], p[1], p[0]);
        }
    }

    const std::uint64_t rowBytes = ((static_cast<std::uint64_t>(width) * bpp + 31) / 32) * 4;
    const std::uint64_t pixelBytes = rowBytes * static_cast<std::uint64_t>(height);
    std::uint64_t start = pixelOffset;
    if (start == 0) start = paletteStart + palette.size() * paletteEntrySize;
    if (start > size || pixelBytes > size - start) return Fail("Error reading bitmap data");

    QImage img = NewImage(static_cast<int>(width), static_cast<int>(height));
    if (img.isNull()) return Fail(kNoMemory);

    // A channel of any width, up to all 32 bits, scaled to 0..255.
    struct Channel {
        std::uint32_t mask = 0;
        int shift = 0;
        std::uint64_t max = 0;
        int Get(std::uint32_t v) const {
            if (!max) return 0;
            const std::uint64_t c = (v & mask) >> shift;
            return static_cast<int>((c * 255u + max / 2) / max);
        }
    };
    Channel channel[3];
    for (int c = 0; c < 3; ++c) {
        Channel& ch = channel[c];
        ch.mask = masks[c];
        if (!ch.mask) continue;
        while (!((ch.mask >> ch.shift) & 1u)) ++ch.shift;
        ch.max = ch.mask >> ch.shift;
    }
    auto scale = [&](std::uint32_t v, int c) { return channel[c].Get(v); };
    const bool standard32 = bpp == 32 && masks[0] == 0x00FF0000u && masks[1] == 0x0000FF00u && masks[2] == 0x000000FFu;

    for (std::int64_t row = 0; row < height; ++row) {
        const unsigned char* src = data + start + static_cast<std::uint64_t>(row) * rowBytes;
        const int y = static_cast<int>(topDown ? row : height - 1 - row);
        auto* dst = reinterpret_cast<QRgb*>(img.scanLine(y));
        switch (bpp) {
        case 24:
            for (std::int64_t x = 0; x < width; ++x, src += 3) dst[x] = qRgb(src[2], src[1], src[0]);
            break;
        case 32:
            if (standard32) {
                for (std::int64_t x = 0; x < width; ++x, src += 4) dst[x] = qRgb(src[2], src[1], src[0]);
            } else {
                for (std::int64_t x = 0; x < width; ++x, src += 4) {
                    const std::uint32_t v = U32(src);
                    dst[x] = qRgb(scale(v, 0), scale(v, 1), scale(v, 2));
                }
            }
            break;
        case 16:
            for (std::int64_t x = 0; x < width; ++x, src += 2) {
                const std::uint32_t v = U16(src);
                dst[x] = qRgb(scale(v, 0), scale(v, 1), scale(v, 2));
            }
            break;
        default: { // 1, 4, 8: indices packed from the high bits of each byte
            const unsigned perByte = 8 / bpp, mask = (1u << bpp) - 1u;
            for (std::int64_t x = 0; x < width; ++x) {
                const unsigned byte = src[x / perByte];
                const unsigned shift = 8 - bpp * (1 + static_cast<unsigned>(x % perByte));
                const unsigned idx = (byte >> shift) & mask;
                // An index past a short palette is black rather than a read past it.
                dst[x] = idx < palette.size() ? palette[idx] : qRgb(0, 0, 0);
            }
        }
        }
    }
    out = std::move(img);
    return Ok();
}

PictureResult LoadBmp(const std::string& path, QImage& out) {
    std::vector<unsigned char> bytes;
    if (!ReadWholeFile(path, bytes)) return Fail("Error opening \"" + path + "\"");
    return WithName(DecodeBmp(bytes.data(), bytes.size(), out), path);
}

std::vector<unsigned char> EncodeBmp(const QImage& source) {
    const QImage img = AsRgb32(source);
    const std::uint64_t w = static_cast<std::uint64_t>(img.width()), h = static_cast<std::uint64_t>(img.height());
    const std::uint64_t rowBytes = (w * 3 + 3) / 4 * 4;
    const std::uint64_t imageBytes = rowBytes * h;
    std::vector<unsigned char> out(54 + imageBytes, 0);
    unsigned char* p = out.data();
    p[0] = 'B';
    p[1] = 'M';
    Put32(p + 2, static_cast<std::uint32_t>(out.size() <= 0xFFFFFFFFu ? out.size() : 0));
    Put32(p + 10, 54);
    Put32(p + 14, 40);
    Put32(p + 18, static_cast<std::uint32_t>(w));
    Put32(p + 22, static_cast<std::uint32_t>(h));
    Put16(p + 26, 1);
    Put16(p + 28, 24);
    Put32(p + 34, static_cast<std::uint32_t>(imageBytes <= 0xFFFFFFFFu ? imageBytes : 0));
    Put32(p + 38, 3780); // 96 dpi
    Put32(p + 42, 3780);
    for (std::uint64_t row = 0; row < h; ++row) {
        const auto* src = reinterpret_cast<const QRgb*>(img.constScanLine(static_cast<int>(h - 1 - row)));
        unsigned char* dst = p + 54 + row * rowBytes;
        for (std::uint64_t x = 0; x < w; ++x, dst += 3) {
            const QRgb c = src[x];
            dst[0] = static_cast<unsigned char>(qBlue(c));
            dst[1] = static_cast<unsigned char>(qGreen(c));
            dst[2] = static_cast<unsigned char>(qRed(c));
        }
    }
    return out;
}

PictureResult SaveBmp(const std::string& path, const QImage& img) {
    if (img.isNull() || img.width() <= 0 || img.height() <= 0) return Fail("Nu exista imagine de salvat.");
    // The size fields are 32-bit.
    const std::uint64_t rowBytes = (static_cast<std::uint64_t>(img.width()) * 3 + 3) / 4 * 4;
    if (rowBytes * static_cast<std::uint64_t>(img.height()) + 54 > 0xFFFFFFFFu)
        return Fail("Poza este prea mare pentru un fisier BMP.");
    try {
        const QImage rgb = AsRgb32(img);
        if (rgb.isNull()) return Fail(kNoMemory);
        const std::vector<unsigned char> bytes = EncodeBmp(rgb);
        return WriteWholeFile(path, bytes.data(), bytes.size());
    } catch (const std::bad_alloc&) {
        return Fail(kNoMemory);
    }
}

// ---- JPEG ----

PictureResult DecodeJpeg(const unsigned char* data, std::size_t size, QImage& out) {
    if (!data || size < 4 || !LooksLikeJpeg(data, size)) return Fail("Not a JPEG file");
    std::string error;
    QImage img;
    if (!DecodeJpegInto(data, size, img, error)) return Fail(error);
    out = std::move(img);
    return Ok();
}

PictureResult LoadJpeg(const std::string& path, QImage& out) {
    std::vector<unsigned char> bytes;
    if (!ReadWholeFile(path, bytes)) return Fail("Error opening \"" + path + "\"");
    return WithName(DecodeJpeg(bytes.data(), bytes.size(), out), path);
}

PictureResult EncodeJpeg(const QImage& source, std::vector<unsigned char>& bytes) {
    if (source.isNull() || source.width() <= 0 || source.height() <= 0) return Fail("Nu exista imagine de salvat.");
    if (source.width() > kMaxJpegSide || source.height() > kMaxJpegSide)
        return Fail("Poza este prea mare pentru un fisier JPEG (cel mult 65500 pixeli pe latura).");
    const QImage rgb = AsRgb32(source);
    if (rgb.isNull()) return Fail(kNoMemory);
    std::string error;
    if (!EncodeJpegInto(rgb, bytes, error)) return Fail(error);
    return Ok();
}

PictureResult SaveJpeg(const std::string& path, const QImage& img) {
    std::vector<unsigned char> bytes;
    const PictureResult r = EncodeJpeg(img, bytes);
    if (!r.ok) return r;
    return WriteWholeFile(path, bytes.data(), bytes.size());
}

// ---- by name or content ----

PictureResult LoadPicture(const std::string& path, QImage& out) {
    std::vector<unsigned char> bytes;
    if (!ReadWholeFile(path, bytes)) return Fail("Error opening \"" + path + "\"");
    if (LooksLikeBmp(bytes.data(), bytes.size())) return WithName(DecodeBmp(bytes.data(), bytes.size(), out), path);
    if (LooksLikeJpeg(bytes.data(), bytes.size())) return WithName(DecodeJpeg(bytes.data(), bytes.size(), out), path);
    return Fail("Unknown picture format (" + path + ")");
}

PictureResult SavePicture(const std::string& path, const QImage& img) {
    std::string ext = path.size() >= 4 ? path.substr(path.size() - 4) : std::string();
    for (char& c : ext)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return ext == ".jpg" ? SaveJpeg(path, img) : SaveBmp(path, img);
}

} // namespace zv
