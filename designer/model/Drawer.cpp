#include "Drawer.h"

#include "NewPiece.h"

#include <memory>
#include <utility>

namespace zv {

const char* const kDrawerFieldLabels[kDrawerFields] = {"Adancime sertar (fara fata):",
                                                       "Carton peste laterale (mm):",
                                                       "Grosime carton (jos):",
                                                       "Grosime laterale:",
                                                       "Stanga:",
                                                       "Dreapta:",
                                                       "Sus:",
                                                       "Jos:",
                                                       "Latime:",
                                                       "Inaltime:"};

namespace {
FieldRefusal Refused(DrawerField field, const char* why) {
    const int i = static_cast<int>(field);
    return {i, FieldRefusalMessage(kDrawerFieldLabels[i], why)};
}
} // namespace

FieldRefusal CheckDrawer(const DrawerInput& in) {
    using F = DrawerField;
    const std::pair<F, double> sizes[] = {{F::Depth, in.depth},
                                          {F::BottomThickness, in.bottomThickness},
                                          {F::SideThickness, in.sideThickness},
                                          {F::Width, in.width},
                                          {F::Height, in.height}};
    for (const auto& [field, v] : sizes)
        if (!SizeAccepted(v) || v == 0) return Refused(field, kSizeOutOfLimits);
    const std::pair<F, double> distances[] = {
        {F::Overlap, in.overlap}, {F::Left, in.left}, {F::Right, in.right}, {F::Top, in.top}, {F::Bottom, in.bottom}};
    for (const auto& [field, v] : distances)
        if (!SizeAccepted(v)) return Refused(field, "trebuie sa fie intre 0 si 1000000 mm");
    const char* const kNoRoom = "interiorul sertarului nu incape in fata sertarului";
    if (!(in.width - in.left - in.right - 2 * in.sideThickness > 0)) return Refused(F::Width, kNoRoom);
    if (!(in.height - in.top - in.bottom - in.bottomThickness > 0)) return Refused(F::Height, kNoRoom);
    if (in.depth <= in.sideThickness) return Refused(F::Depth, kNoRoom);
    if (in.overlap > in.sideThickness) return Refused(F::Overlap, "cartonul nu poate iesi in afara lateralelor");
    // The boards as the scene would store them, behind a front anywhere.
    const auto scratch = std::make_unique<Scene3D>();
    for (const DrawerBox& b : LayOutDrawer(in)) scratch->AddBox(b.x, b.y, b.z, b.sx, b.sy, b.sz);
    if (const int axis = AxisOutOfLimits(*scratch, 0, scratch->pieceCount); axis >= 0)
        return Refused(axis == 0   ? F::Width
                       : axis == 1 ? F::Height
                                   : F::Depth,
                       "sertarul ar iesi din limita de 1000000 mm fata de origine");
    return {};
}

DrawerLayout LayOutDrawer(const DrawerInput& in) {
    const double x0 = in.x + in.left, x1 = in.x + in.width - in.right;
    const double y0 = in.y + in.bottom, y1 = in.y + in.height - in.top;
    const double t = in.sideThickness;
    const double sideY = y0 + in.bottomThickness, sideH = y1 - sideY;
    // Over the sides the back closes their ends; between them the sides run to the end.
    const double sideDepth = in.backOverSides ? in.depth - t : in.depth;
    const double backX = in.backOverSides ? x0 : x0 + t;
    const double backW = in.backOverSides ? x1 - x0 : x1 - x0 - 2 * t;
    DrawerLayout b;
    b[0] = {"Jos sertar", x0 + t - in.overlap, y0, in.z, x1 - x0 - 2 * t + 2 * in.overlap, in.bottomThickness, in.depth,
            true};
    b[1] = {"Lateral stanga sertar", x0, sideY, in.z, t, sideH, sideDepth, false};
    b[2] = {"Lateral dreapta sertar", x1 - t, sideY, in.z, t, sideH, sideDepth, false};
    b[3] = {"Spate sertar", backX, sideY, in.z + in.depth - t, backW, sideH, t, false};
    return b;
}

std::string DrawerRoomRefusal(const Furniture& f) {
    const Scene3D& s = f.scene;
    if (s.pieceCount + kDrawerBoards > Scene3D::kMaxPieces)
        return "Mobila are prea multe piese. Nu mai pot adauga interiorul sertarului.";
    if (s.pointCount < 0 || s.pointCount + 24 * kDrawerBoards > Scene3D::kMaxPoints)
        return "Mobila are prea multe puncte. Nu mai pot adauga interiorul sertarului.";
    return {};
}

EditResult AddDrawer(Furniture& f, const DrawerLayout& boxes, const DrawerMaterial& bottom,
                     const DrawerMaterial& sides) {
    EditResult r;
    if (!DrawerRoomRefusal(f).empty()) return r;
    r.firstNewPiece = f.scene.pieceCount;
    for (const DrawerBox& b : boxes) {
        const DrawerMaterial& m = b.bottomBoard ? bottom : sides;
        NewPiece p;
        p.name = b.name;
        p.x = b.x;
        p.y = b.y;
        p.z = b.z;
        p.sx = b.sx;
        p.sy = b.sy;
        p.sz = b.sz;
        p.color = m.color;
        p.slot.materialCode = m.code;
        r.newPieces += AppendNewPiece(f, p).newPieces;
    }
    r.extentsChanged = true;
    return r;
}

} // namespace zv
