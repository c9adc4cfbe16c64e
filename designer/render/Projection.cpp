#include "Projection.h"

#include "model/Mobila.h"
#include "platform/Numbers.h"
#include "render/SoftRender.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace zv {

namespace {

struct Extents {
    double xmin, ymin, zmin, xmax, ymax, zmax;
};

Extents PieceExtents(const Scene3D& s, int piece) {
    const Scene3D::Box b = s.PieceBox(piece);
    return {std::min(b.x0, b.x1), std::min(b.y0, b.y1), std::min(b.z0, b.z1),
            std::max(b.x0, b.x1), std::max(b.y0, b.y1), std::max(b.z0, b.z1)};
}

int PieceTotal(const Scene3D& s) { return std::clamp(s.pieceCount, 0, Scene3D::kMaxPieces); }

// Inserts v between the two marks it falls strictly between; equal values
// and values outside the list are not added.
void InsertMark(std::vector<double>& marks, double v) {
    for (std::size_t k = 1; k < marks.size(); ++k) {
        if (marks[k - 1] < v && v < marks[k]) {
            marks.insert(marks.begin() + static_cast<std::ptrdiff_t>(k), v);
            return;
        }
    }
}

// The view's depth key and whether larger keys are drawn first.
double DepthKeyOf(const Extents& e, int view) {
    switch (view) {
    case 0: return e.ymin;
    case 2: return e.xmin;
    default: return e.zmin;
    }
}

// Sorts pieces by the view's depth key. Neighbours swap only when strictly
// out of order, so equal keys keep the order they came in.
void SortByDepthKey(const Scene3D& scene, int view, bool ascending, std::vector<int>& pieces) {
    std::vector<double> key(pieces.size());
    for (std::size_t i = 0; i < pieces.size(); ++i) key[i] = DepthKeyOf(PieceExtents(scene, pieces[i]), view);
    for (bool swapped = true; swapped;) {
        swapped = false;
        for (std::size_t j = 1; j < pieces.size(); ++j) {
            if (ascending ? key[j - 1] > key[j] : key[j - 1] < key[j]) {
                std::swap(pieces[j - 1], pieces[j]);
                std::swap(key[j - 1], key[j]);
                swapped = true;
            }
        }
    }
}

} // namespace

ProjectionLayout ProjectPieces(const Scene3D& scene, int view) {
    ProjectionLayout L;
    L.count = PieceTotal(scene);
    const auto n = static_cast<std::size_t>(L.count);
    L.width.resize(n);
    L.height.resize(n);
    L.left.resize(n);
    L.top.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
        const Extents e = PieceExtents(scene, static_cast<int>(i));
        switch (view) {
        case 0:
            L.left[i] = e.zmin, L.top[i] = e.xmin, L.width[i] = e.zmax - e.zmin, L.height[i] = e.xmax - e.xmin;
            break;
        case 2:
            L.left[i] = e.zmin, L.top[i] = e.ymin, L.width[i] = e.zmax - e.zmin, L.height[i] = e.ymax - e.ymin;
            break;
        default:
            L.left[i] = e.xmin, L.top[i] = e.ymin, L.width[i] = e.xmax - e.xmin, L.height[i] = e.ymax - e.ymin;
            break;
        }
    }
    if (n == 0) {
        L.hmarks = {0, 0};
        L.vmarks = {0, 0};
        return L;
    }
    double minLeft = L.left[0], minTop = L.top[0];
    double maxRight = L.left[0] + L.width[0], maxBottom = L.top[0] + L.height[0];
    for (std::size_t i = 1; i < n; ++i) {
        minLeft = std::min(minLeft, L.left[i]);
        minTop = std::min(minTop, L.top[i]);
        maxRight = std::max(maxRight, L.left[i] + L.width[i]);
        maxBottom = std::max(maxBottom, L.top[i] + L.height[i]);
    }
    L.totalWidth = maxRight - minLeft;
    L.totalHeight = maxBottom - minTop;
    for (std::size_t i = 0; i < n; ++i) {
        L.left[i] -= minLeft;
        L.top[i] -= minTop;
        // The model's larger coordinates go to the top of the screen.
        L.top[i] = L.totalHeight - L.top[i] - L.height[i];
    }
    L.hmarks = {0, L.totalWidth};
    L.vmarks = {0, L.totalHeight};
    for (std::size_t i = 0; i < n; ++i) {
        InsertMark(L.hmarks, L.left[i]);
        if (L.width[i] >= kMarkMinSize) InsertMark(L.hmarks, L.left[i] + L.width[i]);
        if (L.height[i] >= kMarkMinSize) InsertMark(L.vmarks, L.top[i]);
        InsertMark(L.vmarks, L.top[i] + L.height[i]);
    }
    return L;
}

ProjectionFit FitToArea(double areaLeft, double areaTop, double areaRight, double areaBottom, double extentWidth,
                        double extentHeight) {
    ProjectionFit f;
    const double aw = areaRight - areaLeft, ah = areaBottom - areaTop;
    const bool hasW = extentWidth > 0 && std::isfinite(extentWidth);
    const bool hasH = extentHeight > 0 && std::isfinite(extentHeight);
    if (!(aw > 0) || !(ah > 0) || (!hasW && !hasH)) return f;
    // A flat extent is fitted by its other axis alone.
    if (hasW && hasH)
        f.scale = std::min(aw / extentWidth, ah / extentHeight);
    else if (hasW)
        f.scale = aw / extentWidth;
    else
        f.scale = ah / extentHeight;
    const double ew = hasW ? extentWidth : 0, eh = hasH ? extentHeight : 0;
    f.ox = areaLeft + (aw - ew * f.scale) / 2;
    f.oy = areaTop + (ah - eh * f.scale) / 2;
    f.right = f.ox + ew * f.scale;
    f.bottom = f.oy + eh * f.scale;
    f.ok = std::isfinite(f.scale) && f.scale > 0;
    return f;
}

std::vector<int> DepthSortForDrawing(const Scene3D& scene, int view, bool wireframe, int selected) {
    const int n = PieceTotal(scene);
    std::vector<int> order(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) order[static_cast<std::size_t>(i)] = i;
    if (wireframe) {
        if (selected >= 0 && selected < n) std::swap(order[static_cast<std::size_t>(selected)], order.back());
        return order;
    }
    // Right side: the smaller X is farther, drawn first.
    SortByDepthKey(scene, view, view == 2, order);
    return order;
}

double DepthKey(const Scene3D& scene, int view, int piece) { return DepthKeyOf(PieceExtents(scene, piece), view); }

void SortHitsByDepth(const Scene3D& scene, int view, std::vector<int>& pieces) {
    // The reverse of the painter's order: on the right side the larger X is nearer.
    SortByDepthKey(scene, view, view != 2, pieces);
}

std::vector<int> PiecesUnderPoint(const Scene3D& scene, const ProjectionPicture& p, int view, int x, int y) {
    std::vector<int> hits;
    const int n = std::min(p.layout.count, static_cast<int>(p.rects.size()));
    for (int i = 0; i < n; ++i) {
        const ProjectionRect& r = p.rects[static_cast<std::size_t>(i)];
        if (x >= std::min(r.x1, r.x2) && x <= std::max(r.x1, r.x2) && y >= std::min(r.y1, r.y2) &&
            y <= std::max(r.y1, r.y2))
            hits.push_back(i);
    }
    SortHitsByDepth(scene, view, hits);
    return hits;
}

int EdgeAtPoint(const ProjectionRect& r, bool vertical, int x, int y) {
    if (vertical) return (r.y2 - y) > (y - r.y1) ? 1 : 0;
    return (r.x2 - x) < (x - r.x1) ? 1 : 0;
}

int ClampFigureLines(int v) { return std::clamp(v, 1, 9); }

QFont ProjectionFont(const FontChoice& font) {
    QFont f;
    if (!font.family.empty()) f.setFamily(QString::fromStdString(font.family));
    f.setPixelSize(std::max(1, font.pixelHeight));
    f.setBold(font.bold);
    f.setItalic(font.italic);
    return f;
}

namespace {

// Spreads the figures of one row or column so that none covers the next:
// `pos` are their starts in order, `size` their lengths along the line. Each
// keeps its place where it can; one that would reach into the one before
// moves on, and the last ones move back to stay within [lo, hi].
void SpreadAlongLine(const std::vector<int*>& pos, const std::vector<int>& size, int gap, int lo, int hi) {
    const std::size_t n = pos.size();
    for (std::size_t i = 0; i < n; ++i) {
        int& p = *pos[i];
        p = std::max(p, lo);
        if (i > 0) p = std::max(p, *pos[i - 1] + size[i - 1] + gap);
    }
    for (std::size_t i = n; i-- > 0;) {
        int& p = *pos[i];
        p = std::min(p, hi - size[i]);
        if (i + 1 < n) p = std::min(p, *pos[i + 1] - size[i] - gap);
    }
    // Too many to fit: the picture's edge wins over the space between them.
    for (int* p : pos) *p = std::max(*p, lo);
}

std::string FigureText(double millimetres) { return std::to_string(RoundEven(millimetres)); }

void LayFigures(ProjectionPicture& p, int w, int h, int rows, int columns, const QFontMetrics& fm) {
    const ProjectionLayout& L = p.layout;
    const double s = p.fit.scale, ox = p.fit.ox, oy = p.fit.oy;
    const double right = ox + L.totalWidth * s, bottom = oy + L.totalHeight * s;
    const int fh = fm.height();
    auto add = [&](std::string text, int x, int y) {
        const int tw = fm.horizontalAdvance(QString::fromStdString(text));
        p.figures.push_back({std::move(text), x, y, tw, fh});
        return p.figures.size() - 1;
    };

    // Vertical marks from the top down, c counting within the list.
    std::vector<std::vector<std::size_t>> inColumn(static_cast<std::size_t>(columns));
    for (std::size_t c = 0; c < L.vmarks.size(); ++c) {
        const double m = L.vmarks[c];
        int y = RoundEven(m * s + oy - 2);
        // The lowest figure stays above the drawing's bottom edge.
        if (y > bottom - fh) y -= fh;
        const auto col = c % static_cast<std::size_t>(columns);
        const int x = RoundEven(right + 2 + p.columnWidth * static_cast<double>(col));
        inColumn[col].push_back(add(FigureText(L.totalHeight - m), x, y));
    }
    // Horizontal marks from left to right.
    std::vector<std::vector<std::size_t>> inRow(static_cast<std::size_t>(rows));
    for (std::size_t c = 0; c < L.hmarks.size(); ++c) {
        const double m = L.hmarks[c];
        const auto row = c % static_cast<std::size_t>(rows);
        const int y = RoundEven(bottom + 2 + p.rowHeight * static_cast<double>(row));
        inRow[row].push_back(add(FigureText(m), RoundEven(m * s + ox), y));
    }

    // The vertical figures stay above the rows of the horizontal ones. A
    // column too long for that runs on down the picture, and a row it then
    // reaches keeps left of the columns.
    std::size_t longest = 0;
    for (const auto& line : inColumn) longest = std::max(longest, line.size());
    const int drawingBottom = RoundEven(bottom);
    const int columnEnd = static_cast<long long>(longest) * fh > drawingBottom ? h : drawingBottom;
    int columnsReach = 0;
    for (const auto& line : inColumn) {
        std::vector<int*> pos;
        for (std::size_t k : line) pos.push_back(&p.figures[k].y);
        SpreadAlongLine(pos, std::vector<int>(line.size(), fh), 0, 0, columnEnd);
        if (!line.empty()) columnsReach = std::max(columnsReach, p.figures[line.back()].y + fh);
    }
    for (const auto& line : inRow) {
        if (line.empty()) continue;
        const int rowEnd = p.figures[line.front()].y < columnsReach ? RoundEven(right + 2) : w;
        std::vector<int*> pos;
        std::vector<int> size;
        for (std::size_t k : line) {
            pos.push_back(&p.figures[k].x);
            size.push_back(p.figures[k].w);
        }
        SpreadAlongLine(pos, size, kFigureGap, 0, rowEnd);
    }
}

} // namespace

ProjectionPicture LayoutProjection(const Scene3D& scene, const ProjectionOptions& o, int w, int h) {
    ProjectionPicture p;
    p.layout = ProjectPieces(scene, o.view);
    const int rows = ClampFigureLines(o.rows), columns = ClampFigureLines(o.columns);
    const QFontMetrics fm(ProjectionFont(o.font));
    if (o.figures) {
        // A column as wide as the widest vertical figure, a row as tall as the font.
        int widest = 0;
        for (double m : p.layout.vmarks)
            widest = std::max(widest,
                              fm.horizontalAdvance(QString::fromStdString(FigureText(p.layout.totalHeight - m))));
        p.columnWidth = std::max(kFigureColumnWidth, widest + kFigureGap);
        p.rowHeight = std::max(kFigureRowHeight, fm.height());
        p.areaRight = w - p.columnWidth * columns;
        p.areaBottom = h - 4 - p.rowHeight * rows;
    } else {
        p.areaRight = w;
        p.areaBottom = h;
    }
    if (p.layout.count == 0) return p;
    p.fit = FitToArea(0, 0, p.areaRight, p.areaBottom, p.layout.totalWidth, p.layout.totalHeight);
    if (!p.fit.ok) return p;

    const ProjectionLayout& L = p.layout;
    const double s = p.fit.scale, ox = p.fit.ox, oy = p.fit.oy;
    p.rects.resize(static_cast<std::size_t>(L.count));
    for (std::size_t i = 0; i < p.rects.size(); ++i) {
        ProjectionRect& r = p.rects[i];
        r.rx1 = L.left[i] * s + ox;
        r.ry1 = L.top[i] * s + oy;
        r.rx2 = (L.left[i] + L.width[i]) * s + ox;
        r.ry2 = (L.top[i] + L.height[i]) * s + oy;
        r.x1 = RoundEven(r.rx1), r.y1 = RoundEven(r.ry1), r.x2 = RoundEven(r.rx2), r.y2 = RoundEven(r.ry2);
    }
    p.selected = o.selected >= 0 && o.selected < L.count ? o.selected : -1;
    p.order = DepthSortForDrawing(scene, o.view, o.wireframe, p.selected);
    if (p.selected >= 0) {
        const auto i = static_cast<std::size_t>(p.selected);
        ProjectionRect hl = p.rects[i];
        if (o.vertical) {
            const int mid = RoundEven((L.top[i] + L.height[i] / 2) * s + oy);
            if (o.half == 0)
                hl.y1 = mid; // lower half
            else
                hl.y2 = mid;
        } else {
            const int mid = RoundEven((L.left[i] + L.width[i] / 2) * s + ox);
            if (o.half == 1)
                hl.x1 = mid; // right half
            else
                hl.x2 = mid;
        }
        p.highlight = hl;
    }
    if (o.figures) LayFigures(p, w, h, rows, columns, fm);
    return p;
}

// ---------------------------------------------------------------- contours

ProjectionContours::ProjectionContours() : cache_(ContourTraceOptions{10000, false}) {}

const ContourPolygon* ProjectionContours::Lookup(const std::string& file, bool mirror, int rotation) {
    const int before = cache_.TraceCount();
    const ContourPolygon* p = cache_.Lookup(file, mirror, rotation, false);
    if (cache_.TraceCount() != before) fileMessages_[file] = cache_.TakeMessages();
    if (p && !fileMessages_[file].empty() && std::find(used_.begin(), used_.end(), file) == used_.end())
        used_.push_back(file);
    return p;
}

std::vector<ProjectionContours::FileMessage> ProjectionContours::TakeMessages() {
    std::vector<FileMessage> out;
    for (const std::string& file : used_)
        for (const ContourMessage& m : fileMessages_[file]) out.push_back({file, m});
    used_.clear();
    return out;
}

void ViewContourTurn(int view, int& rotation, int& mirror) {
    if (view != 2) return;
    mirror = 1 - mirror;
    rotation = 3 - (((rotation % 4) + 4) % 4);
}

// ---------------------------------------------------------------- painting

namespace {

// Text placed by its top-left corner.
void WriteText(QPainter& painter, const QFontMetrics& fm, int x, int y, const std::string& text, Color color) {
    painter.setPen(ToQColor(color));
    painter.drawText(x, y + fm.ascent(), QString::fromStdString(text));
}

constexpr Color kWhite = 0xFFFFFF, kBlack = 0, kRed = 0x0000FF;

} // namespace

void PaintProjection(Canvas& canvas, const Furniture& f, const ProjectionPicture& p, const ProjectionOptions& o,
                     ProjectionContours& contours) {
    canvas.Clear(kWhite);
    if (!p.Drawn()) return;
    const Scene3D& scene = f.scene;
    for (int piece : p.order) {
        const auto i = static_cast<std::size_t>(piece);
        const ProjectionRect& r = p.rects[i];
        canvas.penColor = kBlack;
        canvas.penStyle = PenStyle::Solid;
        if (o.wireframe) {
            canvas.SetBrushStyle(BrushStyle::Clear);
        } else {
            const Color c = scene.color[i] & 0xFFFFFF;
            canvas.SetBrushColor(c);
            canvas.penColor = IsLightColor(c) ? kBlack : kWhite;
        }
        const ContourPolygon* shape = nullptr;
        if (o.cutouts && f.attrs.modelFace[i] == o.view && !f.attrs.modelFile[i].empty()) {
            int rotation = f.attrs.modelRotation[i], mirror = f.attrs.modelMirror[i];
            ViewContourTurn(o.view, rotation, mirror);
            shape = contours.Lookup(f.attrs.modelFile[i], mirror == 1, rotation);
        }
        if (shape && shape->Count() >= 3) {
            std::vector<double> X = shape->X, Y = shape->Y;
            FitContourToRect(X, Y, r.rx1, r.ry1, r.rx2, r.ry2);
            std::vector<CanvasPoint> pts(X.size());
            // Mirrored within the rectangle so the model stands as it was drawn.
            for (std::size_t j = 0; j < X.size(); ++j) pts[j] = {RoundEven(X[j]), RoundEven(r.ry1 + r.ry2 - Y[j])};
            canvas.Polygon(pts);
        } else {
            // No file, a file that cannot be read or holds no contour: the plain rectangle.
            canvas.Rectangle(r.x1, r.y1, r.x2, r.y2);
        }
        if (piece == p.selected) {
            canvas.penColor = kRed;
            if (!o.wireframe) canvas.SetBrushColor(kRed);
            const ProjectionRect& h = p.highlight;
            canvas.Rectangle(h.x1, h.y1, h.x2, h.y2);
        }
        canvas.penColor = kBlack;
    }
    if (canvas.Image().isNull()) return;
    QPainter painter(&canvas.Image());
    const QFont qf = ProjectionFont(o.font);
    painter.setFont(qf);
    const QFontMetrics fm(qf);
    if (o.names) {
        for (int i = 0; i < p.layout.count; ++i) {
            const auto k = static_cast<std::size_t>(i);
            const std::string name = k < f.pieceNames.size() ? f.pieceNames[k] : std::string();
            const QString t = QString::fromStdString(name);
            const ProjectionLayout& L = p.layout;
            const int x = RoundEven((L.left[k] + L.width[k] / 2) * p.fit.scale + p.fit.ox -
                                    fm.horizontalAdvance(t) / 2.0);
            const int y = RoundEven((L.top[k] + L.height[k] / 2) * p.fit.scale + p.fit.oy - fm.height() / 2.0);
            WriteText(painter, fm, x, y, name, o.font.color); // over the pieces, no background
        }
    }
    for (const ProjectionFigure& fig : p.figures) {
        painter.fillRect(fig.x, fig.y, fig.w, fig.h, ToQColor(kWhite));
        WriteText(painter, fm, fig.x, fig.y, fig.text, kBlack);
    }
}

} // namespace zv
