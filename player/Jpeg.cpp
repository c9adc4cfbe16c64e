#include "Jpeg.h"

#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <new>

extern "C" {
#include <jpeglib.h>
#include <jerror.h>
}

static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "RGB32 scanlines are written as B, G, R, X bytes");

namespace demo {

namespace {
struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
    bool damaged; // stopped at a warning that means pixels are missing or wrong
};

[[noreturn]] void OnError(j_common_ptr cinfo) {
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

// Stray bytes between markers, an unknown JFIF revision or Adobe transform
// code and a bad colour profile leave the pixels whole.
bool Harmless(int code) {
    return code == JWRN_EXTRANEOUS_DATA || code == JWRN_JFIF_MAJOR || code == JWRN_ADOBE_XFORM ||
           code == JWRN_BOGUS_ICC;
}

// Any other warning (a file cut short, a bad code) stops the decoding there.
void OnMessage(j_common_ptr cinfo, int level) {
    if (level >= 0) return;
    cinfo->err->num_warnings++;
    if (Harmless(cinfo->err->msg_code)) return;
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    err->damaged = true;
    std::longjmp(err->jump, 1);
}

// What went wrong, told in words by FaultText once the file's name is known.
enum class Fault { Damaged, Invalid, NoMemory, TooLarge, Empty };

Fault FaultOf(const ErrorManager& err) {
    if (err.damaged) return Fault::Damaged;
    if (err.pub.msg_code == JERR_NO_BACKING_STORE || err.pub.msg_code == JERR_OUT_OF_MEMORY) return Fault::NoMemory;
    return Fault::Invalid;
}

// Each message starts with the picture: "Poza" alone, or 'Poza din fisierul "2.jpg"'.
std::string FaultText(Fault fault, const std::string& file, long long width, long long height) {
    const std::string picture = file.empty() ? "poza" : "poza din fisierul \"" + file + "\"";
    const std::string head = "P" + picture.substr(1);
    switch (fault) {
    case Fault::Damaged: return head + " este deteriorata sau incompleta.";
    case Fault::Invalid: return head + " nu poate fi citita: nu este o poza JPEG valida.";
    case Fault::NoMemory: return "Nu este destula memorie pentru " + picture + ".";
    case Fault::Empty: return head + " nu are niciun punct.";
    case Fault::TooLarge: break;
    }
    return head + " este prea mare: " + std::to_string(width) + " x " + std::to_string(height) + " pixeli (cel mult " +
           std::to_string(kMaxPixels / (1024 * 1024)) + " megapixeli).";
}

struct Failure {
    Fault fault = Fault::Invalid;
    long long width = 0, height = 0;
};

struct Source {
    std::FILE* file = nullptr;
    const unsigned char* data = nullptr;
    std::size_t size = 0;
};

// Kept free of objects with destructors between setjmp and longjmp.
bool Decode(const Source& src, QImage& out, Failure& failure, QSize box) {
    jpeg_decompress_struct cinfo;
    ErrorManager err;
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = OnError;
    err.pub.emit_message = OnMessage;
    err.message[0] = 0;
    err.damaged = false;
    QImage* volatile img = nullptr;
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&cinfo);
        delete img;
        failure.fault = FaultOf(err);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    cinfo.mem->max_memory_to_use = static_cast<long>(kMaxJpegMemory);
    if (src.file)
        jpeg_stdio_src(&cinfo, src.file);
    else
        jpeg_mem_src(&cinfo, src.data, static_cast<unsigned long>(src.size));
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_EXT_BGRX;
    cinfo.scale_num = static_cast<unsigned>(
        ScaleEighthsFor(cinfo.image_width, cinfo.image_height, box.width(), box.height()));
    cinfo.scale_denom = 8;
    jpeg_calc_output_dimensions(&cinfo);
    // Checked before jpeg_start_decompress, which allocates; a progressive
    // file's coefficients there are bounded by the memory cap.
    const std::uint64_t w = cinfo.output_width, h = cinfo.output_height;
    if (w == 0 || h == 0 || w * h > static_cast<std::uint64_t>(kMaxPixels)) {
        jpeg_destroy_decompress(&cinfo);
        failure = {w == 0 || h == 0 ? Fault::Empty : Fault::TooLarge, cinfo.image_width, cinfo.image_height};
        return false;
    }
    img = new (std::nothrow) QImage(static_cast<int>(w), static_cast<int>(h), QImage::Format_RGB32);
    if (!img || img->isNull()) {
        jpeg_destroy_decompress(&cinfo);
        delete img;
        failure.fault = Fault::NoMemory;
        return false;
    }
    jpeg_start_decompress(&cinfo);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = img->scanLine(static_cast<int>(cinfo.output_scanline));
        if (jpeg_read_scanlines(&cinfo, &row, 1) != 1) break;
    }
    const bool whole = cinfo.output_scanline == cinfo.output_height;
    if (whole) jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    if (!whole) {
        delete img;
        failure.fault = Fault::Damaged;
        return false;
    }
    out = std::move(*img);
    delete img;
    return true;
}

struct FileCloser {
    std::FILE* f;
    ~FileCloser() {
        if (f) std::fclose(f);
    }
};
} // namespace

std::string TooLargeText(long long width, long long height) { return FaultText(Fault::TooLarge, {}, width, height); }

int ScaleEighthsFor(long long width, long long height, int boxW, int boxH) {
    if (boxW <= 0 || boxH <= 0 || width <= 0 || height <= 0) return 8;
    // libjpeg rounds a scaled side up.
    auto side = [](long long full, int m) { return (full * m + 7) / 8; };
    for (int m = 1; m < 8; ++m)
        if (side(width, m) >= boxW && side(height, m) >= boxH) return m;
    return 8;
}

bool DecodeJpegFile(const std::string& path, QImage& out, std::string& error, QSize box) {
    FileCloser file{std::fopen(path.c_str(), "rb")};
    if (!file.f) {
        error = "Nu pot deschide fisierul \"" + path + "\".";
        return false;
    }
    Source src;
    src.file = file.f;
    Failure failure;
    if (!Decode(src, out, failure, box)) {
        error = FaultText(failure.fault, path, failure.width, failure.height);
        return false;
    }
    return true;
}

bool DecodeJpegData(const unsigned char* data, std::size_t size, QImage& out, std::string& error, QSize box) {
    Failure failure;
    if (!data || size == 0) {
        error = FaultText(Fault::Invalid, {}, 0, 0);
        return false;
    }
    Source src;
    src.data = data;
    src.size = size;
    if (Decode(src, out, failure, box)) return true;
    error = FaultText(failure.fault, {}, failure.width, failure.height);
    return false;
}

} // namespace demo
