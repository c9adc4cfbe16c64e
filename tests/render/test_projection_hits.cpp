// The pieces under the mouse on the projection drawing, nearest first, and
// the edge a press is nearer to; computed from the layout alone.
#include "render/Projection.h"

#include "model/Scene3D.h"

#include <gtest/gtest.h>

#include <vector>

using namespace zv;

namespace {

// Two boxes 400 x 300 x 300 overlapping on every view: the second is shifted
// by 100 mm along each axis.
Scene3D TwoOverlapping() {
    Scene3D s;
    s.Init();
    s.AddBox(0, 0, 0, 400, 300, 300);
    s.AddBox(100, 100, 100, 400, 300, 300);
    return s;
}

ProjectionPicture Layout(const Scene3D& s, int view) {
    ProjectionOptions o;
    o.view = view;
    o.figures = false;
    return LayoutProjection(s, o, 700, 560);
}

// The centre of the overlap of two pieces' rectangles.
void OverlapCentre(const ProjectionPicture& p, int x[2]) {
    const ProjectionRect &a = p.rects[0], &b = p.rects[1];
    x[0] = (std::max(a.x1, b.x1) + std::min(a.x2, b.x2)) / 2;
    x[1] = (std::max(a.y1, b.y1) + std::min(a.y2, b.y2)) / 2;
}

} // namespace

TEST(ProjectionHits, NearestFirstInEachView) {
    const Scene3D s = TwoOverlapping();
    // Front: the smaller minimum Z is nearer; right side: the larger minimum
    // X; bottom: the smaller minimum Y.
    const struct {
        int view;
        std::vector<int> want;
    } cases[] = {{1, {0, 1}}, {2, {1, 0}}, {0, {0, 1}}};
    for (const auto& c : cases) {
        const ProjectionPicture p = Layout(s, c.view);
        int at[2];
        OverlapCentre(p, at);
        EXPECT_EQ(PiecesUnderPoint(s, p, c.view, at[0], at[1]), c.want) << "view " << c.view;
        // Nearest first is the painter's order turned round: the last drawn is hit first.
        EXPECT_EQ(p.order.back(), c.want.front()) << "view " << c.view;
    }
}

TEST(ProjectionHits, EdgesIncludedAndEmptySpaceGivesNone) {
    const Scene3D s = TwoOverlapping();
    const ProjectionPicture p = Layout(s, 1);
    // The first piece's left and bottom edges, the second's right and top
    // edges (corners no other piece covers), and one pixel beyond each.
    const ProjectionRect &a = p.rects[0], &b = p.rects[1];
    const struct {
        int x, y;
        std::vector<int> want;
    } cases[] = {
        {a.x1, a.y2, {0}}, {a.x1 - 1, a.y2, {}}, {a.x1, a.y2 + 1, {}},
        {b.x2, b.y1, {1}}, {b.x2 + 1, b.y1, {}}, {b.x2, b.y1 - 1, {}},
    };
    for (const auto& c : cases) EXPECT_EQ(PiecesUnderPoint(s, p, 1, c.x, c.y), c.want) << "at " << c.x << ", " << c.y;
    // Nothing drawn, nothing hit.
    Scene3D empty;
    empty.Init();
    EXPECT_TRUE(PiecesUnderPoint(empty, Layout(empty, 1), 1, 10, 10).empty());
}

TEST(ProjectionHits, EqualDepthsKeepIndexOrder) {
    Scene3D s;
    s.Init();
    for (int i = 0; i < 3; ++i) s.AddBox(0, 0, 0, 100, 100, 18);
    for (int view : {0, 1, 2}) {
        std::vector<int> hits = {0, 1, 2};
        SortHitsByDepth(s, view, hits);
        EXPECT_EQ(hits, (std::vector<int>{0, 1, 2}));
    }
    s.MoveObject(1, -50, -50, -50);
    std::vector<int> front = {0, 1, 2};
    SortHitsByDepth(s, 1, front);
    EXPECT_EQ(front, (std::vector<int>{1, 0, 2}));
    std::vector<int> right = {0, 1, 2};
    SortHitsByDepth(s, 2, right);
    EXPECT_EQ(right, (std::vector<int>{0, 2, 1}));
}

TEST(ProjectionHits, EdgeAtPoint) {
    ProjectionRect r;
    r.x1 = 10, r.y1 = 20, r.x2 = 50, r.y2 = 100;
    // "Verticala": 1 near the top (the maximum), 0 near the bottom and at the middle.
    EXPECT_EQ(EdgeAtPoint(r, true, 30, 30), 1);
    EXPECT_EQ(EdgeAtPoint(r, true, 30, 90), 0);
    EXPECT_EQ(EdgeAtPoint(r, true, 30, 60), 0);
    // "Orizontala": 1 near the right edge.
    EXPECT_EQ(EdgeAtPoint(r, false, 45, 60), 1);
    EXPECT_EQ(EdgeAtPoint(r, false, 15, 60), 0);
    EXPECT_EQ(EdgeAtPoint(r, false, 30, 60), 0);
}
