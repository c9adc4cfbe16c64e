#include "ExportName.h"

#include <cstring>

namespace zv {

std::string ExportFileName(const std::string& furnitureName, const std::string& ending) {
    std::string name = furnitureName;
    for (char& c : name) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b == 0x7F || std::strchr("/\\:*?\"<>|", c)) c = '_';
    }
    return name + ending;
}

} // namespace zv
