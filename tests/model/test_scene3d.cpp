#include "model/Mobila.h"
#include "model/Scene3D.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <utility>

using namespace zv;

namespace {
// Scenes are large (fixed tables): keep them on the heap.
std::unique_ptr<Scene3D> NewScene() {
    auto s = std::make_unique<Scene3D>();
    s->Init();
    return s;
}

void ExpectBox(const Scene3D& s, int piece, double x0, double y0, double z0, double x1, double y1, double z1) {
    const auto b = s.PieceBox(piece);
    EXPECT_DOUBLE_EQ(b.x0, x0);
    EXPECT_DOUBLE_EQ(b.y0, y0);
    EXPECT_DOUBLE_EQ(b.z0, z0);
    EXPECT_DOUBLE_EQ(b.x1, x1);
    EXPECT_DOUBLE_EQ(b.y1, y1);
    EXPECT_DOUBLE_EQ(b.z1, z1);
    // Every point of the run lies on a corner of that box.
    const int v = s.faceFirst[piece][0];
    for (int k = 0; k < 24; ++k) {
        EXPECT_TRUE(s.X[v + k] == b.x0 || s.X[v + k] == b.x1) << k;
        EXPECT_TRUE(s.Y[v + k] == b.y0 || s.Y[v + k] == b.y1) << k;
        EXPECT_TRUE(s.Z[v + k] == b.z0 || s.Z[v + k] == b.z1) << k;
    }
}
} // namespace

TEST(Scene3D, InitAndClear) {
    auto s = NewScene();
    EXPECT_EQ(s->ObserverZ(), -500);
    EXPECT_EQ(s->screenCx, 285);
    EXPECT_EQ(s->screenCy, 160);
    EXPECT_EQ(s->zoom, 1.0);
    EXPECT_EQ(s->color[199], Scene3D::kDefaultColor);
    s->AddBox(0, 0, 0, 1, 1, 1);
    s->rotY = 1.0;
    s->panX = 5;
    s->Clear();
    EXPECT_EQ(s->pieceCount, 0);
    EXPECT_EQ(s->pointCount, 0);
    EXPECT_EQ(s->rotY, 0.0);
    EXPECT_EQ(s->panX, 5); // the pan stays
}

TEST(Scene3D, AddBoxFollowsThePointOrder) {
    auto s = NewScene();
    s->AddBox(10, 20, 30, 100, 200, 300);
    EXPECT_EQ(s->pointCount, 24);
    EXPECT_EQ(s->pieceCount, 1);
    EXPECT_EQ(s->X[1], 110);
    EXPECT_EQ(s->Y[2], 220);
    EXPECT_EQ(s->Z[4], 330);
    EXPECT_EQ(s->Z[9], 30);
    EXPECT_EQ(s->Z[10], 330);
    EXPECT_DOUBLE_EQ(s->pieceCx[0], 60);
    EXPECT_DOUBLE_EQ(s->pieceCy[0], 120);
    EXPECT_DOUBLE_EQ(s->pieceCz[0], 180);
    EXPECT_DOUBLE_EQ(s->modelCx, 60);
    EXPECT_DOUBLE_EQ(s->modelCy, 120);
    EXPECT_DOUBLE_EQ(s->modelCz, 180);
    EXPECT_EQ(s->faceCount[0], 6);
    for (int f = 0; f < 6; ++f) {
        EXPECT_EQ(s->faceFirst[0][f], 4 * f);
        EXPECT_EQ(s->facePoints[0][f], 4);
    }
    // Face 3 (right, x = x1) runs (y0,z1) (y1,z1) (y1,z0) (y0,z0).
    EXPECT_EQ(s->X[12], 110);
    EXPECT_EQ(s->Y[12], 20);
    EXPECT_EQ(s->Z[12], 330);
    EXPECT_EQ(s->Y[14], 220);
    EXPECT_EQ(s->Z[14], 30);
    ExpectBox(*s, 0, 10, 20, 30, 110, 220, 330);
}

TEST(Scene3D, AddBoxAtTheLimitsDoesNothing) {
    auto s = NewScene();
    for (int i = 0; i < 200; ++i) ASSERT_TRUE(s->AddBox(i, 0, 0, 1, 1, 1));
    const auto before = std::make_unique<Scene3D>(*s);
    EXPECT_FALSE(s->AddBox(0, 0, 0, 5, 5, 5));
    EXPECT_EQ(s->pieceCount, 200);
    EXPECT_EQ(s->pointCount, 4800);
    EXPECT_EQ(s->X, before->X);
    EXPECT_EQ(s->faceFirst, before->faceFirst);

    // A scene whose points were filled by other means takes a box that ends
    // exactly at 4800 points and refuses one past it.
    for (const auto& [points, fits] : {std::pair{4776, true}, {4777, false}, {4790, false}}) {
        auto t = NewScene();
        t->pointCount = points;
        EXPECT_EQ(t->AddBox(0, 0, 0, 1, 1, 1), fits) << points;
        EXPECT_EQ(t->pieceCount, fits ? 1 : 0) << points;
        EXPECT_EQ(t->pointCount, fits ? 4800 : points) << points;
    }
}

TEST(Scene3D, EditsOfOnePiece) {
    struct Case {
        const char* what;
        void (*edit)(Scene3D&);
        double x0, y0, z0, x1, y1, z1;
    };
    const Case cases[] = {
        {"move z", [](Scene3D& s) { s.MoveObject(0, 0, 0, 5); }, 0, 0, 5, 100, 200, 305},
        {"move NaN is no move", [](Scene3D& s) { s.MoveObject(0, std::nan(""), 0, 0); }, 0, 0, 0, 100, 200, 300},
        {"size y only", [](Scene3D& s) { s.SetObjectSize(0, 0, 50, 0); }, 0, 0, 0, 100, 50, 300},
        {"size all", [](Scene3D& s) { s.SetObjectSize(0, 10, 20, 30); }, 0, 0, 0, 10, 20, 30},
        {"stretch left side", [](Scene3D& s) { s.StretchObject(true, 0, 10, 0, 0); }, 10, 0, 0, 100, 200, 300},
        {"stretch right side", [](Scene3D& s) { s.StretchObject(false, 0, 10, 0, 0); }, 0, 0, 0, 110, 200, 300},
        {"stretch bottom and back",
         [](Scene3D& s) {
             s.StretchObject(true, 0, 0, -5, 0);
             s.StretchObject(false, 0, 0, 0, 7);
         },
         0, -5, 0, 100, 200, 307},
        {"stretch past zero stays", [](Scene3D& s) { s.StretchObject(true, 0, 150, 0, 0); }, 150, 0, 0, 100, 200, 300},
        {"scale about a centre", [](Scene3D& s) { s.ScaleObject(0, 0, 100, 0, 2, 0.5, 1); }, 0, 50, 0, 200, 150, 300},
        {"out of range piece",
         [](Scene3D& s) {
             s.MoveObject(5, 1, 1, 1);
             s.SetObjectSize(-1, 1, 1, 1);
             s.StretchObject(true, 1, 1, 1, 1);
         },
         0, 0, 0, 100, 200, 300},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto s = NewScene();
        s->AddBox(0, 0, 0, 100, 200, 300);
        c.edit(*s);
        const auto b = s->PieceBox(0);
        EXPECT_DOUBLE_EQ(b.x0, c.x0);
        EXPECT_DOUBLE_EQ(b.y0, c.y0);
        EXPECT_DOUBLE_EQ(b.z0, c.z0);
        EXPECT_DOUBLE_EQ(b.x1, c.x1);
        EXPECT_DOUBLE_EQ(b.y1, c.y1);
        EXPECT_DOUBLE_EQ(b.z1, c.z1);
        if (b.x0 <= b.x1) ExpectBox(*s, 0, c.x0, c.y0, c.z0, c.x1, c.y1, c.z1);
    }
}

TEST(Scene3D, ScaleLeavesCentresStale) {
    auto s = NewScene();
    s->AddBox(0, 0, 0, 100, 100, 100);
    s->ScaleObject(0, 0, 0, 0, 2, 2, 2);
    EXPECT_DOUBLE_EQ(s->pieceCx[0], 50);
    EXPECT_DOUBLE_EQ(s->modelCx, 50);
    s->UpdateObjectCentre(0);
    s->UpdateModelCentre();
    EXPECT_DOUBLE_EQ(s->pieceCx[0], 100);
    EXPECT_DOUBLE_EQ(s->modelCx, 100);
}

TEST(Scene3D, DeleteShiftsPointsFacesAndColours) {
    auto s = NewScene();
    s->AddBox(0, 0, 0, 10, 10, 10);
    s->AddBox(100, 0, 0, 10, 10, 10);
    s->AddBox(200, 0, 0, 10, 10, 10);
    s->color[0] = 1;
    s->color[1] = 2;
    s->color[2] = 3;
    s->current = 2;
    s->DeleteObject(0);
    EXPECT_EQ(s->pieceCount, 2);
    EXPECT_EQ(s->pointCount, 48);
    EXPECT_EQ(s->faceFirst[0][0], 0);
    EXPECT_EQ(s->faceFirst[1][5], 24 + 20);
    EXPECT_EQ(s->color[0], 2u);
    EXPECT_EQ(s->color[1], 3u);
    EXPECT_EQ(s->current, 0);
    ExpectBox(*s, 0, 100, 0, 0, 110, 10, 10);
    ExpectBox(*s, 1, 200, 0, 0, 210, 10, 10);
    EXPECT_DOUBLE_EQ(s->pieceCx[0], 105);
    EXPECT_DOUBLE_EQ(s->modelCx, 155);

    auto e = NewScene();
    e->DeleteObject(0); // empty scene: nothing
    EXPECT_EQ(e->pieceCount, 0);
    s->DeleteObject(7); // past the pieces: nothing
    EXPECT_EQ(s->pieceCount, 2);
}

TEST(Scene3D, ExtentsMidRangeAndRotation) {
    auto s = NewScene();
    EXPECT_EQ(s->MaxX() - s->MinX(), 0.0); // no points
    s->AddBox(-10, 5, 0, 20, 30, 40);
    s->AddBox(50, -5, 1, 1, 1, 1);
    EXPECT_EQ(s->MinX(), -10);
    EXPECT_EQ(s->MaxX(), 51);
    EXPECT_EQ(s->MinY(), -5);
    EXPECT_EQ(s->MaxY(), 35);
    EXPECT_EQ(s->MaxZ(), 40);
    const double v1[] = {3, 1, 2};
    EXPECT_EQ(Scene3D::MidRange(3, v1), 2.0);
    const double v2[] = {7.5};
    EXPECT_EQ(Scene3D::MidRange(1, v2), 7.5);

    double a = 1, b = 0;
    Scene3D::RotatePair(a, b, 0, 1); // a quarter turn
    EXPECT_NEAR(a, 0, 1e-12);
    EXPECT_NEAR(b, 1, 1e-12);
    double x = 2, y = 1;
    Scene3D::RotateAround(x, y, 0, 1, 1, 1);
    EXPECT_NEAR(x, 1, 1e-12);
    EXPECT_NEAR(y, 2, 1e-12);
}

TEST(Scene3D, DepthKey) {
    auto s = NewScene();
    s->AddBox(0, 0, 0, 10, 10, 10);
    s->AddBox(0, 0, 100, 10, 10, 10);
    // No rotation: the key is the largest model-relative z.
    EXPECT_DOUBLE_EQ(s->DepthKey(1, 1, 0, 1, 0), 110 - s->modelCz);
    EXPECT_GT(s->DepthKey(1, 1, 0, 1, 0), s->DepthKey(0, 1, 0, 1, 0));
    // Far in front of the model: below the start value.
    auto t = NewScene();
    t->AddBox(0, 0, 0, 1, 1, 1);
    t->modelCz = 1e6;
    EXPECT_EQ(t->DepthKey(0, 1, 0, 1, 0), -100000.0);
    EXPECT_EQ(t->DepthKey(9, 1, 0, 1, 0), -100000.0);
}

TEST(Furniture, SortDimensionsClasses) {
    const struct {
        double a, b, c;
        int cls;
        double ra, rb, rc;
    } cases[] = {
        {18, 600, 2000, 2, 2000, 600, 18},
        {600, 18, 2000, 0, 600, 2000, 18},
        {600, 2000, 18, 1, 600, 2000, 18},
        {10, 10, 10, 1, 10, 10, 10},
        {5, 5, 9, 0, 5, 9, 5},
    };
    for (const auto& c : cases) {
        double a = c.a, b = c.b, cc = c.c;
        EXPECT_EQ(SortDimensions(a, b, cc), c.cls) << c.a << " " << c.b << " " << c.c;
        EXPECT_EQ(a, c.ra);
        EXPECT_EQ(b, c.rb);
        EXPECT_EQ(cc, c.rc);
    }
}

TEST(Furniture, RecomputeSizeAndHardwareLimit) {
    auto f = std::make_unique<Furniture>();
    f->scene.Init();
    RecomputeFurnitureSize(f->scene, f->dim);
    EXPECT_EQ(f->dim.W, 0);
    EXPECT_EQ(f->dim.H, 0);
    EXPECT_EQ(f->dim.D, 0);
    f->scene.AddBox(0, 0, 0, 600, 18, 500);
    f->scene.AddBox(0, 18, 0, 18, 700, 500);
    RecomputeFurnitureSize(f->scene, f->dim);
    EXPECT_EQ(f->dim.W, 600);
    EXPECT_EQ(f->dim.H, 718);
    EXPECT_EQ(f->dim.D, 500);

    PieceHardware h;
    for (int i = 0; i < kMaxHardware; ++i) ASSERT_TRUE(h.Add("C" + std::to_string(i), 1));
    EXPECT_FALSE(h.Add("X", 1));
    EXPECT_EQ(h.Count(), 101);
    PieceHardware g;
    g.Add("ABCDEFGHIJKLMN", 2);
    EXPECT_EQ(g.At(0).code, "ABCDEFGHIJ");
    EXPECT_EQ(g.Find("ABCDEFGHIJ"), 0);
    EXPECT_EQ(g.Find("abcdefghij"), -1);
}

TEST(Furniture, ResetToNoFurnitureKeepsOnlyWhatTheNextFurnitureReplaces) {
    auto f = std::make_unique<Furniture>();
    f->scene.Init();
    f->scene.AddBox(0, 0, 0, 600, 18, 500);
    f->scene.rotY = 0.5;
    f->pieceNames = {"Baza"};
    f->attrs.materialCode[0] = "PAL18";
    f->attrs.modelFile[0] = "Model1.bmp";
    f->attrs.modelFace[0] = 2;
    f->name = "Dulap";
    f->fileName = "/tmp/Dulap.mo4";
    f->hasFileName = false;
    f->modified = true;
    f->projParams.x[1] = 42;
    f->ResetToNoFurniture();
    EXPECT_EQ(f->scene.pieceCount, 0);
    EXPECT_EQ(f->scene.pointCount, 0);
    EXPECT_EQ(f->scene.zoom, 1.0);
    EXPECT_EQ(f->scene.miniScale, 0.05);
    EXPECT_TRUE(f->hasFileName);
    EXPECT_FALSE(f->modified);
    EXPECT_FALSE(f->NeedsSaveQuestion());
    EXPECT_EQ(f->name, "");
    EXPECT_EQ(f->fileName, "");
    EXPECT_EQ(f->projParams.x[1], 10.0);
    EXPECT_EQ(f->attrs.modelFile[0], "");
    EXPECT_EQ(f->attrs.modelFace[0], 0);
    EXPECT_EQ(f->pieceNames, std::vector<std::string>{"Baza"});
    EXPECT_EQ(f->attrs.materialCode[0], "PAL18");
}
