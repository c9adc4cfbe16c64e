// Writes the sample furniture files again from their builders:
//   zv_write_samples [folder]      (the source tree's data/ by default)
#include "model/MobilaFile.h"
#include "model/SampleFurniture.h"
#include "platform/IoError.h"

#include <iostream>
#include <string>

int main(int argc, char** argv) {
    const std::string folder = argc > 1 ? argv[1] : ZV_DATA_DIR;
    for (const auto& [file, make] : zv::samples::kSampleFiles) {
        const std::string path = folder + "/" + file;
        try {
            zv::WriteMobilaFile(path, zv::CaptureMobilaFile(make(), 0));
        } catch (const zv::IoError& e) {
            std::cerr << path << ": " << e.what() << "\n";
            return 1;
        }
        std::cout << path << "\n";
    }
    return 0;
}
