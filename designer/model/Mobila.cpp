#include "Mobila.h"

#include "platform/Text.h"

namespace zv {

const char* const kEdgeBandTexts[9] = {"deloc",       "1 lungime",        "1 latime",         "2 lungimi",
                                       "2 latimi",    "1lungime+1latime", "1lungime+2latimi", "2lungimi+1latime",
                                       "jur-imprejur"};

bool PieceHardware::Add(const std::string& code, std::int32_t quantity) {
    if (Full()) return false;
    items_.push_back({CutCode(code), quantity});
    return true;
}

void PieceHardware::RemoveAt(int i) {
    if (i < 0 || i >= Count()) return;
    items_.erase(items_.begin() + i);
}

int PieceHardware::Find(const std::string& code) const {
    for (int i = 0; i < Count(); ++i)
        if (items_[static_cast<std::size_t>(i)].code == code) return i;
    return -1;
}

void PiesaAttributes::CopySlot(const PiesaAttributes& a, int from, int to) {
    if (from < 0 || from >= kMaxPieces || to < 0 || to >= kMaxPieces) return;
    const auto s = static_cast<std::size_t>(from), d = static_cast<std::size_t>(to);
    edgeBand[d] = a.edgeBand[s];
    materialCode[d] = a.materialCode[s];
    hardware[d] = a.hardware[s];
    modelFile[d] = a.modelFile[s];
    modelFace[d] = a.modelFace[s];
    modelRotation[d] = a.modelRotation[s];
    modelMirror[d] = a.modelMirror[s];
    textureFile[d] = a.textureFile[s];
    textureRepeated[d] = a.textureRepeated[s];
    textureRotated[d] = a.textureRotated[s];
    textureIndex[d] = a.textureIndex[s];
}

void PiesaAttributes::ClearSlot(int piece) {
    if (piece < 0 || piece >= kMaxPieces) return;
    const auto k = static_cast<std::size_t>(piece);
    edgeBand[k] = 0;
    materialCode[k].clear();
    hardware[k].Clear();
    modelFile[k].clear();
    modelFace[k] = modelRotation[k] = modelMirror[k] = 0;
    textureFile[k].clear();
    textureRepeated[k] = textureRotated[k] = 0;
    textureIndex[k] = -1;
}

void PiesaAttributes::RemoveSlot(int piece, int pieceCount) {
    if (piece < 0 || piece >= kMaxPieces) return;
    if (pieceCount > kMaxPieces) pieceCount = kMaxPieces;
    for (int j = piece + 1; j < pieceCount; ++j) CopySlot(*this, j, j - 1);
}

void Furniture::SetSlotDefaults() {
    for (int i = 0; i < kMaxPieces; ++i) {
        attrs.textureRepeated[static_cast<std::size_t>(i)] = 1;
        attrs.textureIndex[static_cast<std::size_t>(i)] = -1;
    }
    for (int k = 0; k < kMaxTextureSlots; ++k) {
        textures.requestedWidth[static_cast<std::size_t>(k)] = 500;
        textures.requestedHeight[static_cast<std::size_t>(k)] = 500;
    }
}

void Furniture::ClearContourSlots() {
    for (int i = 0; i < kMaxPieces; ++i) {
        const auto k = static_cast<std::size_t>(i);
        attrs.modelFile[k].clear();
        attrs.modelFace[k] = 0;
        attrs.modelRotation[k] = 0;
        attrs.modelMirror[k] = 0;
    }
}

void Furniture::ResetToNoFurniture() {
    scene.Init();
    scene.miniScale = 0.05;
    hasFileName = true;
    modified = false;
    name.clear();
    fileName.clear();
    projParams.Reset();
    ClearContourSlots();
}

int SortDimensions(double& a, double& b, double& c) {
    const double oa = a, ob = b, oc = c;
    int cls = 1;
    double r0 = oa, r1 = ob, r2 = oc;
    if (oa <= ob && oa <= oc) {
        cls = 2;
        r0 = oc;
        r1 = ob;
        r2 = oa;
    }
    if (ob <= oa && ob <= oc) {
        cls = 0;
        r0 = oa;
        r1 = oc;
        r2 = ob;
    }
    if (oc <= oa && oc <= ob) {
        cls = 1;
        r0 = oa;
        r1 = ob;
        r2 = oc;
    }
    a = r0;
    b = r1;
    c = r2;
    return cls;
}

void RecomputeFurnitureSize(const Scene3D& s, MobilaDimensions& dim) {
    dim.W = s.MaxX() - s.MinX();
    dim.H = s.MaxY() - s.MinY();
    dim.D = s.MaxZ() - s.MinZ();
}

} // namespace zv
