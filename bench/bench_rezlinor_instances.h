#pragma once
// The published two-dimensional bin-packing instances kept in bench/data/2bp
// (their source is in bench/data/README.md): ten classes, 50 instances each.
#include "core/Layout.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace rzbench {

inline std::filesystem::path InstanceFolder() {
#ifdef ZV_DATA_DIR
    return std::filesystem::path(ZV_DATA_DIR) / ".." / "bench" / "data" / "2bp";
#else
    return std::filesystem::path(__FILE__).parent_path() / "data" / "2bp";
#endif
}

struct Instance {
    std::string name;
    rz::SheetSettings sheet; // the square bin, no kerf, no trim
    std::vector<rz::Piece> pieces;
};

// The rows after the header of a "ID,WIDTH,HEIGHT" file: width along the
// bin's length, height along its width.
inline std::vector<std::pair<double, double>> ReadSizes(const std::filesystem::path& file) {
    std::vector<std::pair<double, double>> out;
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line)) {
        std::stringstream row(line);
        std::string id, w, h;
        if (std::getline(row, id, ',') && std::getline(row, w, ',') && std::getline(row, h, ','))
            out.emplace_back(std::stod(w), std::stod(h));
    }
    return out;
}

// Class 1..10, n = 20, 40, 60, 80 or 100, k = 1..10; empty when the files are missing.
inline Instance ReadInstance(int cls, int n, int k, bool turn) {
    char base[64];
    std::snprintf(base, sizeof base, "Class_%02d.2bp_%d_%d", cls, n, k);
    Instance inst;
    inst.name = base;
    const auto bins = ReadSizes(InstanceFolder() / (std::string(base) + "_bins.csv"));
    if (bins.empty()) return inst;
    inst.sheet = rz::SheetSettings{bins[0].first, bins[0].second, 0, 0, turn, true};
    int i = 0;
    for (const auto& [w, h] : ReadSizes(InstanceFolder() / (std::string(base) + "_items.csv"))) {
        rz::Piece p;
        p.name = "i" + std::to_string(i++);
        p.length = w;
        p.width = h;
        inst.pieces.push_back(p);
    }
    return inst;
}

inline constexpr int kSizes[] = {20, 40, 60, 80, 100};

// Sheets summed over the 50 instances of a class: the area bound and the
// reference figures (off: no turning, on: turning), from the data's note.
struct ClassFigures {
    const char* name;
    int bound, refOff, refOn;
};
inline constexpr ClassFigures kClasses[] = {
    {"I", 927, 998, 972},     {"II", 124, 125, 124}, {"III", 629, 708, 682}, {"IV", 119, 124, 119},
    {"V", 786, 900, 866},     {"VI", 108, 114, 109}, {"VII", 719, 828, 758}, {"VIII", 721, 835, 765},
    {"IX", 1371, 2130, 2119}, {"X", 476, 511, 493},
};
inline constexpr int kRefTotalOff = 7273, kRefTotalOn = 7007;

} // namespace rzbench
