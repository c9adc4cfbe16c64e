#pragma once
// JPEG decoding for the player through libjpeg, with default settings. A
// broken file gives an error text; the process never ends on it.
#include <QImage>
#include <string>

namespace demo {

// Decodes the file into an RGB32 image; false and the error text on failure.
bool DecodeJpegFile(const std::string& path, QImage& out, std::string& error);

} // namespace demo
