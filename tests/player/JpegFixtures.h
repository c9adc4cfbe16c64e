#pragma once
// JPEG files for the decoder tests of both programs, made with libjpeg here:
// small pictures, the same with a size patched into their frame header (files
// of a few hundred bytes that claim a huge picture), a flat grey picture of
// any size written without encoding every pixel, and the process's peak memory.
#include <sys/resource.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

extern "C" {
#include <jpeglib.h>
}

namespace fixtures {

using Bytes = std::vector<unsigned char>;

// A w x h JPEG with default settings: `components` 1 (grey) or 3 (RGB), every
// sample from `sample(x, y, channel)`; progressive when asked.
template <class Sample> Bytes EncodeJpeg(int w, int h, int components, bool progressive, Sample sample) {
    jpeg_compress_struct c{};
    jpeg_error_mgr e{};
    c.err = jpeg_std_error(&e);
    jpeg_create_compress(&c);
    unsigned char* buf = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&c, &buf, &size);
    c.image_width = static_cast<JDIMENSION>(w);
    c.image_height = static_cast<JDIMENSION>(h);
    c.input_components = components;
    c.in_color_space = components == 1 ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&c);
    if (progressive) jpeg_simple_progression(&c);
    jpeg_start_compress(&c, TRUE);
    std::vector<unsigned char> row(static_cast<std::size_t>(w) * components);
    while (c.next_scanline < c.image_height) {
        const int y = static_cast<int>(c.next_scanline);
        for (int x = 0; x < w; ++x)
            for (int k = 0; k < components; ++k)
                row[static_cast<std::size_t>(x * components + k)] = static_cast<unsigned char>(sample(x, y, k));
        JSAMPROW r = row.data();
        jpeg_write_scanlines(&c, &r, 1);
    }
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    Bytes out(buf, buf + size);
    std::free(buf);
    return out;
}

// A detailed RGB picture, so that most of the file is scan data.
inline Bytes DetailedJpeg(int w, int h, bool progressive = false) {
    return EncodeJpeg(w, h, 3, progressive, [](int x, int y, int k) { return (x * 7 + y * 13 + k * 85) ^ (x * y); });
}

// Offset of the first marker FF xx whose code is in `codes`, past the SOI; npos when none.
inline std::size_t FindMarker(const Bytes& b, std::initializer_list<unsigned char> codes) {
    for (std::size_t i = 2; i + 1 < b.size(); ++i)
        if (b[i] == 0xFF)
            for (unsigned char c : codes)
                if (b[i + 1] == c) return i;
    return std::string::npos;
}

// The frame header (baseline or progressive) with another picture size.
inline Bytes WithSize(Bytes b, unsigned width, unsigned height) {
    const std::size_t sof = FindMarker(b, {0xC0, 0xC2});
    if (sof == std::string::npos) throw std::runtime_error("no frame header");
    b[sof + 5] = static_cast<unsigned char>(height >> 8);
    b[sof + 6] = static_cast<unsigned char>(height);
    b[sof + 7] = static_cast<unsigned char>(width >> 8);
    b[sof + 8] = static_cast<unsigned char>(width);
    return b;
}

// Where the first scan's entropy-coded data starts (after the SOS segment).
inline std::size_t ScanDataStart(const Bytes& b) {
    const std::size_t sos = FindMarker(b, {0xDA});
    if (sos == std::string::npos) throw std::runtime_error("no scan");
    return sos + 2 + ((static_cast<std::size_t>(b[sos + 2]) << 8) | b[sos + 3]);
}

// A flat mid-grey w x h picture (both multiples of 32). With the default
// tables every 8 x 8 block of grey 128 is the same six bits (DC difference 0,
// end of block), so four blocks are the same three bytes: the headers come
// from a 32 x 8 picture that libjpeg encodes, the scan data is repeated.
inline Bytes FlatGreyJpeg(unsigned w, unsigned h) {
    const Bytes small = EncodeJpeg(32, 8, 1, false, [](int, int, int) { return 128; });
    const std::size_t start = ScanDataStart(small);
    if (small.size() != start + 3 + 2) throw std::runtime_error("unexpected scan data for a flat picture");
    const Bytes quad(small.begin() + static_cast<std::ptrdiff_t>(start),
                     small.begin() + static_cast<std::ptrdiff_t>(start) + 3);
    Bytes out = WithSize(Bytes(small.begin(), small.begin() + static_cast<std::ptrdiff_t>(start)), w, h);
    const std::size_t blocks = static_cast<std::size_t>(w / 8) * (h / 8);
    std::size_t at = out.size();
    out.resize(at + blocks / 4 * 3 + 2);
    for (std::size_t i = 0; i < blocks / 4; ++i, at += 3)
        std::copy(quad.begin(), quad.end(), out.begin() + static_cast<std::ptrdiff_t>(at));
    out[at] = 0xFF;
    out[at + 1] = 0xD9;
    return out;
}

inline void WriteFile(const std::string& path, const Bytes& b) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) throw std::runtime_error("cannot write " + path);
    std::fwrite(b.data(), 1, b.size(), f);
    std::fclose(f);
}

// The process's peak resident memory so far, in megabytes.
inline long PeakMemoryMb() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss / 1024;
}

} // namespace fixtures
