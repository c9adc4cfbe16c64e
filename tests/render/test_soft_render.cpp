// The software 3D view and the mini views, drawn on a canvas without a window.
#include "render/SoftRender.h"

#include "model/Mobila.h"
#include "model/MobilaFile.h"

#include <QImage>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <memory>
#include <set>
#include <string>
#include <vector>

using namespace zv;

namespace {

constexpr Color kWhite = 0xFFFFFF, kBlack = 0, kRed = 0x0000FF, kYellow = 0x00FFFF, kBlue = 0xFF0000;
constexpr int kW = 570, kH = 320;

// A scene built through AddBox and drawn into a 570 x 320 picture; the
// picture is written next to the test's output when a check fails.
class SoftScene : public ::testing::Test {
protected:
    Scene3D s;
    Canvas c;
    double W = 0, H = 0;

    void SetUp() override {
        s.Init();
        s.miniScale = 0.05;
        s.currentFillStyle = 1;
    }
    void TearDown() override {
        if (HasFailure()) {
            const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
            c.Image().save(QString("soft_%1.png").arg(info->name()));
        }
    }
    int Box(double x, double y, double z, double sx, double sy, double sz, Color color) {
        s.AddBox(x, y, z, sx, sy, sz);
        const int i = s.pieceCount - 1;
        s.color[i] = color;
        W = s.MaxX() - s.MinX();
        H = s.MaxY() - s.MinY();
        return i;
    }
    // Back, two sides, bottom and top of a 600 x 800 x 400 carcass.
    void Carcass(Color color) {
        Box(0, 0, 396, 600, 800, 4, color);
        Box(0, 0, 0, 18, 800, 396, color);
        Box(582, 0, 0, 18, 800, 396, color);
        Box(18, 0, 0, 564, 18, 396, color);
        Box(18, 782, 0, 564, 18, 396, color);
    }
    void Draw(int mode, int side = 1) {
        FitViewScale(s, kW, kH, H, W);
        Redraw3DImage(s, c, kW, kH, mode, side);
    }
    // Pixels of one colour inside the frame, away from the "3D" text.
    int Count(Color color) const {
        return CountWhere([&](Color p) { return p == color; });
    }
    int CountNot(Color color) const {
        return CountWhere([&](Color p) { return p != color; });
    }
    template <class Pred> int CountWhere(Pred pred) const {
        int n = 0;
        for (int y = 1; y < c.Height() - 1; ++y)
            for (int x = 1; x < c.Width() - 1; ++x)
                if (!(x < 40 && y < 30) && pred(c.Pixel(x, y))) ++n;
        return n;
    }
    std::set<Color> Colours() const {
        std::set<Color> out;
        for (int y = 1; y < c.Height() - 1; ++y)
            for (int x = 1; x < c.Width() - 1; ++x)
                if (!(x < 40 && y < 30)) out.insert(c.Pixel(x, y));
        return out;
    }
};

} // namespace

TEST(SoftRender, ColoursAreSplitAndJudgedOnTheirLow24Bits) {
    int r, g, b;
    SplitColor(0xAB123456, r, g, b);
    EXPECT_EQ(r, 0x56);
    EXPECT_EQ(g, 0x34);
    EXPECT_EQ(b, 0x12);
    EXPECT_FALSE(IsLightColor(Rgb(127, 127, 127)));
    EXPECT_TRUE(IsLightColor(Rgb(0, 128, 0)));
    // A stray high byte must not make black look light.
    EXPECT_FALSE(IsLightColor(0xFF000000));
}

TEST(SoftRender, ProjectPolygonCutsAtTheScreenPlaneAndTruncatesTowardsZero) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        const char* what;
        std::vector<double> x, y, z;
        int cx, cy;
        std::vector<std::pair<int, int>> expected;
    } cases[] = {
        // Edges 1-2 and 3-0 cross z = 0 half way; the points at z = 100 get f = 500/600.
        {"crossing, centred",
         {-50, 50, 50, -50},
         {-50, -50, 50, 50},
         {-100, -100, 100, 100},
         285,
         160,
         {{335, 160}, {326, 201}, {243, 201}, {235, 160}}},
        // Around (0, 0): -41.67 becomes -41, not -42.
        {"crossing, at the origin",
         {-50, 50, 50, -50},
         {-50, -50, 50, 50},
         {-100, -100, 100, 100},
         0,
         0,
         {{50, 0}, {41, 41}, {-41, 41}, {-50, 0}}},
        {"wholly behind the observer", {0, 100, 100}, {0, 0, 100}, {-10, -20, 0}, 285, 160, {}},
        {"in front", {0, 100, 100}, {0, 0, -100}, {500, 500, 500}, 10, 20, {{10, 20}, {60, 20}, {60, -30}}},
        {"a point that is not a number is skipped",
         {0, nan, 100},
         {0, 0, 100},
         {500, 500, 500},
         0,
         0,
         {{0, 0}, {50, 50}}},
        {"an infinite point is skipped", {0, inf, 100}, {0, 0, 100}, {500, 500, 500}, 0, 0, {{0, 0}, {50, 50}}},
    };
    Scene3D s;
    s.Init();
    for (const auto& k : cases) {
        CanvasPoint out[kMaxProjectedPoints];
        int count = -1;
        ProjectPolygon(s, static_cast<int>(k.x.size()), k.x.data(), k.y.data(), k.z.data(), out, count, k.cx, k.cy);
        std::vector<std::pair<int, int>> got;
        for (int i = 0; i < count; ++i) got.emplace_back(out[i].x, out[i].y);
        EXPECT_EQ(got, k.expected) << k.what;
    }
}

TEST(SoftRender, ShadeFaceBySideMode) {
    Scene3D s;
    s.Init();
    // Normal along +z, away from the eye at (0, 0, -500): the inside of a box.
    const double ax[] = {-100, 100, 100}, ay[] = {-100, -100, 100}, az[] = {500, 500, 500};
    // The same points the other way round: turned towards the eye.
    const double bx[] = {100, -100, -100}, by[] = {-100, -100, 100}, bz[] = {500, 500, 500};
    const double lit = 1000.0 / std::sqrt(1020000.0); // cosine between the normal and the ray to p0
    struct Case {
        int side;
        bool towardsEye;
        double expected;
    } cases[] = {
        {0, false, lit}, {0, true, -1.0}, {1, false, -1.0}, {1, true, lit},
        {2, false, lit}, {2, true, lit},  {3, false, -1.0}, {3, true, -1.0},
    };
    for (const auto& k : cases) {
        const double r = k.towardsEye ? ShadeFace(s, 3, bx, by, bz, 0, 0, -500, 1.0, k.side)
                                      : ShadeFace(s, 3, ax, ay, az, 0, 0, -500, 1.0, k.side);
        EXPECT_NEAR(r, k.expected, 1e-12) << "side " << k.side << " towards eye " << k.towardsEye;
    }
    EXPECT_NEAR(ShadeFace(s, 3, ax, ay, az, 0, 0, -500, 2.0, 2), std::sqrt(lit), 1e-12);
    EXPECT_NEAR(ShadeFace(s, 3, ax, ay, az, 0, 0, -500, 3.0, 2), lit * lit * lit, 1e-12);
    EXPECT_EQ(ShadeFace(s, 3, ax, ay, az, 0, 0, -500, 0.5, 2), 0.0);
    // Points on a line have no normal; two points are no face.
    const double lx[] = {0, 1, 2}, ly[] = {0, 1, 2}, lz[] = {5, 5, 5};
    EXPECT_EQ(ShadeFace(s, 3, lx, ly, lz, 0, 0, -500, 1.0, 2), -1.0);
    EXPECT_EQ(ShadeFace(s, 2, ax, ay, az, 0, 0, -500, 1.0, 2), -1.0);
    // A face edge-on to the light is drawn dark.
    const double ex[] = {0, 0, 0}, ey[] = {0, 100, 100}, ez[] = {0, 0, 100};
    EXPECT_EQ(ShadeFace(s, 3, ex, ey, ez, 0, 0, -500, 1.0, 2), 0.0);
}

TEST(SoftRender, FitViewScaleFromPictureAndFurnitureSize) {
    struct Case {
        int w, h;
        double H, W;
        int cx, cy;
        double zoom;
    } cases[] = {
        {570, 320, 2000, 600, 285, 160, 0.4}, // the height decides
        {200, 800, 2000, 600, 100, 400, 0.8}, // the width decides
        {571, 321, 2000, 600, 285, 160, 0.4}, // halves are cut
        {570, 320, 0, 600, 285, 160, 1.0},    // no height: only the centre
        {570, 320, 2000, 0, 285, 160, 1.0},   // no width: only the centre
        {570, 320, std::nan(""), std::nan(""), 285, 160, 1.0},
    };
    for (const auto& k : cases) {
        Scene3D s;
        s.Init();
        FitViewScale(s, k.w, k.h, k.H, k.W);
        EXPECT_EQ(s.screenCx, k.cx);
        EXPECT_EQ(s.screenCy, k.cy);
        EXPECT_NEAR(s.zoom, k.zoom, 1e-12) << k.w << "x" << k.h << " H " << k.H << " W " << k.W;
    }
}

TEST(SoftRender, SortObjectsOrdersByKeyAndSurvivesNaN) {
    Scene3D s;
    s.Init();
    for (int i = 0; i < 6; ++i) s.AddBox(0, 0, 0, 1, 1, 1);
    const double keys[] = {3, 1, 4, 1, 5, 9};
    SortObjects(s, keys, false);
    for (int k = 1; k < 6; ++k) EXPECT_GE(keys[s.drawOrder[k - 1]], keys[s.drawOrder[k]]);
    SortObjects(s, keys, true);
    for (int k = 1; k < 6; ++k) EXPECT_LE(keys[s.drawOrder[k - 1]], keys[s.drawOrder[k]]);
    const double nan = std::nan("");
    const double odd[] = {nan, 2, nan, 1, nan, 0};
    SortObjects(s, odd, true);
    std::set<int> seen(s.drawOrder.begin(), s.drawOrder.begin() + 6);
    EXPECT_EQ(seen, (std::set<int>{0, 1, 2, 3, 4, 5}));
}

TEST_F(SoftScene, EmptySceneIsWhiteWithFrameAndTitle) {
    Draw(kModeLit);
    EXPECT_EQ(c.Width(), kW);
    EXPECT_EQ(c.Height(), kH);
    for (int x : {0, kW / 2, kW - 1}) {
        EXPECT_EQ(c.Pixel(x, 0), kBlack);
        EXPECT_EQ(c.Pixel(x, kH - 1), kBlack);
    }
    for (int y : {0, kH / 2, kH - 1}) {
        EXPECT_EQ(c.Pixel(0, y), kBlack);
        EXPECT_EQ(c.Pixel(kW - 1, y), kBlack);
    }
    EXPECT_EQ(Colours(), std::set<Color>{kWhite});
    int blue = 0;
    for (int y = 1; y < 30; ++y)
        for (int x = 1; x < 40; ++x) blue += c.Pixel(x, y) == kBlue;
    EXPECT_GT(blue, 10) << "the blue \"3D\"";
}

TEST_F(SoftScene, NoOldSlotIsDrawnWithoutARealCurrentPiece) {
    Draw(kModeOutline);
    const QImage empty = c.Image().copy();
    // A deleted piece leaves its points and faces in the tables.
    Box(100, 100, 100, 400, 400, 400, Rgb(10, 10, 10));
    s.DeleteObject(0);
    ASSERT_EQ(s.pieceCount, 0);
    Draw(kModeOutline);
    EXPECT_TRUE(c.Image() == empty);

    Box(0, 0, 0, 600, 800, 400, Rgb(10, 10, 10));
    for (int current : {1, 5, 250, -1}) {
        s.current = current;
        Draw(kModeOutline);
        EXPECT_EQ(Count(kRed), 0) << "current " << current;
    }
}

TEST_F(SoftScene, OutlineColoursFollowThePieceColour) {
    s.current = -1; // no piece is current here
    Box(0, 0, 0, 600, 800, 400, Rgb(250, 250, 250));
    Draw(kModeOutline);
    EXPECT_GT(Count(kBlack), 100) << "a very light piece keeps the black pen in \"Sarmos\"";

    s.color[0] = Rgb(100, 100, 100);
    for (int mode : {kModeLit, kModeFlat}) {
        Draw(mode);
        EXPECT_GT(Count(kYellow), 100) << "dark piece, mode " << mode;
    }
    Draw(kModeOutline);
    EXPECT_EQ(Count(kYellow), 0);
    EXPECT_GT(Count(Rgb(100, 100, 100)), 100) << "outlined in its own colour";
    EXPECT_EQ(c.Pixel(s.screenCx, s.screenCy), kWhite) << "outlines only";

    Draw(kModeFlat);
    EXPECT_EQ(c.Pixel(s.screenCx, s.screenCy), Rgb(100, 100, 100)) << "plain colour without lighting";
    Draw(kModeLit);
    const Color lit = c.Pixel(s.screenCx, s.screenCy);
    EXPECT_NE(lit, Rgb(100, 100, 100));
    EXPECT_EQ(RedOf(lit), GreenOf(lit));
    EXPECT_GE(RedOf(lit), 30);
    EXPECT_LE(RedOf(lit), 100);
}

TEST_F(SoftScene, CurrentPieceIsRedDottedOnTop) {
    const Color navy = Rgb(0, 0, 160);
    Box(0, 0, 0, 600, 800, 400, navy);
    Box(0, 0, 0, 600, 800, 400, navy); // the same place: every edge is shared
    for (int current : {0, 1}) {
        s.current = current;
        Draw(kModeOutline);
        ASSERT_GT(Count(kRed), 50) << "current " << current;
        // The row with the most red: red dots with the other piece's pen between them.
        int bestRow = 0, best = 0;
        for (int y = 1; y < kH - 1; ++y) {
            int n = 0;
            for (int x = 1; x < kW - 1; ++x) n += c.Pixel(x, y) == kRed;
            if (n > best) best = n, bestRow = y;
        }
        int firstRed = -1, lastRed = -1, gaps = 0;
        for (int x = 1; x < kW - 1; ++x)
            if (c.Pixel(x, bestRow) == kRed) {
                if (firstRed < 0) firstRed = x;
                lastRed = x;
            }
        for (int x = firstRed; x <= lastRed; ++x) gaps += c.Pixel(x, bestRow) == navy;
        EXPECT_GT(gaps, best / 3) << "dotted over the other outline, current " << current;
    }
}

TEST_F(SoftScene, CurrentPieceHatchedOrFilled) {
    const Color grey = Rgb(100, 100, 100);
    Box(0, 0, 0, 600, 800, 400, grey);
    s.current = 0;
    auto whiteNearCentre = [&] {
        int n = 0;
        for (int y = s.screenCy - 20; y < s.screenCy + 20; ++y)
            for (int x = s.screenCx - 20; x < s.screenCx + 20; ++x) n += c.Pixel(x, y) == kWhite;
        return n;
    };
    s.currentFillStyle = 7;
    Draw(kModeFlat);
    const int hatched = whiteNearCentre();
    EXPECT_GT(hatched, 800) << "the background shows between the hatch lines";
    EXPECT_GT(Count(grey), 100) << "hatch lines in the piece colour";
    EXPECT_GT(Count(kWhite - grey), 50) << "outline in the complement";

    s.currentFillStyle = 1;
    Draw(kModeFlat);
    EXPECT_EQ(whiteNearCentre(), 0) << "without hatching it is filled like any other";
}

TEST_F(SoftScene, SideModeChoosesTheFaces) {
    Carcass(Rgb(180, 120, 60));
    s.rotY = 0.5;
    s.rotX = -0.3;
    Draw(kModeLit, 1);
    const QImage exterior = c.Image().copy();
    Draw(kModeLit, 0);
    EXPECT_FALSE(c.Image() == exterior);
    Draw(kModeLit, 1);
    EXPECT_TRUE(c.Image() == exterior);
    Draw(kModeLit, 3);
    EXPECT_EQ(Colours(), std::set<Color>{kWhite}) << "no side at all";
    Draw(kModeOutline, 3);
    EXPECT_GT(Count(Rgb(180, 120, 60)), 100) << "outlines cull nothing";
}

TEST_F(SoftScene, FacesCutAtTheScreenPlaneAndBehindTheEye) {
    Box(0, 0, 0, 600, 800, 400, Rgb(200, 50, 50));
    FitViewScale(s, kW, kH, H, W);
    s.panZ = -1000; // the front face sits at z = -200 after the transform: cut
    Redraw3DImage(s, c, kW, kH, kModeOutline, 1);
    EXPECT_GT(Count(kRed), 100);
    s.panZ = -5000; // everything behind the observer
    Redraw3DImage(s, c, kW, kH, kModeOutline, 1);
    EXPECT_EQ(Colours(), std::set<Color>{kWhite});
}

// Broken tables draw exactly what their sound faces describe: the same
// pictures as sound tables that hold only those faces.
TEST_F(SoftScene, BrokenTablesDrawOnlyTheirSoundFaces) {
    const Color red = Rgb(200, 50, 50), blue = Rgb(40, 60, 200);
    // Side by side with a gap: they never cover each other in the 3D view.
    Box(0, 0, 0, 250, 800, 400, red);
    Box(350, 0, 0, 250, 800, 400, blue);
    s.current = -1;
    Scene3D sound = s;
    // Piece 0 keeps faces 0, 3, 4, 5 (1 and 2 get a corner that is not a
    // number); piece 1 keeps its bottom and top (4 and 5).
    sound.faceCount[0] = 4;
    sound.faceFirst[0] = {0, 12, 16, 20};
    sound.facePoints[0] = {4, 4, 4, 4};
    sound.faceCount[1] = 2;
    sound.faceFirst[1] = {24 + 16, 24 + 20};
    sound.facePoints[1] = {4, 4};

    s.faceCount[0] = 50;                               // beyond the 11 face slots
    s.X[5] = std::nan("");                             // face 1, point 1
    s.Y[10] = std::numeric_limits<double>::infinity(); // face 2, point 2
    s.facePoints[1][0] = 2;                            // too few points
    s.facePoints[1][1] = 1000;                         // beyond the work buffers
    s.faceFirst[1][2] = 4799;                          // runs past the points in use
    s.faceFirst[1][3] = -7;
    s.color[1] |= 0xFF000000; // a stray high byte
    s.drawOrder.fill(12345);  // left from a scene with more pieces

    for (int mode : {kModeLit, kModeFlat, kModeOutline}) {
        Canvas expected;
        FitViewScale(sound, kW, kH, H, W);
        Redraw3DImage(sound, expected, kW, kH, mode, 1);
        Draw(mode);
        EXPECT_TRUE(c.Image() == expected.Image()) << "3D view, mode " << mode;
        EXPECT_GT(CountNot(kWhite), 1000) << "the sound faces are drawn, mode " << mode;
        for (int view = 1; view <= 6; ++view) {
            Canvas mini, miniExpected;
            RedrawProjectionImage(s, mini, 168, 126, view, 10, 10, mode);
            RedrawProjectionImage(sound, miniExpected, 168, 126, view, 10, 10, mode);
            EXPECT_TRUE(mini.Image() == miniExpected.Image()) << "mini view " << view << ", mode " << mode;
        }
    }
    std::set<int> order(s.drawOrder.begin(), s.drawOrder.begin() + 2);
    EXPECT_EQ(order, (std::set<int>{0, 1})) << "the draw order is rebuilt";
}

// A door in front of a shelf that reaches deeper: the shelf's farthest
// corner is nearer than the door's, yet the door must be painted last
// whenever the eye is in front of it, and first when it is behind.
TEST_F(SoftScene, APlaneBetweenTwoBoxesDecidesTheirOrder) {
    const int door = Box(0, 0, -18, 1000, 2000, 18, Rgb(44, 72, 110));
    const int shelf = Box(18, 1650, 0, 964, 18, 580, Rgb(245, 245, 242));
    struct Case {
        double rotX, rotY;
        bool fromFront;
    } cases[] = {
        {-0.4, 0.7, true}, {-0.4, -0.7, true}, {0.4, 0.7, true},
        {0, 0, true},      {0.3, M_PI, false}, {-0.4, M_PI - 0.7, false},
    };
    bool keyAloneWrong = false;
    for (const auto& k : cases) {
        s.rotX = k.rotX;
        s.rotY = k.rotY;
        FitViewScale(s, kW, kH, H, W);
        SortForView(s);
        const int first = k.fromFront ? shelf : door, last = k.fromFront ? door : shelf;
        EXPECT_EQ(s.drawOrder[0], first) << k.rotX << " " << k.rotY;
        EXPECT_EQ(s.drawOrder[1], last) << k.rotX << " " << k.rotY;
        const double keyDoor = s.DepthKey(door, std::cos(k.rotX), std::sin(k.rotX), std::cos(k.rotY), std::sin(k.rotY));
        const double keyShelf = s.DepthKey(shelf, std::cos(k.rotX), std::sin(k.rotX), std::cos(k.rotY),
                                           std::sin(k.rotY));
        keyAloneWrong = keyAloneWrong || (k.fromFront && keyDoor > keyShelf);
    }
    EXPECT_TRUE(keyAloneWrong) << "a case where the farthest corner alone paints the shelf over the door";

    // Boxes that overlap keep the order of the farthest corner.
    Box(100, 100, 100, 200, 200, 200, Rgb(200, 0, 0));
    Box(150, 150, -300, 100, 100, 700, Rgb(0, 200, 0));
    s.rotX = -0.2;
    s.rotY = 0.5;
    SortForView(s);
    std::vector<int> pair;
    for (int k = 0; k < s.pieceCount; ++k)
        if (s.drawOrder[k] >= 2) pair.push_back(s.drawOrder[k]);
    const double k2 = s.DepthKey(2, std::cos(-0.2), std::sin(-0.2), std::cos(0.5), std::sin(0.5));
    const double k3 = s.DepthKey(3, std::cos(-0.2), std::sin(-0.2), std::cos(0.5), std::sin(0.5));
    ASSERT_NE(k2, k3);
    EXPECT_EQ(pair, (k2 > k3 ? std::vector<int>{2, 3} : std::vector<int>{3, 2}));
}

// The sample wardrobe seen from the left and above with its doors closed:
// every pixel of the doors shows the doors, not a shelf or the hanger rail.
TEST_F(SoftScene, ClosedDoorsOfTheSampleWardrobeHideItsInside) {
    auto f = std::make_unique<Furniture>();
    f->scene.Init();
    ReplaceWithMobilaFile(ReadMobilaFile(std::string(ZV_DATA_DIR) + "/Dulap.mo4"), *f);
    s = f->scene;
    s.rotX = -0.4;
    s.rotY = 0.7;
    s.rotZ = 0;
    s.panX = s.panY = s.panZ = 0;
    s.current = -1;
    s.currentFillStyle = 1;
    W = s.MaxX() - s.MinX();
    H = s.MaxY() - s.MinY();
    Scene3D doors = s; // the doors alone: every other piece draws nothing
    int doorCount = 0;
    for (int i = 0; i < s.pieceCount; ++i) {
        const bool isDoor = f->pieceNames[static_cast<std::size_t>(i)].rfind("Usa", 0) == 0;
        doorCount += isDoor;
        if (!isDoor) doors.faceCount[i] = 0;
    }
    ASSERT_EQ(doorCount, 2);
    for (int mode : {kModeLit, kModeFlat}) {
        Canvas alone;
        FitViewScale(doors, kW, kH, H, W);
        Redraw3DImage(doors, alone, kW, kH, mode, 1);
        Draw(mode);
        int doorPixels = 0, covered = 0;
        for (int y = 1; y < kH - 1; ++y)
            for (int x = 1; x < kW - 1; ++x) {
                if ((x < 40 && y < 30) || alone.Pixel(x, y) == kWhite) continue;
                ++doorPixels;
                covered += c.Pixel(x, y) != alone.Pixel(x, y);
            }
        EXPECT_GT(doorPixels, 10000) << "mode " << mode;
        EXPECT_EQ(covered, 0) << "door pixels painted over, mode " << mode;
    }
}

TEST_F(SoftScene, View0KeepsASoundDrawOrderAndMendsAStaleOne) {
    Box(0, 0, 0, 600, 800, 400, Rgb(200, 50, 50));
    Box(0, 0, 0, 600, 800, 400, Rgb(200, 50, 50));
    Canvas mini(168, 126);
    s.drawOrder.fill(12345); // left from a scene with more pieces
    DrawProjection(s, mini, 0, 10, 10, kModeLit);
    EXPECT_EQ(s.drawOrder[0], 0);
    EXPECT_EQ(s.drawOrder[1], 1);
    s.drawOrder[0] = 1;
    s.drawOrder[1] = 0;
    DrawProjection(s, mini, 0, 10, 10, kModeLit);
    EXPECT_EQ(s.drawOrder[0], 1) << "a sound order is kept";
}

TEST_F(SoftScene, MiniViewsMapPointsAndPairsDifferOnlyInOverlap) {
    const Color front = Rgb(200, 30, 30), back = Rgb(30, 30, 200);
    s.current = -1;
    Box(200, 0, 0, 400, 800, 100, front);    // x 20..40, y 125..85 at scale 0.05, pan 10
    Box(400, 400, 300, 400, 800, 100, back); // x 30..50, y 105..65
    Canvas v1, v2;
    RedrawProjectionImage(s, v1, 168, 126, 1, 10, 10, kModeLit);
    RedrawProjectionImage(s, v2, 168, 126, 2, 10, 10, kModeLit);
    EXPECT_EQ(v1.Pixel(25, 115), front);
    EXPECT_EQ(v1.Pixel(45, 75), back);
    EXPECT_EQ(v1.Pixel(35, 95), front) << "from the front the near piece is on top";
    EXPECT_EQ(v2.Pixel(35, 95), back) << "from the back the far piece is on top";
    int differ = 0, overlapOnly = 0;
    for (int y = 0; y < 126; ++y)
        for (int x = 0; x < 168; ++x)
            if (v1.Pixel(x, y) != v2.Pixel(x, y)) {
                ++differ;
                overlapOnly += x >= 30 && x <= 40 && y >= 85 && y <= 105;
            }
    EXPECT_GT(differ, 0);
    EXPECT_EQ(differ, overlapOnly);

    // Left view: x = 20 - Z*s + pan; top view: y = 135 - Z*s - pan.
    Canvas v3, v5;
    RedrawProjectionImage(s, v3, 168, 126, 3, 10, 10, kModeLit);
    RedrawProjectionImage(s, v5, 168, 126, 5, 10, 10, kModeLit);
    EXPECT_EQ(v3.Pixel(27, 115), front); // Z 0..100 -> x 30..25
    EXPECT_EQ(v5.Pixel(25, 122), front); // Z 0..100 -> y 125..120
    // Outlines: open polylines, no fill.
    RedrawProjectionImage(s, v1, 168, 126, 1, 10, 10, kModeOutline);
    EXPECT_EQ(v1.Pixel(25, 115), kWhite);
    EXPECT_EQ(v1.Pixel(20, 115), front);
}

// Every mini view paints the piece nearer to its viewer last. Two boxes
// overlap across the view and lie apart along it: the one at 0..100 and the
// one at 300..400 along the view's axis.
TEST_F(SoftScene, MiniViewsPaintTheNearerPieceLast) {
    const Color nearOrigin = Rgb(200, 30, 30), farther = Rgb(30, 30, 200);
    struct Case {
        int view;
        int axis; // 0 X, 1 Y, 2 Z
        int x, y; // a pixel where both boxes project
        Color onTop;
    } cases[] = {
        {1, 2, 25, 110, nearOrigin}, // "Fata": seen from the front (small Z)
        {2, 2, 25, 110, farther},    // "Spate"
        {3, 0, 15, 110, nearOrigin}, // "Stanga": seen from the left (small X)
        {4, 0, 15, 110, farther},    // "Dreapta"
        {5, 1, 25, 110, farther},    // "Sus": seen from above (large Y)
        {6, 1, 25, 110, nearOrigin}, // "Jos"
    };
    s.current = -1;
    for (const auto& k : cases) {
        s.Clear();
        double lo[3] = {0, 0, 0}, size[3] = {400, 400, 400};
        lo[k.axis] = 0;
        size[k.axis] = 100;
        Box(lo[0], lo[1], lo[2], size[0], size[1], size[2], nearOrigin);
        double lo2[3] = {200, 200, 200};
        lo2[k.axis] = 300;
        Box(lo2[0], lo2[1], lo2[2], size[0], size[1], size[2], farther);
        Canvas mini;
        RedrawProjectionImage(s, mini, 168, 126, k.view, 10, 10, kModeLit);
        EXPECT_EQ(mini.Pixel(k.x, k.y), k.onTop) << "view " << k.view;
    }
}

TEST_F(SoftScene, AxesLegend) {
    Redraw3DImage(s, c, kW, kH, kModeLit, 1);
    DrawAxes(c, kH);
    const int h = kH - 15;
    EXPECT_EQ(c.Pixel(30, h + 7), kRed);  // x axis
    EXPECT_EQ(c.Pixel(10, h - 20), kRed); // y axis
    EXPECT_EQ(c.penColor, kBlack);
}
