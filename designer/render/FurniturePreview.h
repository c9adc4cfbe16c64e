#pragma once
// A small software-drawn picture of a furniture file, for the open dialog's preview.
#include <QImage>
#include <string>

namespace zv {

// The furniture of the file drawn lit, fitted to width x height, with its name
// and sizes underneath; a picture saying why when the file cannot be read.
QImage FurniturePreview(const std::string& path, int width, int height);

} // namespace zv
