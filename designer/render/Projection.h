#pragma once
// The projection window's drawing as a value: the flat layout of the pieces on
// one view, the dimension marks, the fit into the picture, the painter's order
// and the figures, computed from the scene at every drawing. Painting reads
// only this value, so nothing stale is ever drawn or hit-tested. No widgets.
#include "platform/Canvas.h"
#include "render/Contour.h"

#include <QFont>
#include <map>
#include <string>
#include <vector>

namespace zv {

struct Furniture;
class Scene3D;

// The views: 0 "Jos" (Z right, X up), 1 "Fata" (X right, Y up), 2 "Dreapta" (Z right, Y up).
inline constexpr double kMarkMinSize = 50.0; // a piece this long marks both its edges
// The least room a column and a row of figures take; a font whose figures
// need more gets more.
inline constexpr int kFigureColumnWidth = 25;
inline constexpr int kFigureRowHeight = 12;
inline constexpr int kFigureGap = 4; // pixels between two figures side by side

// Pieces flattened on a view, in millimetres: left from the layout's left
// edge, top measured downwards from its top edge. Entry k is piece k.
struct ProjectionLayout {
    double totalWidth = 0, totalHeight = 0;
    int count = 0;
    std::vector<double> width, height, left, top;
    std::vector<double> hmarks, vmarks; // strictly ascending, first 0, last the total
};

ProjectionLayout ProjectPieces(const Scene3D& scene, int view);

// Scale and offsets of an extent centred in an area at one scale.
struct ProjectionFit {
    bool ok = false; // false: no room or nothing to fit; nothing is drawn
    double scale = 0, ox = 0, oy = 0, right = 0, bottom = 0;
};
ProjectionFit FitToArea(double areaLeft, double areaTop, double areaRight, double areaBottom, double extentWidth,
                        double extentHeight);

// Painter's order (piece indices, first drawn first). Filled: sorted by the
// view's depth key, nearest last, equal keys in index order. Wireframe:
// index order with the selected piece swapped to the end.
std::vector<int> DepthSortForDrawing(const Scene3D& scene, int view, bool wireframe, int selected);

struct ProjectionOptions {
    int view = 1;
    bool names = false;     // "Afis. denumiri"
    bool figures = true;    // "Afisare cote"
    bool wireframe = false; // "Afis. sarmos"
    bool cutouts = true;    // "Afis. decupat"
    int rows = 3, columns = 2;
    int selected = -1;    // piece index, -1 none
    int half = 0;         // highlighted half
    bool vertical = true; // "Translat./Redim." on "Verticala"
    FontChoice font;      // the names' and figures' font
};

struct ProjectionRect {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;        // rounded screen rectangle
    double rx1 = 0, ry1 = 0, rx2 = 0, ry2 = 0; // the same unrounded
};
// A figure's text and the box its white background covers, top-left at (x, y).
struct ProjectionFigure {
    std::string text;
    int x = 0, y = 0;
    int w = 0, h = 0;
    bool operator==(const ProjectionFigure&) const = default;
};

struct ProjectionPicture {
    ProjectionLayout layout;
    int areaRight = 0, areaBottom = 0;  // the drawing area from (0, 0)
    int columnWidth = 0, rowHeight = 0; // of the figures, when shown
    ProjectionFit fit;
    std::vector<ProjectionRect> rects; // by piece index; empty when nothing is drawn
    std::vector<int> order;
    int selected = -1;        // a valid selection or -1
    ProjectionRect highlight; // the selected piece's red half
    std::vector<ProjectionFigure> figures;
    bool Drawn() const { return fit.ok && layout.count > 0; }
};

// ---- the pieces under the mouse ----
// A piece's depth on a view: its minimum Y in view 0, Z in view 1, X in view 2.
double DepthKey(const Scene3D& scene, int view, int piece);
// Nearest to the viewer first, the reverse of the painter's order: views 0
// and 1 by ascending key, view 2 by descending key. Neighbours swap only when
// strictly out of order, so equal keys keep their order.
void SortHitsByDepth(const Scene3D& scene, int view, std::vector<int>& pieces);
// The pieces whose rounded rectangle holds the point, edges included, nearest first.
std::vector<int> PiecesUnderPoint(const Scene3D& scene, const ProjectionPicture& p, int view, int x, int y);
// The edge of a piece's rectangle a point is nearer to along the drag
// direction: 1 its maximum (top on "Verticala", right on "Orizontala"), 0 its
// minimum or the exact middle.
int EdgeAtPoint(const ProjectionRect& r, bool vertical, int x, int y);

// Rows and columns kept in 1..9.
int ClampFigureLines(int v);

// The font names and figures are written in.
QFont ProjectionFont(const FontChoice& font);

// The whole layout for a picture of w x h pixels. The figures' columns and
// rows take the room the font needs, and figures that would cover one
// another or leave the picture move apart along their row or column, in
// their order.
ProjectionPicture LayoutProjection(const Scene3D& scene, const ProjectionOptions& o, int w, int h);

// The window's contours: traced once per file version, up to 10000 points,
// scanned from row 0. Remembers each file's message so that a showing of the
// window can tell it once even when the file is not read again.
class ProjectionContours {
public:
    ProjectionContours();
    ContourCache& Cache() { return cache_; }
    // The outline of a file mirrored and turned, or nullptr (no file).
    const ContourPolygon* Lookup(const std::string& file, bool mirror, int rotation);
    struct FileMessage {
        std::string file;
        ContourMessage message;
    };
    // The messages of the files looked up since the last call, each file once.
    std::vector<FileMessage> TakeMessages();

private:
    ContourCache cache_;
    std::map<std::string, std::vector<ContourMessage>> fileMessages_;
    std::vector<std::string> used_;
};

// The contour rotation and mirror as drawn on a view: view 2 sees the face
// from the other side.
void ViewContourTurn(int view, int& rotation, int& mirror);

// Paints the picture onto the canvas (cleared to white first). Contours are
// looked up through `contours`; nothing here shows a message.
void PaintProjection(Canvas& canvas, const Furniture& f, const ProjectionPicture& p, const ProjectionOptions& o,
                     ProjectionContours& contours);

} // namespace zv
