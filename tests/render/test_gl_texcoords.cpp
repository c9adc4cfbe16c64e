// Texture coordinates into the atlas and the small pure helpers of the OpenGL view.
#include "render/GLRender.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

namespace zv {
namespace {

TexCoordSlot RepeatedSlot() {
    TexCoordSlot s;
    s.index = 0;
    s.count = 1;
    s.width = 500;
    s.height = 500;
    s.requestedWidth = 500;
    s.requestedHeight = 500;
    s.repeatScale = 200;
    s.repeated = true;
    return s;
}

struct Coords {
    std::vector<double> s, t;
};

Coords Compute(const TexCoordSlot& slot, const std::vector<double>& a, const std::vector<double>& b,
               bool* ok = nullptr) {
    Coords c;
    c.s.assign(a.size(), -7.0);
    c.t.assign(a.size(), -7.0);
    const bool r = ComputeTexCoords(slot, static_cast<int>(a.size()), a.data(), b.data(), c.s.data(), c.t.data());
    if (ok) *ok = r;
    return c;
}

TEST(GLTexCoords, RepeatedTextureStopsAtTheSlotEdge) {
    // 3000 mm along a, scale 200 slot pixels per metre, slot 500 wide: the
    // slot's right edge is reached 2500 mm from the start, then it stays there.
    const std::vector<double> a = {0, 1000, 2000, 2500, 2750, 3000};
    const std::vector<double> b = {0, 0, 0, 0, 0, 100};
    bool ok = false;
    const Coords c = Compute(RepeatedSlot(), a, b, &ok);
    ASSERT_TRUE(ok);
    EXPECT_DOUBLE_EQ(c.s[0], 0.0);
    EXPECT_NEAR(c.s[1], 0.4, 1e-12);
    EXPECT_NEAR(c.s[2], 0.8, 1e-12);
    EXPECT_NEAR(c.s[3], 1.0, 1e-12);
    EXPECT_DOUBLE_EQ(c.s[4], 1.0);
    EXPECT_DOUBLE_EQ(c.s[5], 1.0);
    // 100 mm along b: 20 slot pixels of 500.
    EXPECT_NEAR(c.t[5], 0.04, 1e-12);
}

TEST(GLTexCoords, SlotIndexPlacesTheCoordinateInItsThirdOfTheAtlas) {
    TexCoordSlot slot = RepeatedSlot();
    slot.index = 1;
    slot.count = 3;
    const Coords c = Compute(slot, {0, 1250, 5000}, {0, 0, 0});
    EXPECT_NEAR(c.s[0], 1.0 / 3, 1e-12);
    EXPECT_NEAR(c.s[1], 1.5 / 3, 1e-12);
    EXPECT_NEAR(c.s[2], 2.0 / 3, 1e-12); // clamped at the slot's right edge
}

TEST(GLTexCoords, PlainTextureSpansItsPictureOnce) {
    // A 250 x 400 picture in a 500 x 500 slot covers half the slot across and
    // four fifths up, whatever the piece's size.
    TexCoordSlot slot = RepeatedSlot();
    slot.repeated = false;
    slot.width = 250;
    slot.height = 400;
    const Coords c = Compute(slot, {100, 7100}, {-50, 950});
    EXPECT_DOUBLE_EQ(c.s[0], 0.0);
    EXPECT_DOUBLE_EQ(c.s[1], 0.5);
    EXPECT_DOUBLE_EQ(c.t[0], 0.0);
    EXPECT_DOUBLE_EQ(c.t[1], 0.8);
}

TEST(GLTexCoords, RotatedFlagSwapsTheAxes) {
    const std::vector<double> a = {0, 2000, 2000, 0};
    const std::vector<double> b = {0, 0, 500, 500};
    TexCoordSlot slot = RepeatedSlot();
    const Coords plain = Compute(slot, a, b);
    slot.rotated = true;
    const Coords turned = Compute(slot, a, b);
    // Unrotated, s follows a (2000 mm: 0.8) and t follows b (500 mm: 0.2);
    // rotated, s follows b and t follows a.
    EXPECT_NEAR(plain.s[1], 0.8, 1e-12);
    EXPECT_NEAR(plain.t[2], 0.2, 1e-12);
    EXPECT_NEAR(turned.s[1], 0.0, 1e-12);
    EXPECT_NEAR(turned.s[3], 0.2, 1e-12);
    EXPECT_NEAR(turned.t[1], 0.8, 1e-12);
    EXPECT_NEAR(turned.t[3], 0.0, 1e-12);
}

TEST(GLTexCoords, ZeroExtentBecomesOne) {
    // Every point at one a and one b (a degenerate piece): no division by 0.
    const Coords c = Compute(RepeatedSlot(), {7, 7, 7}, {3, 3, 3});
    for (std::size_t k = 0; k < 3; ++k) {
        EXPECT_TRUE(std::isfinite(c.s[k]));
        EXPECT_TRUE(std::isfinite(c.t[k]));
        EXPECT_DOUBLE_EQ(c.s[k], 0.0);
        EXPECT_DOUBLE_EQ(c.t[k], 0.0);
    }
}

TEST(GLTexCoords, UnusableSlotDrawsThePieceInItsColour) {
    struct Case {
        const char* what;
        int index, count, reqW, reqH;
    } cases[] = {
        {"no texture", -1, 2, 500, 500},
        {"index at the slot count", 2, 2, 500, 500},
        {"index past the table", 250, 300, 500, 500},
        {"empty atlas", 0, 0, 500, 500},
        {"requested width 0", 0, 1, 0, 500},
        {"requested height 0", 0, 1, 500, 0},
    };
    for (const Case& k : cases) {
        TexCoordSlot slot = RepeatedSlot();
        slot.index = k.index;
        slot.count = k.count;
        slot.requestedWidth = k.reqW;
        slot.requestedHeight = k.reqH;
        bool ok = true;
        const Coords c = Compute(slot, {0, 100}, {0, 100}, &ok);
        EXPECT_FALSE(ok) << k.what;
        EXPECT_FALSE(TexCoordSlotUsable(slot)) << k.what;
        EXPECT_EQ(c.s[0], -7.0) << k.what; // untouched
    }
}

TEST(GLTexCoords, SlotComesFromThePieceAndTheAtlasTables) {
    TextureTable tex;
    PiesaAttributes attrs;
    tex.count = 2;
    tex.width[1] = 320;
    tex.height[1] = 240;
    tex.requestedWidth[1] = 400;
    tex.requestedHeight[1] = 300;
    tex.repeatScale[1] = 150;
    attrs.textureIndex[5] = 1;
    attrs.textureRepeated[5] = 1;
    attrs.textureRotated[5] = 1;
    const TexCoordSlot s = TexCoordSlotFor(tex, attrs, 5);
    EXPECT_EQ(s.index, 1);
    EXPECT_EQ(s.count, 2);
    EXPECT_EQ(s.width, 320);
    EXPECT_EQ(s.height, 240);
    EXPECT_EQ(s.requestedWidth, 400);
    EXPECT_EQ(s.requestedHeight, 300);
    EXPECT_EQ(s.repeatScale, 150);
    EXPECT_TRUE(s.repeated);
    EXPECT_TRUE(s.rotated);
    // An index beyond the table reads no slot sizes.
    attrs.textureIndex[6] = 5000;
    EXPECT_FALSE(TexCoordSlotUsable(TexCoordSlotFor(tex, attrs, 6)));
}

TEST(GLHelpers, NormalIsTheUnnormalisedCrossProduct) {
    const float p1[3] = {1, 1, 1}, p2[3] = {3, 1, 1}, p3[3] = {1, 4, 1};
    float n[3];
    CalcNormal(p1, p2, p3, n);
    EXPECT_FLOAT_EQ(n[0], 0);
    EXPECT_FLOAT_EQ(n[1], 0);
    EXPECT_FLOAT_EQ(n[2], 6); // (2,0,0) x (0,3,0)
}

TEST(GLHelpers, HatchRowsRepeatTheDiagonalCross) {
    const std::uint8_t rows[8] = {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81};
    for (int r = 0; r < 32; ++r)
        for (int k = 0; k < 4; ++k) EXPECT_EQ(HatchPattern[r * 4 + k], rows[r % 8]) << "row " << r;
}

TEST(GLHelpers, RectangleOutlineOrderAndTriangles) {
    PieceOutline o;
    SetRectangleOutline(1, 2, 3, 4, o);
    EXPECT_EQ(o.u, (std::vector<double>{1, 1, 3, 3}));
    EXPECT_EQ(o.v, (std::vector<double>{2, 4, 4, 2}));
    EXPECT_EQ(o.triangles, (std::vector<int>{0, 1, 3, 1, 2, 3}));
}

// The flattened frame of one plain box: every face as triangles, and in
// "Sarmos" only the faces' own edges flagged, so a wire picture of the
// triangles shows no diagonals.
TEST(FrameTriangles, BoxGivesTwelveTrianglesAndOnlyItsOwnEdges) {
    auto scene = std::make_unique<Scene3D>();
    Scene3D& s = *scene;
    s.Init();
    s.AddBox(0, 0, 0, 600, 800, 18);
    s.color[0] = 0x0000FF; // red, in the low byte
    s.UpdateModelCentre();
    auto attrs = std::make_unique<PiesaAttributes>();
    attrs->modelFace[0] = 1;
    GLSceneRenderer r;
    for (int mode : {0, 1}) {
        GLFrameInputs in;
        in.scene = &s;
        in.attrs = attrs.get();
        in.displayMode = mode;
        FrameTriangles t;
        ASSERT_TRUE(r.CollectTriangles(in, t));
        ASSERT_EQ(t.VertexCount(), 36u) << "mode " << mode;
        EXPECT_FALSE(t.textured);
        int edges = 0;
        for (unsigned char e : t.edge) edges += e;
        // Four edges on each of the six faces; the lit mode draws the caps
        // from their triangles, so all six edges of each cap's pair count.
        EXPECT_EQ(edges, mode == 0 ? 28 : 24) << "mode " << mode;
        for (std::size_t v = 0; v < t.VertexCount(); ++v) {
            EXPECT_FLOAT_EQ(t.color[3 * v], 1.0f);
            EXPECT_FLOAT_EQ(t.color[3 * v + 1], 0.0f);
        }
    }
    GLFrameInputs none;
    FrameTriangles t;
    EXPECT_FALSE(r.CollectTriangles(none, t));
}

} // namespace
} // namespace zv
