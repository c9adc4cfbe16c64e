#pragma once
// The software 3D view and the three 2D mini views, drawn on a Canvas: a
// painter's-order perspective drawing with flat shading from a light at the
// eye, and orthographic projections of the pieces. No widgets: the main
// window hands in its picture boxes' canvases, the tests hand in their own.
#include "model/Scene3D.h"
#include "platform/Canvas.h"

namespace zv {

// Work buffers: points of one face in the 3D view, screen points of a clipped
// face, points of a mini-view face.
inline constexpr int kMaxFacePoints = Scene3D::kMaxFaces;
inline constexpr int kMaxProjectedPoints = 101;

// Display modes (the item index of the mode list with "Rend soft").
inline constexpr int kModeLit = 0;     // "Cu iluminare"
inline constexpr int kModeFlat = 1;    // "Fara iluminare"
inline constexpr int kModeOutline = 2; // "Sarmos"

// Red, green and blue of an RGB colour (red in the low byte); the colour is
// taken to its 24 bits first.
void SplitColor(Color color, int& red, int& green, int& blue);
// True when red, green or blue is above 127.
bool IsLightColor(Color color);

// drawOrder := 0..n-1, then sorted by key[drawOrder[k]] (key holds one value
// per piece); descending puts the largest key first.
void SortObjects(Scene3D& s, const double* key, bool ascending);

// Perspective projection of n points onto the screen plane z = 0, the eye at
// the observer; points at z <= 0 are dropped and edges crossing the plane are
// cut there. Coordinates are cut towards zero. out must hold
// kMaxProjectedPoints; points that are not finite are skipped.
void ProjectPolygon(const Scene3D& s, int n, const double* X, const double* Y, const double* Z, CanvasPoint* out,
                    int& count, int cx, int cy);

// Brightness 0..1 of a face from its first three points, the light at (lx, ly,
// lz) and the exponent; -1.0 when the face is not drawn. Side mode 0 shows
// faces turned away from the eye, 1 those turned towards it, 2 both.
double ShadeFace(const Scene3D& s, int n, const double* X, const double* Y, const double* Z, double lx, double ly,
                 double lz, double exponent, int sideMode);

// Shades, projects and draws one face of n transformed points with the
// canvas's pen and brush style; fill 0 draws the outline only, without culling.
void DrawFace(const Scene3D& s, Canvas& c, int n, int fill, int cx, int cy, double ambient, int red, int green,
              int blue, int sideMode, double exponent, double lx, double ly, double lz, const double* X,
              const double* Y, const double* Z);

// The painting order of the 3D view into drawOrder[0..n-1], farthest piece
// first. Two boxes that a plane separates are ordered by the side of that
// plane the eye is on; pieces that overlap, or that no plane decides, keep
// the order of DepthKey (largest first). The software pick replays this
// order from the last position (nearest) down.
void SortForView(Scene3D& s);
// One piece in the 3D view (also used for picking one piece at a time).
void DrawObject(Scene3D& s, Canvas& c, int piece, int sideMode, int mode);
// The piece the 3D picture of width x height shows at (x, y), or -1 for the
// background or a point outside the picture. The clicked colour comes from the
// picture drawn without the hatch; the pieces are then drawn nearest first
// on a picture filled with another colour until that pixel takes it.
int PickPiece(Scene3D& s, int width, int height, int mode, int sideMode, int x, int y);
// Every piece in the order of SortForView; in outline mode the current piece
// again, last.
void DrawScene(Scene3D& s, Canvas& c, int mode, int sideMode);

// Mini views: 1 front, 2 back, 3 left, 4 right, 5 top, 6 bottom; 0 keeps the
// draw order as it is (0..n-1 when it is not a permutation of the pieces).
void DrawProjection(Scene3D& s, Canvas& c, int view, double panX, double panY, int mode);
void DrawProjectedObject(Scene3D& s, Canvas& c, int piece, double panX, double panY, int mode, int view);

// Screen centre and zoom of the 3D view from its size and the furniture's
// height H and width W; with H or W zero only the screen centre changes.
void FitViewScale(Scene3D& s, int width, int height, double H, double W);

// The axes legend in the bottom-left corner of a picture `height` pixels high.
void DrawAxes(Canvas& c, int height);

// The whole 3D picture: the bitmap sized to width x height, white with a
// one-pixel black frame, "3D" in blue bold, then the scene.
void Redraw3DImage(Scene3D& s, Canvas& c, int width, int height, int mode, int sideMode);

// A mini-view bitmap: sized, cleared to white, then the projection.
void RedrawProjectionImage(Scene3D& s, Canvas& c, int width, int height, int view, double panX, double panY, int mode);

} // namespace zv
