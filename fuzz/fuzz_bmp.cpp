// libFuzzer target for the BMP reader: any input is refused with a message
// or read into a whole picture that the writer and reader carry over exactly.
#include "platform/Picture.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zv;
    QImage img;
    const PictureResult r = DecodeBmp(data, size, img);
    if (!r.ok) {
        if (r.error.empty() || !img.isNull()) __builtin_trap();
        return 0;
    }
    if (img.isNull() || static_cast<long long>(img.width()) * img.height() > kMaxPicturePixels) __builtin_trap();
    const std::vector<unsigned char> bytes = EncodeBmp(img);
    QImage back;
    if (!DecodeBmp(bytes.data(), bytes.size(), back).ok || back != img) __builtin_trap();
    return 0;
}
