#include "AddFurniture.h"

#include "BoxLimits.h"
#include "WholeEdit.h"

#include <algorithm>
#include <memory>

namespace zv {

namespace {

double OfRange(std::span<const double> t, int from, int to, bool largest) {
    if (t.empty()) return 0.0;
    const int last = static_cast<int>(t.size()) - 1;
    from = std::clamp(from, 0, last);
    to = std::clamp(to, 0, last);
    double r = t[static_cast<std::size_t>(from)];
    for (int i = from + 1; i <= to; ++i) {
        const double v = t[static_cast<std::size_t>(i)];
        if (largest ? v > r : v < r) r = v;
    }
    return r;
}

std::string TooMany(long total, long limit, const char* what) {
    return "Mobila nu poate fi adaugata: impreuna cu mobila curenta ar avea " + std::to_string(total) + " " + what +
           ", peste limita de " + std::to_string(limit) + ".";
}

} // namespace

double MinOfRange(std::span<const double> t, int from, int to) { return OfRange(t, from, to, false); }
double MaxOfRange(std::span<const double> t, int from, int to) { return OfRange(t, from, to, true); }

AddOffsets AddOffsetsFor(const Furniture& current, const Scene3D& staged, AddPosition pos) {
    const Scene3D& s = current.scene;
    const int k = std::min(staged.pointCount, Scene3D::kMaxPoints);
    // Without points on either side there is nothing to measure, and no
    // table slot past the counts is read.
    if (s.pointCount <= 0 || k <= 0) return {};
    const double minX = s.MinX(), maxX = s.MaxX(), minY = s.MinY(), maxY = s.MaxY(), minZ = s.MinZ(), maxZ = s.MaxZ();
    const double aMinX = MinOfRange(staged.X, 0, k - 1), aMaxX = MaxOfRange(staged.X, 0, k - 1);
    const double aMinY = MinOfRange(staged.Y, 0, k - 1), aMaxY = MaxOfRange(staged.Y, 0, k - 1);
    const double aMaxZ = MaxOfRange(staged.Z, 0, k - 1);
    switch (pos) {
    case AddPosition::Stanga: return {minX - aMaxX, minY - aMinY, maxZ - aMaxZ};
    case AddPosition::Dreapta: return {maxX - aMinX, minY - aMinY, maxZ - aMaxZ};
    case AddPosition::Sus: return {minX - aMinX, maxY - aMinY, maxZ - aMaxZ};
    case AddPosition::Jos: return {minX - aMinX, minY - aMaxY, maxZ - aMaxZ};
    case AddPosition::FataStanga: return {minX - aMinX, minY - aMinY, minZ - aMaxZ};
    case AddPosition::FataDreapta: return {maxX - aMaxX, minY - aMinY, minZ - aMaxZ};
    }
    return {};
}

StagedFurniture StageFurniture(const MobilaFile& f, int quarterTurns, AddPosition pos, const Furniture& current) {
    auto scratch = std::make_unique<Furniture>();
    scratch->scene.Init();
    scratch->SetSlotDefaults();
    ReplaceWithMobilaFile(f, *scratch);
    for (int i = 0; i < std::clamp(quarterTurns, 0, 3); ++i) TurnFurniture(*scratch);
    StagedFurniture r;
    r.file = CaptureMobilaFile(*scratch, f.displayMode);
    r.file.oldLayout = f.oldLayout;
    r.addedPointCount = scratch->scene.pointCount;
    r.addedPieceCount = scratch->scene.pieceCount;
    r.offsets = AddOffsetsFor(current, scratch->scene, pos);
    return r;
}

std::string CheckAddFurniture(const MobilaFile& f, const Furniture& current) {
    if (f.points.empty()) return "Mobila din fisier nu are nicio piesa de adaugat.";
    const Scene3D& s = current.scene;
    const long pieces = std::max(s.pieceCount, 0) + static_cast<long>(f.pieces.size());
    if (pieces > kMaxPieces) return TooMany(pieces, kMaxPieces, "piese");
    const long points = std::max(s.pointCount, 0) + static_cast<long>(f.points.size());
    if (points > Scene3D::kMaxPoints) return TooMany(points, Scene3D::kMaxPoints, "puncte");
    // Only the texture entries the added pieces use, and only those of files
    // the open furniture does not use already, take a slot.
    const long textures = std::max(current.textures.count, 0) +
                          static_cast<long>(MergeTextures(f, current).newEntries.size());
    if (textures > kMaxTextureSlots) return TooMany(textures, kMaxTextureSlots, "texturi");
    return {};
}

std::string SharedTextureNote(const MobilaFile& f, const Furniture& current) {
    const std::vector<SharedTexture> shared = MergeTextures(f, current).shared;
    if (shared.empty()) return {};
    std::string note = "Mobila adaugata foloseste texturi ale mobilei curente la alta marime. Piesele ei le primesc "
                       "la marimea din mobila curenta:";
    const auto size = [](const MobilaTexture& t) {
        return std::to_string(t.requestedWidth) + " x " + std::to_string(t.requestedHeight);
    };
    for (const SharedTexture& t : shared)
        note += "\n" + t.file + ": " + size(t.kept) + " (in fisierul adaugat " + size(t.dropped) + ")";
    return note;
}

EditResult AddFurniture(Furniture& model, const MobilaFile& staged, const AddOffsets& off) {
    if (!CheckAddFurniture(staged, model).empty()) return {};
    const auto r = AppendMobilaFile(staged, model, false);
    if (!r) return {};
    Scene3D& s = model.scene;
    for (int i = r->firstPoint; i < r->firstPoint + r->pointCount; ++i) {
        const auto k = static_cast<std::size_t>(i);
        s.X[k] += off.x;
        s.Y[k] += off.y;
        s.Z[k] += off.z;
    }
    s.pointCount += r->pointCount;
    s.pieceCount += r->pieceCount;
    for (int p = r->firstPiece; p < r->firstPiece + r->pieceCount; ++p) s.UpdateObjectCentre(p);
    s.UpdateModelCentre();
    EditResult e;
    e.firstNewPiece = r->firstPiece;
    e.newPieces = r->pieceCount;
    e.extentsChanged = true;
    return e;
}

std::string AddLimitRefusal(const Furniture& model, const MobilaFile& staged, const AddOffsets& off) {
    // The moved boxes as the scene stores them: an offset that swallows a
    // board's size shows only there.
    const auto scratch = std::make_unique<Furniture>(model);
    const EditResult r = AddFurniture(*scratch, staged, off);
    return PiecesWithinLimits(scratch->scene, r.firstNewPiece, r.newPieces) ? std::string() : kAddOutOfLimits;
}

} // namespace zv
