#pragma once
// JPEG decoding for the player through libjpeg, with default settings. A
// broken or oversized file gives an error text; the process never ends on it.
#include <QImage>
#include <QSize>
#include <cstddef>
#include <string>

namespace demo {

// The most pixels a decoded picture may have, and the cap on libjpeg's own
// memory (what a progressive file needs for its coefficients).
inline constexpr long long kMaxPixels = 64LL * 1024 * 1024;
inline constexpr long long kMaxJpegMemory = 10 * kMaxPixels;

// "Poza este prea mare: W x H pixeli (cel mult 64 megapixeli)."
std::string TooLargeText(long long width, long long height);

// libjpeg decodes at M/8 of the full size. The least M (1..8) whose picture
// still covers a box of boxW x boxH, so a huge photograph is never decoded
// whole to be shrunk on screen; 8 when the box is empty or the picture is
// smaller than the box.
int ScaleEighthsFor(long long width, long long height, int boxW, int boxH);

// Decodes the file into an RGB32 image, reduced to no more than `box` needs
// (full size for an empty box); false and the error text on failure. A
// damaged file stops at its first fault and gives no picture.
bool DecodeJpegFile(const std::string& path, QImage& out, std::string& error, QSize box = {});
// The same from memory.
bool DecodeJpegData(const unsigned char* data, std::size_t size, QImage& out, std::string& error, QSize box = {});

} // namespace demo
