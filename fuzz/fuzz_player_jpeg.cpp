// libFuzzer target for the player's picture loading, reduced for a window's
// picture box: any input is refused with a message and no picture, or read
// into a picture within the size limit.
#include "Jpeg.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QSize box(800, 600);
    QImage img;
    std::string error;
    if (!demo::DecodeJpegData(data, size, img, error, box)) {
        if (error.empty() || !img.isNull()) __builtin_trap();
        return 0;
    }
    if (img.isNull() || static_cast<long long>(img.width()) * img.height() > demo::kMaxPixels) __builtin_trap();
    return 0;
}
