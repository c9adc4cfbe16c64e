#pragma once
// The furniture model the main window owns for the whole run, apart from the
// geometry (Scene3D): dimensions, per-piece tables, piece names, the texture
// table and the file state. No widgets: files and undo are tested without a display.
#include "Scene3D.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace zv {

inline constexpr int kMaxPieces = Scene3D::kMaxPieces;
inline constexpr int kMaxHardware = 101;
inline constexpr int kMaxTextureSlots = 200;

struct MobilaDimensions {
    double W = 0, H = 0, D = 0; // width, height, depth (from the extents)
    double G = 0;               // chipboard thickness
    double P = 0;               // fibreboard (back) thickness
    double B = 0;               // nail border of the back
    double S = 0;               // plinth height, not saved
    bool operator==(const MobilaDimensions&) const = default;
};

struct HardwareEntry {
    std::string code; // at most 10 characters
    std::int32_t quantity = 0;
    bool operator==(const HardwareEntry&) const = default;
};

// The hardware list of one piece: at most 101 entries.
class PieceHardware {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    const HardwareEntry& At(int i) const { return items_[static_cast<std::size_t>(i)]; }
    HardwareEntry& At(int i) { return items_[static_cast<std::size_t>(i)]; }
    bool Full() const { return Count() >= kMaxHardware; }
    // Appends; false (nothing added) when the list already holds 101 entries.
    bool Add(const std::string& code, std::int32_t quantity);
    void RemoveAt(int i);
    int Find(const std::string& code) const; // exact match, -1 when absent
    void Clear() { items_.clear(); }
    const std::vector<HardwareEntry>& Items() const { return items_; }
    bool operator==(const PieceHardware&) const = default;

private:
    std::vector<HardwareEntry> items_;
};

// Texts of the edge-band codes 0..8.
extern const char* const kEdgeBandTexts[9];

struct PiesaAttributes {
    std::array<std::int32_t, kMaxPieces> edgeBand{};
    std::array<std::string, kMaxPieces> materialCode;
    std::array<PieceHardware, kMaxPieces> hardware;
    std::array<std::string, kMaxPieces> modelFile;    // contour model; empty = "Fara model"
    std::array<std::uint8_t, kMaxPieces> modelFace{}; // 0 thin along Y, 1 along Z, 2 along X
    std::array<std::uint8_t, kMaxPieces> modelRotation{};
    std::array<std::uint8_t, kMaxPieces> modelMirror{};
    std::array<std::string, kMaxPieces> textureFile;
    std::array<std::int32_t, kMaxPieces> textureRepeated{};
    std::array<std::int32_t, kMaxPieces> textureRotated{};
    std::array<std::int32_t, kMaxPieces> textureIndex{};

    // Moves slots after `piece` down by one, as deleting a piece shifts the tables.
    void RemoveSlot(int piece, int pieceCount);
    // Copies every table's slot `from` of `source` into slot `to` here.
    void CopySlot(const PiesaAttributes& source, int from, int to);
    // Empties every table's slot: no band, no material, no hardware, no
    // model, no texture (index -1, both texture flags 0).
    void ClearSlot(int piece);

    bool operator==(const PiesaAttributes&) const = default;
};

// The stored part of the texture atlas: one slot per distinct texture.
struct TextureTable {
    std::int32_t count = 0;
    std::array<std::int32_t, kMaxTextureSlots> requestedWidth{};
    std::array<std::int32_t, kMaxTextureSlots> requestedHeight{};
    std::array<std::int32_t, kMaxTextureSlots> width{};
    std::array<std::int32_t, kMaxTextureSlots> height{};
    std::array<std::int32_t, kMaxTextureSlots> repeatScale{};
    bool operator==(const TextureTable&) const = default;
};

// Back of the carcass: applied behind it or inset into it.
enum class BackType : std::int32_t { Aplicat = 0, Incastrat = 1 };

struct ProjectionViewParams {
    double x[3] = {10.0, 10.0, 10.0};
    double y[3] = {10.0, 10.0, 10.0};
    void Reset() {
        for (int i = 0; i < 3; ++i) x[i] = y[i] = 10.0;
    }
    bool operator==(const ProjectionViewParams&) const = default;
};

// Everything the furniture file stores and the undo copies lives here.
struct Furniture {
    Scene3D scene;
    MobilaDimensions dim;
    PiesaAttributes attrs;
    std::vector<std::string> pieceNames; // index = piece index
    TextureTable textures;
    ProjectionViewParams projParams;
    BackType backType = BackType::Aplicat;
    std::int32_t exteriorView = 1;
    std::string name; // at most 50 characters

    // File state.
    std::string fileName;
    bool hasFileName = true;
    bool modified = false;
    unsigned saveCount = 0; // successful saves, so an undo after a save stays modified

    // Per-slot defaults set when the main window is first shown.
    void SetSlotDefaults();
    // Contour-model slots emptied (main window creation).
    void ClearContourSlots();
    // No furniture open (start-up and closing the project): a fresh scene,
    // no name, no file, the mini-view pans and the contour slots reset. The
    // piece names and the other per-piece tables keep their values until a
    // new furniture or a file replaces them.
    void ResetToNoFurniture();
    // The save question rule: ask when there is no file name or the model changed.
    bool NeedsSaveQuestion() const { return !hasFileName || modified; }

    // The whole value: geometry, every table, names and file state.
    bool operator==(const Furniture&) const = default;
};

// Reorders a, b, c so that the smallest is last; returns the axis class
// (2 thin along X, 0 thin along Y, 1 thin along Z).
int SortDimensions(double& a, double& b, double& c);

// W, H, D from the extents of the scene.
void RecomputeFurnitureSize(const Scene3D& scene, MobilaDimensions& dim);

} // namespace zv
