#pragma once
// Reading and writing the pictures the designer uses: BMP (24-bit written;
// 1-, 4-, 8-, 24- and 32-bit read) and JPEG through libjpeg with default
// settings. Every failure is reported to the caller, never by ending the process.
#include <QImage>
#include <string>
#include <vector>

namespace zv {

// The most pixels a picture may have, whatever its kind: a real photograph
// fits, and a header that claims more is refused before anything is allocated.
inline constexpr long long kMaxPicturePixels = 64LL * 1024 * 1024;
// libjpeg's own memory (a progressive file's coefficients) is capped at this.
inline constexpr long long kMaxJpegMemory = 10 * kMaxPicturePixels;

// "Poza este prea mare: W x H pixeli (cel mult 64 megapixeli)."
std::string PictureTooLargeText(long long width, long long height);

struct PictureResult {
    bool ok = false;
    std::string error; // user-facing text when !ok
};

// Reads a BMP or JPEG file (chosen by content) into an RGB32 image.
PictureResult LoadPicture(const std::string& path, QImage& out);
PictureResult LoadBmp(const std::string& path, QImage& out);
PictureResult LoadJpeg(const std::string& path, QImage& out);
// From memory, for tests and readers that already hold the bytes.
PictureResult DecodeBmp(const unsigned char* data, std::size_t size, QImage& out);
PictureResult DecodeJpeg(const unsigned char* data, std::size_t size, QImage& out);

// Writes a 24-bit BMP or a default-quality JPEG.
PictureResult SaveBmp(const std::string& path, const QImage& img);
PictureResult SaveJpeg(const std::string& path, const QImage& img);
// The same into memory. EncodeBmp expects a non-empty picture whose pixels
// fit the 32-bit size fields (SaveBmp checks both).
std::vector<unsigned char> EncodeBmp(const QImage& img);
PictureResult EncodeJpeg(const QImage& img, std::vector<unsigned char>& bytes);
// By the name's ending: ".jpg" is JPEG, everything else BMP.
PictureResult SavePicture(const std::string& path, const QImage& img);

} // namespace zv
