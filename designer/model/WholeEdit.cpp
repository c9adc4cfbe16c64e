#include "WholeEdit.h"
#include "BoxLimits.h"

#include "platform/Text.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace zv {

namespace {

std::array<double, Scene3D::kPointSlots>& Coords(Scene3D& s, int axis) {
    return axis == 0 ? s.X : axis == 1 ? s.Y : s.Z;
}

bool InTable(int i) { return i >= 0 && i < Scene3D::kPointSlots; }

// Calls fn(point) for every point of every face of the piece inside the tables.
template <class Fn> void ForPiecePoints(const Scene3D& s, int piece, Fn fn) {
    const int fc = std::min<int>(s.faceCount[piece], Scene3D::kMaxFaces);
    for (int f = 0; f < fc; ++f)
        for (int k = 0; k < s.facePoints[piece][f]; ++k)
            if (InTable(s.faceFirst[piece][f] + k)) fn(s.faceFirst[piece][f] + k);
}

// A piece on one axis: its min face, max face and the mean of its points.
struct Span {
    double lo = 0, hi = 0, mid = 0;
};

Span PieceSpan(const Scene3D& s, int piece, int axis) {
    const auto& t = axis == 0 ? s.X : axis == 1 ? s.Y : s.Z;
    Span r;
    double sum = 0;
    int n = 0;
    ForPiecePoints(s, piece, [&](int i) {
        const double v = t[static_cast<std::size_t>(i)];
        if (n == 0 || v < r.lo) r.lo = v;
        if (n == 0 || v > r.hi) r.hi = v;
        sum += v;
        ++n;
    });
    r.mid = n > 0 ? sum / n : 0.0;
    return r;
}

// The axis across which the piece is thinnest (0 X, 1 Y, 2 Z).
int ThinAxis(const Scene3D& s, int piece) {
    double dx = PieceSpan(s, piece, 0).hi - PieceSpan(s, piece, 0).lo;
    double dy = PieceSpan(s, piece, 1).hi - PieceSpan(s, piece, 1).lo;
    double dz = PieceSpan(s, piece, 2).hi - PieceSpan(s, piece, 2).lo;
    const int cls = SortDimensions(dx, dy, dz); // 2 thin along X, 0 along Y, 1 along Z
    return cls == 2 ? 0 : cls == 0 ? 1 : 2;
}

double Extent(const Scene3D& s, int axis) {
    return axis == 0 ? s.MaxX() - s.MinX() : axis == 1 ? s.MaxY() - s.MinY() : s.MaxZ() - s.MinZ();
}
double Minimum(const Scene3D& s, int axis) { return axis == 0 ? s.MinX() : axis == 1 ? s.MinY() : s.MinZ(); }

void Along(int axis, double v, double& dx, double& dy, double& dz) {
    dx = axis == 0 ? v : 0.0;
    dy = axis == 1 ? v : 0.0;
    dz = axis == 2 ? v : 0.0;
}

void UpdateCentres(Scene3D& s) {
    for (int i = 0; i < s.pieceCount && i < Scene3D::kMaxPieces; ++i) s.UpdateObjectCentre(i);
    s.UpdateModelCentre();
}

// A piece laid out as AddBox lays it: six faces of four points in a row.
bool IsStandardBox(const Scene3D& s, int piece) {
    if (s.faceCount[piece] != 6) return false;
    const int first = s.faceFirst[piece][0];
    if (first < 0 || first + 24 > s.pointCount || first + 24 > Scene3D::kMaxPoints) return false;
    for (int f = 0; f < 6; ++f)
        if (s.faceFirst[piece][f] != first + 4 * f || s.facePoints[piece][f] != 4) return false;
    return true;
}

// Appends the box with these corners, the corners kept exactly (AddBox takes
// sizes, and min + (max - min) may differ from max in the last bit).
void AppendBox(Scene3D& s, const double lo[3], const double hi[3]) {
    const int first = s.pointCount;
    if (!s.AddBox(lo[0], lo[1], lo[2], hi[0] - lo[0], hi[1] - lo[1], hi[2] - lo[2])) return;
    for (int axis = 0; axis < 3; ++axis) {
        auto& t = Coords(s, axis);
        for (int i = first; i < first + 24; ++i)
            t[static_cast<std::size_t>(i)] = t[static_cast<std::size_t>(i)] == lo[axis] ? lo[axis] : hi[axis];
    }
}

// Rebuilds the scene in piece order with every point taken through `map`.
// Everything is read from a copy first: pieces that are not standard boxes
// may sit anywhere in the tables, and writing in place would overwrite the
// next piece's points before they are read. Boxes come back in the standard
// point order; other pieces keep their faces, point for point.
template <class Map> void RebuildMapped(Scene3D& s, Map map) {
    const auto old = std::make_unique<Scene3D>(s);
    const int pieces = std::min(old->pieceCount, Scene3D::kMaxPieces);
    s.pointCount = 0;
    s.pieceCount = 0;
    for (int i = 0; i < pieces; ++i) {
        if (IsStandardBox(*old, i)) {
            double lo[3], hi[3];
            for (int a = 0; a < 3; ++a) {
                const Span sp = PieceSpan(*old, i, a);
                lo[a] = sp.lo;
                hi[a] = sp.hi;
            }
            double p0[3] = {lo[0], lo[1], lo[2]}, p1[3] = {hi[0], hi[1], hi[2]};
            map(p0[0], p0[1], p0[2]);
            map(p1[0], p1[1], p1[2]);
            double nlo[3], nhi[3];
            for (int a = 0; a < 3; ++a) {
                nlo[a] = std::min(p0[a], p1[a]);
                nhi[a] = std::max(p0[a], p1[a]);
            }
            AppendBox(s, nlo, nhi);
            continue;
        }
        const int n = s.pieceCount;
        const int fc = std::min<int>(old->faceCount[i], Scene3D::kMaxFaces);
        s.faceCount[n] = old->faceCount[i];
        for (int f = 0; f < Scene3D::kMaxFaces; ++f) {
            s.faceFirst[n][f] = 0;
            s.facePoints[n][f] = 0;
        }
        for (int f = 0; f < fc; ++f) {
            s.faceFirst[n][f] = s.pointCount;
            int k = 0;
            for (; k < old->facePoints[i][f] && s.pointCount < Scene3D::kMaxPoints; ++k) {
                const int from = old->faceFirst[i][f] + k;
                if (!InTable(from)) break;
                double x = old->X[from], y = old->Y[from], z = old->Z[from];
                map(x, y, z);
                s.X[s.pointCount] = x;
                s.Y[s.pointCount] = y;
                s.Z[s.pointCount] = z;
                ++s.pointCount;
            }
            s.facePoints[n][f] = k;
        }
        ++s.pieceCount;
    }
    UpdateCentres(s);
}

// 0 and 1 swap; any other value is left as it is.
template <class T> T Toggled(T v) { return v == 0 ? T(1) : v == 1 ? T(0) : v; }

} // namespace

std::string CheckResize(const Furniture& f, const ResizeParams& p) {
    const double want[3] = {p.W, p.H, p.D};
    bool changes = false;
    for (int a = 0; a < 3; ++a) {
        // 0 would flatten every scaled board, a negative size mirror it.
        if (!std::isfinite(want[a]) || want[a] <= 0.0) return kResizeBadInput;
        if (std::fabs(want[a] - Extent(f.scene, a)) >= kResizeMinChange) changes = true;
    }
    if (!changes) return kResizeBadInput;
    for (int a = 0; a < 3; ++a)
        if (std::fabs(want[a] - Extent(f.scene, a)) >= kResizeMinChange && std::fabs(Extent(f.scene, a)) < 0.01)
            return kResizeTooSmall;
    if (!KeepsBoxLimits(f, [&p](Furniture& g) { ResizeFurniture(g, p); })) return kResizeBadInput;
    return {};
}

bool KeepsBoxLimits(const Furniture& f, const std::function<void(Furniture&)>& edit) {
    const auto scratch = std::make_unique<Furniture>(f);
    edit(*scratch);
    const int pieces = std::min(f.scene.pieceCount, Scene3D::kMaxPieces);
    for (int i = 0; i < pieces; ++i)
        if (PieceWithinLimits(f.scene, i) && !PieceWithinLimits(scratch->scene, i)) return false;
    return true;
}

void ResizeAxisPass(Scene3D& s, const Scene3D& old, int axis, const std::vector<int>& rigid,
                    const std::vector<int>& scaled, double k, double o) {
    double dx, dy, dz;
    // Rigid boards keep their size; their anchor face follows the scaling.
    for (int p : rigid) {
        const Span sp = PieceSpan(s, p, axis);
        double a = sp.mid;
        const auto minNear = [&](int q) {
            const double v = PieceSpan(s, q, axis).lo;
            return v >= sp.lo - 50.0 && v <= sp.hi + 4.0;
        };
        const auto maxNear = [&](int q) {
            const double v = PieceSpan(s, q, axis).hi;
            return v >= sp.lo - 4.0 && v <= sp.hi + 50.0;
        };
        if (std::any_of(scaled.begin(), scaled.end(), minNear))
            a = sp.lo;
        else if (std::any_of(scaled.begin(), scaled.end(), maxNear))
            a = sp.hi;
        Along(axis, (a - o) * k + o - a, dx, dy, dz);
        s.MoveObject(p, dx, dy, dz);
    }
    // Scaled boards: each end that lay against or inside a rigid board goes
    // back to its old distance from that board's opposite face.
    for (int q : scaled) {
        s.ScaleObject(q, o, o, o, axis == 0 ? k : 1.0, axis == 1 ? k : 1.0, axis == 2 ? k : 1.0);
        const Span oq = PieceSpan(old, q, axis);
        for (int p : rigid) {
            const Span op = PieceSpan(old, p, axis);
            const Span np = PieceSpan(s, p, axis);
            if (op.lo - 0.01 < oq.lo && oq.lo < op.hi + 0.01) {
                Along(axis, np.hi - (op.hi - oq.lo) - PieceSpan(s, q, axis).lo, dx, dy, dz);
                s.StretchObject(true, q, dx, dy, dz);
            }
            if (op.lo - 0.01 < oq.hi && oq.hi < op.hi + 0.01) {
                Along(axis, np.lo + (oq.hi - op.lo) - PieceSpan(s, q, axis).hi, dx, dy, dz);
                s.StretchObject(false, q, dx, dy, dz);
            }
        }
    }
}

EditResult ResizeFurniture(Furniture& f, const ResizeParams& p) {
    Scene3D& s = f.scene;
    // The positions before the resize: each pass changes its own axis only,
    // so on that axis this still holds the values from before the pass.
    const auto old = std::make_unique<Scene3D>(s);
    RecomputeFurnitureSize(s, f.dim);
    const int pieces = std::min(s.pieceCount, Scene3D::kMaxPieces);
    const auto pass = [&](int axis, double size, double wanted, int orderAxis) {
        if (std::fabs(size - wanted) < kResizeMinChange || size < 0.01) return;
        std::vector<int> order(static_cast<std::size_t>(pieces));
        for (int i = 0; i < pieces; ++i) order[static_cast<std::size_t>(i)] = i;
        std::vector<double> key(order.size());
        for (int i = 0; i < pieces; ++i) key[static_cast<std::size_t>(i)] = PieceSpan(s, i, orderAxis).mid;
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            return key[static_cast<std::size_t>(a)] < key[static_cast<std::size_t>(b)];
        });
        std::vector<int> rigid, scaled;
        for (int i : order) (ThinAxis(s, i) == axis ? rigid : scaled).push_back(i);
        ResizeAxisPass(s, *old, axis, rigid, scaled, wanted / size, Minimum(s, axis));
    };
    pass(0, f.dim.W, p.W, 1); // width, in order of height
    pass(2, f.dim.D, p.D, 2); // depth, in order of depth
    pass(1, f.dim.H, p.H, 1); // height
    RecomputeFurnitureSize(s, f.dim);
    UpdateCentres(s);
    EditResult r;
    r.extentsChanged = true;
    return r;
}

EditResult TurnFurniture(Furniture& f) {
    RebuildMapped(f.scene, [](double& x, double&, double& z) {
        const double nx = -z;
        z = x;
        x = nx;
    });
    PiesaAttributes& a = f.attrs;
    for (int i = 0; i < f.scene.pieceCount && i < kMaxPieces; ++i) {
        std::uint8_t& face = a.modelFace[static_cast<std::size_t>(i)];
        std::uint8_t& rot = a.modelRotation[static_cast<std::size_t>(i)];
        std::uint8_t& mir = a.modelMirror[static_cast<std::size_t>(i)];
        if (face == 0) {
            // A flat board's length and width are its sizes along X and Z in
            // that order (SortDimensions only moves the thickness last), and
            // the turn swaps them: the codes that name one of the two swap too,
            // so the banded edges and their metres stay the same.
            a.textureRotated[static_cast<std::size_t>(i)] = Toggled(a.textureRotated[static_cast<std::size_t>(i)]);
            rot = static_cast<std::uint8_t>((rot + 3) % 4);
            std::int32_t& band = a.edgeBand[static_cast<std::size_t>(i)];
            static constexpr std::int32_t kSwapped[9] = {0, 2, 1, 4, 3, 5, 7, 6, 8};
            if (band >= 0 && band <= 8) band = kSwapped[band];
        } else if (face == 1) {
            face = 2;
            mir = Toggled(mir);
            if (rot <= 3) rot = static_cast<std::uint8_t>(3 - rot);
        } else if (face == 2) {
            face = 1;
            rot = static_cast<std::uint8_t>((rot + 1) % 4);
        }
    }
    RecomputeFurnitureSize(f.scene, f.dim);
    EditResult r;
    r.extentsChanged = true;
    return r;
}

EditResult MirrorFurniture(Furniture& f) {
    RebuildMapped(f.scene, [](double& x, double&, double&) { x = -x; });
    PiesaAttributes& a = f.attrs;
    for (int i = 0; i < f.scene.pieceCount && i < kMaxPieces; ++i) {
        const std::uint8_t face = a.modelFace[static_cast<std::size_t>(i)];
        if (face == 2) continue;
        a.modelMirror[static_cast<std::size_t>(i)] = Toggled(a.modelMirror[static_cast<std::size_t>(i)]);
        if (face == 0)
            a.modelRotation[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(
                (a.modelRotation[static_cast<std::size_t>(i)] + 2) % 4);
    }
    RecomputeFurnitureSize(f.scene, f.dim);
    EditResult r;
    r.extentsChanged = true;
    return r;
}

EditResult RoundFurniture(Furniture& f) {
    Scene3D& s = f.scene;
    // In doubles: a coordinate past the integer range keeps its value.
    for (int i = 0; i < s.pointCount && i < Scene3D::kPointSlots; ++i) {
        s.X[static_cast<std::size_t>(i)] = std::nearbyint(s.X[static_cast<std::size_t>(i)]);
        s.Y[static_cast<std::size_t>(i)] = std::nearbyint(s.Y[static_cast<std::size_t>(i)]);
        s.Z[static_cast<std::size_t>(i)] = std::nearbyint(s.Z[static_cast<std::size_t>(i)]);
    }
    UpdateCentres(s);
    return {};
}

EditResult RecomputeFurniture(Furniture& f) {
    RecomputeFurnitureSize(f.scene, f.dim);
    UpdateCentres(f.scene);
    return {};
}

std::vector<int> PiecesWithColor(const Furniture& f, std::uint32_t color) {
    std::vector<int> r;
    for (int i = 0; i < f.scene.pieceCount && i < kMaxPieces; ++i)
        if (f.scene.color[static_cast<std::size_t>(i)] == color) r.push_back(i);
    return r;
}

std::vector<int> PiecesWithCode(const Furniture& f, const std::string& code) {
    std::vector<int> r;
    for (int i = 0; i < f.scene.pieceCount && i < kMaxPieces; ++i)
        if (f.attrs.materialCode[static_cast<std::size_t>(i)] == code) r.push_back(i);
    return r;
}

EditResult ReplaceColor(Furniture& f, std::uint32_t from, std::uint32_t to) {
    for (int i : PiecesWithColor(f, from)) f.scene.color[static_cast<std::size_t>(i)] = to;
    return {};
}

EditResult RenameFurniture(Furniture& f, const std::string& name) {
    f.name = CutFurnitureName(name);
    return {};
}

} // namespace zv
