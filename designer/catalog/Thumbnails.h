#pragma once
// The thumbnail strip of a catalogue window: one slot per row, every picture
// decoded and scaled once, then only copied when the grid paints.
#include <QImage>
#include <string>
#include <vector>

namespace zv {

// Loads a catalogue picture: a BMP when the name ends in ".bmp", else JPEG.
// False (nothing shown, no message) when the file is missing or unreadable.
bool LoadCataloguePicture(const std::string& fileName, QImage& out);

// A white 24-bit strip of StripSlots(pictures.size(), ...) slots of thumbW x
// thumbH with each picture drawn into its slot, proportions kept. Missing
// pictures leave their slot white. A null image when the strip cannot be sized.
QImage BuildThumbnailStrip(const std::vector<std::string>& pictures, int thumbW, int thumbH);

} // namespace zv
