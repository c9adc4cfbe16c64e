// libFuzzer target for the designer's JPEG reader: any input is refused with
// a message and no picture, or read into a picture within the size limit.
#include "platform/Picture.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zv;
    QImage img;
    const PictureResult r = DecodeJpeg(data, size, img);
    if (!r.ok) {
        if (r.error.empty() || !img.isNull()) __builtin_trap();
        return 0;
    }
    if (img.isNull() || img.format() != QImage::Format_RGB32 ||
        static_cast<long long>(img.width()) * img.height() > kMaxPicturePixels)
        __builtin_trap();
    return 0;
}
