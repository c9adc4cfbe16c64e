#include "Drawer.h"

#include "NewPiece.h"

namespace zv {

std::string DrawerRefusal(const DrawerInput& in) {
    for (double v : {in.width, in.height, in.depth, in.bottomThickness, in.sideThickness})
        if (!(v > 0)) return "Dimensiunile sertarului si grosimile trebuie sa fie mai mari decat zero.";
    for (double v : {in.left, in.right, in.top, in.bottom, in.overlap})
        if (!(v >= 0)) return "Distantele fata de margini si cartonul peste laterale nu pot fi negative.";
    const double inner = in.width - in.left - in.right - 2 * in.sideThickness;
    const double high = in.height - in.top - in.bottom - in.bottomThickness;
    if (!(inner > 0) || !(high > 0) || in.depth <= in.sideThickness)
        return "Interiorul sertarului nu incape in fata sertarului.";
    if (in.overlap > in.sideThickness) return "Cartonul nu poate iesi in afara lateralelor.";
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
