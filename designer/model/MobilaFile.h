#pragma once
// The furniture file ("mo4" written; "mo2" and "mo4" read). A file is read
// into a MobilaFile value of its own, checked whole, and only then put into a
// model: either replacing the open furniture or appended behind it (merge).
#include "Mobila.h"

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace zv {

// The reader's limits: piece, point, face-per-piece, hardware-per-piece and
// texture counts of one file.
inline constexpr int kFileMaxPieces = 200;
inline constexpr int kFileMaxPoints = 4800;
inline constexpr int kFileMaxFaces = 11;
inline constexpr int kFileMaxHardware = 101;
inline constexpr int kFileMaxTextures = 200;
inline constexpr int kFileReserved = 200; // the integer after the signature
inline constexpr const char* kInvalidFileText = "Fisier invalid.";

// A wrong signature, or a count, length or code out of its range.
class InvalidMobilaFile : public std::runtime_error {
public:
    InvalidMobilaFile() : std::runtime_error(kInvalidFileText) {}
};

struct MobilaPoint {
    double x = 0, y = 0, z = 0;
    bool operator==(const MobilaPoint&) const = default;
};

struct MobilaFace {
    std::int32_t first = 0; // index into the file's own points
    std::int32_t count = 0;
    bool operator==(const MobilaFace&) const = default;
};

// One piece with everything the file holds for it (records A and B, its
// hardware list and material code).
struct MobilaPiece {
    std::int32_t edgeBand = 0;
    std::uint32_t color = 0;
    double cx = 0, cy = 0, cz = 0;
    std::string name; // full length
    std::vector<MobilaFace> faces;
    std::string modelFile;
    std::uint8_t modelFace = 0, modelRotation = 0, modelMirror = 0;
    std::string textureFile;
    std::int32_t textureRotated = 0;
    std::int32_t textureRepeated = 0;
    PieceHardware hardware;
    std::string materialCode;
    bool operator==(const MobilaPiece&) const = default;
};

struct MobilaTexture {
    std::int32_t repeatScale = 0; // per-metre repeat factor
    std::int32_t requestedWidth = 0, requestedHeight = 0;
    std::int32_t width = 0, height = 0;
    bool operator==(const MobilaTexture&) const = default;
};

struct MobilaFile {
    bool oldLayout = false; // read from a "mo2" file: no back type, hardware or codes
    std::string name;
    MobilaDimensions dim; // S is not stored and stays 0
    // Item index of the 3D view's mode list (a main-window control).
    std::int32_t displayMode = 0;
    double rotX = 0, rotY = 0, rotZ = 0;
    double panX = 0, panY = 0, panZ = 0;
    ProjectionViewParams projParams;
    std::int32_t current = 0;
    double modelCx = 0, modelCy = 0, modelCz = 0;
    std::vector<MobilaPoint> points;
    std::vector<MobilaPiece> pieces;
    std::vector<MobilaTexture> textures;
    BackType backType = BackType::Aplicat; // meaningful only when !oldLayout
    bool operator==(const MobilaFile& o) const;
};

// ---- bytes ----
// The "mo4" image of a value.
std::string EncodeMobilaFile(const MobilaFile& f);
// Reads a whole file image. Throws InvalidMobilaFile for a wrong signature or
// a breach of the limits, IoError(100) when the bytes end before the fields do.
MobilaFile DecodeMobilaFile(std::string_view bytes);

// ---- files ----
// Throws IoError when the file cannot be read, and as DecodeMobilaFile.
MobilaFile ReadMobilaFile(const std::string& path);
// Writes beside the target and renames into place, so a failed write leaves
// the previous file whole. Throws IoError.
void WriteMobilaFile(const std::string& path, const MobilaFile& f);

// ---- model ----
// What the file stores of a model; the display mode is a window control's.
MobilaFile CaptureMobilaFile(const Furniture& model, int displayMode);
// Replaces the open furniture by the file's (geometry, view state, dimensions
// W..B, names, per-piece tables, textures, pans, the back type from a "mo4").
// File state, S, zoom, observer and the slots past the file's pieces are left.
// Texture indices of the read pieces become -1 until the atlas is rebuilt.
void ReplaceWithMobilaFile(const MobilaFile& f, Furniture& model);

// Where an appended furniture landed in the model's tables.
struct AppendedRange {
    int firstPoint = 0, pointCount = 0;
    int firstPiece = 0, pieceCount = 0;
    int firstTexture = 0, textureCount = 0; // the new texture entries
};

// A texture file that the atlas can take: a regular file of that name.
bool TextureFileExists(const std::string& name);
// The atlas's slots for a list of texture files: one per distinct file that
// exists (names compared byte for byte), in the order of first use, at most
// kMaxTextureSlots. slots[i] is the slot of files[i], -1 for a missing file
// or one past the last slot. Returns how many distinct existing files there
// are, those past the last slot included.
int TextureSlotsOf(const std::vector<std::string>& files, std::vector<int>& slots);

// A texture file the added furniture shares with the open one, where the two
// ask for different slot sizes: the open furniture's entry is the one kept.
struct SharedTexture {
    std::string file;
    MobilaTexture kept, dropped;
};

// How the file's texture entries go behind the model's: only those its
// pieces use, one per texture file the model's pieces do not use already.
// newEntries[k] is the entry that gets slot model.textures.count + k;
// pieceIndex[j] is the texture index of the file's piece j until the atlas is
// rebuilt (the slot it shares, its new entry, or -1).
struct TextureMerge {
    std::vector<MobilaTexture> newEntries;
    std::vector<std::int32_t> pieceIndex;
    std::vector<SharedTexture> shared;
};
TextureMerge MergeTextures(const MobilaFile& f, const Furniture& model);

// Whether the file's points, pieces and the texture entries its pieces use
// fit behind the model's.
bool FitsBehind(const MobilaFile& f, const Furniture& model);
// Puts the file's points and pieces behind the model's (face first points
// shifted by the model's point count) and appends its names and the texture
// entries of MergeTextures; the model keeps its own back type. With raiseCounts the scene's counts grow
// to take them in and the model centre is recomputed; without, they are only
// staged past the counts. Nothing is changed (nullopt) when they do not fit.
std::optional<AppendedRange> AppendMobilaFile(const MobilaFile& f, Furniture& model, bool raiseCounts);

} // namespace zv
