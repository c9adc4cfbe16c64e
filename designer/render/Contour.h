#pragma once
// Cut-out contours: a closed one-pixel black outline on a white bitmap is
// traced into a polygon, mirrored and turned as the piece says, cut into
// triangles and fitted onto the piece's face. No widgets: the OpenGL view, the
// current-piece window and the projection window all call this code, and the
// tests run it without a display. Nothing here shows a message while a frame
// is drawn: the cache queues them for the window to show afterwards.
#include "platform/Canvas.h"
#include "platform/Dialogs.h"
#include "platform/Picture.h"

#include <QImage>
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace zv {

struct Furniture;

inline constexpr int kContourMaxPoints = 2500;

// Tracer state: the colours and the cursor with its direction (0 east, then
// counter-clockwise on the screen in eighths; rows grow downwards). Every
// trace starts facing east: a trace depends on its picture alone.
struct ContourTrace {
    std::int32_t background = 0xFFFFFF;
    std::int32_t contour = 0;
    std::int32_t cursorX = 0, cursorY = 0;
    std::int32_t direction = 0;
};

struct ContourPoint {
    double x = 0, y = 0;
};
struct ContourTriangle {
    int a = 0, b = 0, c = 0; // 0-based positions in the point list
};

// The polygon the renderers read: points in order along the outline (pixel
// (x, row) stored as (x, -row), so Y grows upwards), the triangles as corner
// positions, and the corners as coordinates taken before the fit.
struct ContourPolygon {
    std::vector<double> X, Y;
    std::vector<ContourTriangle> triangles;
    std::vector<std::array<ContourPoint, 3>> corners;

    int Count() const { return static_cast<int>(X.size()); }
    int TriangleCount() const { return static_cast<int>(triangles.size()); }
    void Clear() {
        X.clear();
        Y.clear();
        triangles.clear();
        corners.clear();
    }
};

struct ContourMessage {
    MsgKind kind = MsgKind::Error;
    std::string text;
    bool operator==(const ContourMessage&) const = default;
};

// How a tracer differs between the main window and the projection window.
struct ContourTraceOptions {
    int maxPoints = kContourMaxPoints;
    bool scanFromRow25 = true; // rows 25..H-2 first, then 0..24; else 0..H-2 in one pass
};

// Text of the messages, followed by the file name.
inline constexpr const char* kNoContourText = "Nu am gasit nici un contur in fisierul ";
inline constexpr const char* kTooManyPointsText = "Prea multe puncte in conturul din fisierul ";

// The tracer. Pixels outside the bitmap count as background, so an outline
// touching the border is followed and the cursor never leaves the picture.
class ContourTracer {
public:
    ContourTrace state;
    ContourTraceOptions options;
    int tracedCount = 0; // points of the last trace before simplifying

    ContourTracer() = default;
    explicit ContourTracer(ContourTraceOptions o) : options(o) {}

    // Traces the picture (never changed) and simplifies the result into
    // poly's points; its triangles are cleared. Returns the message to show,
    // if any: no start pixel (no points), or the point limit reached.
    std::optional<ContourMessage> Trace(const QImage& picture, const std::string& fileName, ContourPolygon& poly);

    // --- the steps, on the picture given to Begin ---
    void Begin(const QImage& picture);
    bool FindContourStart();
    // The pixel one step from the cursor in a direction (wrapped into 0..7).
    std::pair<int, int> ContourNeighbour(int direction) const;
    bool IsContourEdgePixel(int x, int y) const;
    int TurnDirection(int k) const { return (state.direction + k) & 7; }
    bool ContourStep();
    void MarkVisited(int x, int y); // paints the pixel with the background colour

private:
    Color PixelAt(int x, int y) const; // background outside the picture
    QImage img_;
    int w_ = 0, h_ = 0;
    std::vector<std::uint64_t> visited_;
};

// Straight runs shrink to their end points (exact collinearity); fewer than
// three points stay as they are.
void SimplifyContour(std::vector<double>& X, std::vector<double>& Y);
bool Collinear(double x1, double y1, double x2, double y2, double x3, double y3);
inline bool NearlyEqual(double eps, double a, double b) { return (a > b ? a - b : b - a) <= eps; }
inline double SquaredLength(double a, double b) { return a * a + b * b; }

// Mirror (X := cx - X) and quarter turns counter-clockwise about the mean
// point, rounded to whole units.
void MirrorAndTurnContour(std::vector<double>& X, std::vector<double>& Y, bool mirror, int rotation);
// Stretches the bounding box onto the rectangle, each axis on its own; a
// zero extent leaves the points unchanged.
void FitContourToRect(std::vector<double>& X, std::vector<double>& Y, double x1, double y1, double x2, double y2);

// Sign of P against the directed edge V->U: +1, -1 or 0.
int OrientationSign(double px, double py, double vx, double vy, double ux, double uy);
// P inside the triangle or on one of its edges (no two of the signs against
// a->b, b->c, c->a strictly opposite). A flat triangle holds its whole line.
bool PointInTriangle(double px, double py, double ax, double ay, double bx, double by, double cx, double cy);
// The splitting diagonal of a polygon of n >= 3 points, the smaller position
// first. The pivot is the lowest point (of those the leftmost, then the
// first); its ear prev-next is cut when no other point lies in it or on its
// edges, else the diagonal joins the pivot to the point of the ear farthest
// from the line prev-next (of equal ones the first).
std::pair<int, int> FindDiagonal(int n, const double* X, const double* Y);
// Cuts a simple polygon into n - 2 triangles by diagonal splits and appends
// their corners, each triangle in the outline's own turning sense; fewer than
// three points give none. Works on an explicit stack, so long outlines cannot
// exhaust the call stack.
void TriangulateContour(int n, const double* X, const double* Y, std::vector<std::array<ContourPoint, 3>>& out);
namespace detail {
// The same cuts, scanning every point at every step: the reference for tests.
void TriangulateContourPlain(int n, const double* X, const double* Y, std::vector<std::array<ContourPoint, 3>>& out);
} // namespace detail
// Corner positions of every triangle: the last point within 0.01 on both axes
// (0 when no point matches, so every index names a point).
void MatchCornerIndices(ContourPolygon& poly);

// The plain rectangle: corners (x1,y1), (x1,y2), (x2,y2), (x2,y1), triangles
// (0,1,3) and (1,2,3). The corner coordinates are left as they were.
void SetRectangleContour(ContourPolygon& poly, double x1, double y1, double x2, double y2);

// The traced shapes by file, kept until the file changes (time or size), so a
// frame never reads a bitmap again and a bad file gives its message once.
class ContourCache {
public:
    using Loader = std::function<PictureResult(const std::string&, QImage&)>;

    ContourCache();
    explicit ContourCache(ContourTraceOptions options);

    ContourTracer& Tracer() { return tracer_; }
    // Tests and the benchmark read files through another loader.
    void SetLoader(Loader loader) { loader_ = std::move(loader); }

    // The traced, mirrored and turned outline of a model file (not fitted),
    // with its triangles when asked. nullptr when the file does not exist.
    // The pointer holds until the next look-up.
    const ContourPolygon* Lookup(const std::string& file, bool mirror, int rotation, bool triangulate);

    // Messages waiting to be shown, each once; the window shows them outside painting.
    std::vector<ContourMessage> TakeMessages();
    bool HasMessages() const { return !messages_.empty(); }
    // Shows and clears the waiting messages through the dialog service.
    void ShowMessages();

    void Clear() { files_.clear(); }
    int TraceCount() const { return traces_; } // real traces made so far

private:
    struct Variant {
        ContourPolygon poly;
        bool built = false;
        bool triangulated = false;
    };
    struct FileEntry {
        long long stamp = 0;
        long long size = -1;
        std::vector<double> X, Y;        // traced and simplified
        std::map<int, Variant> variants; // key: mirror * 4 + rotation
    };
    ContourTracer tracer_;
    Loader loader_;
    std::map<std::string, FileEntry> files_;
    std::vector<ContourMessage> messages_;
    int traces_ = 0;
};

// Traces the piece's model, mirrors and turns it as its bytes say, adds the
// triangles when asked and fits it onto (x1, y1)-(x2, y2). False when the
// piece has no usable outline (no file, no contour, fewer than three points):
// then there are no triangles and the caller draws the rectangle instead.
bool BuildContourModel(const Furniture& f, int piece, bool triangulate, double x1, double y1, double x2, double y2,
                       ContourCache& cache, ContourPolygon& out);

// ---- new model bitmaps ----
inline constexpr int kMaxModelSide = 2000; // pixels of a model drawing, margins excluded

// startupFolder + "/Model" + N + ".bmp" for the first N without a file.
std::string NextContourModelName(const std::string& startupFolder);
// White picture of (w + 50) x (h + 50) with the black outline from (25, 25)
// to (w + 25, h + 25); w and h are a third of length and width, rounded. A
// side longer than kMaxModelSide shrinks both by one factor; a side that is
// not a positive number becomes 1.
QImage MakeContourModelPicture(double length, double width);

struct NewContourModelResult {
    bool ok = false;
    std::string fileName;
    std::string error; // user-facing when !ok and a message is due
};
// A new model bitmap for the current piece (none without a piece).
NewContourModelResult NewContourModel(const Furniture& f, const std::string& startupFolder);

// ---- the two "M&odule" commands that start a drawing program ----
enum class ContourEditor { Trasalin, Paint };

inline constexpr const char* kContourInstructions =
    "Desenati un contur inchis, de grosime un punct, de culoare neagra, pe fond alb si salvati in fisier Bitmap "
    "(puteti salva in format cu doua culori, pentru a economisi spatiu pe disc).\n"
    "Contururile le puteti aplica pe piesele ce intra in alcatuirea mobilei.";
inline constexpr const char* kContourEditDone = "Cand ati terminat de modificat conturul apasati butonul \"Ok\"";
inline constexpr const char* kTrasalinNotFound = "Nu am gasit aplicatia de desenare a contururilor.";
inline constexpr const char* kPaintNotFound = "Nu am gasit Paint Brush.";

// The arguments after the program name: the model file, and for the drawing
// program the mode 3.
std::vector<std::string> ContourEditorArguments(ContourEditor editor, const std::string& modelFile);

struct ContourEditorHooks {
    std::function<void()> stopTimers;    // Timer2 and Timer3
    std::function<void()> restartTimers; // again, when "Rend hard" is chosen
    std::function<void()> modelAssigned; // the "*" and the current-piece window's refresh
};

// The whole command: instructions, the model (made when the current piece
// has none), the program started with the timers paused, the closing message.
// A model given to the piece marks the furniture modified.
void RunContourEditor(ContourEditor editor, Furniture& f, bool furnitureOpen, const std::string& startupFolder,
                      const ContourEditorHooks& hooks);

} // namespace zv
