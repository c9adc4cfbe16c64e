// The texture atlas: slots per distinct file, tiling and anchoring, the
// rebuild with its notice, timer and temporary files, and what happens when a
// picture is broken or the atlas would be too large.
#include "render/TextureAtlas.h"

#include "model/AddFurniture.h"
#include "model/MobilaFile.h"
#include "model/SampleFurniture.h"

#include "platform/Dialogs.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <stdexcept>

using namespace zv;

namespace {

// Each pixel's colour tells where it came from: red = x, green = y.
QImage Coordinates(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) img.setPixel(x, y, qRgb(x & 255, y & 255, (x >> 8) * 16 + (y >> 8)));
    return img;
}

QImage Solid(int w, int h, QRgb c) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(c);
    return img;
}

// The atlas pixel at (x, y) counted from the top, as the picture shows it.
QRgb AtlasPixel(const AtlasPixels& p, int x, int yFromTop) {
    const unsigned char* q = p.rgb.data() +
                             static_cast<std::size_t>(p.height - 1 - yFromTop) * static_cast<std::size_t>(p.rowBytes) +
                             3 * x;
    return qRgb(q[0], q[1], q[2]);
}

bool Near(QRgb a, QRgb b, int tol = 12) {
    return std::abs(qRed(a) - qRed(b)) <= tol && std::abs(qGreen(a) - qGreen(b)) <= tol &&
           std::abs(qBlue(a) - qBlue(b)) <= tol;
}

struct FakeWindow {
    bool timerRunning = true;
    int shown = 0, hidden = 0;
    bool noticeVisible = false;
    AtlasHooks Hooks() {
        AtlasHooks h;
        h.showNotice = [this] {
            ++shown;
            noticeVisible = true;
        };
        h.hideNotice = [this] {
            ++hidden;
            noticeVisible = false;
        };
        h.pauseTimer = [this] {
            const bool was = timerRunning;
            timerRunning = false;
            return was;
        };
        h.restoreTimer = [this](bool was) {
            if (was) timerRunning = true;
        };
        return h;
    }
};

class Atlas : public ::testing::Test {
protected:
    QTemporaryDir dir;
    std::unique_ptr<Furniture> f = std::make_unique<Furniture>();
    AtlasPixels pixels;
    FakeWindow window;
    ScopedDialogScript dialogs;

    void SetUp() override {
        f->SetSlotDefaults();
        opt.tempFolder = dir.path().toStdString();
    }
    AtlasOptions opt;

    std::string Path(const std::string& name) const { return dir.filePath(QString::fromStdString(name)).toStdString(); }
    std::string Jpeg(const std::string& name, const QImage& img) const {
        const std::string p = Path(name);
        EXPECT_TRUE(SaveJpeg(p, img).ok);
        return p;
    }
    std::string Bmp(const std::string& name, const QImage& img) const {
        const std::string p = Path(name);
        EXPECT_TRUE(SaveBmp(p, img).ok);
        return p;
    }
    void AddPiece(const std::string& texture) {
        const int i = f->scene.pieceCount;
        f->scene.AddBox(0, 0, 0, 100, 100, 18);
        f->attrs.textureFile[static_cast<std::size_t>(i)] = texture;
    }
    int Index(int piece) const { return f->attrs.textureIndex[static_cast<std::size_t>(piece)]; }
    AtlasBuildResult Rebuild() { return BuildTextureAtlas(*f, pixels, window.Hooks(), opt); }
    bool TempFilesLeft() const {
        return QFile::exists(dir.filePath(kAtlasJpegFile)) || QFile::exists(dir.filePath(kAtlasBmpFile));
    }
    int Messages() {
        int n = 0;
        for (const auto& r : dialogs->records) n += r.what == "message";
        return n;
    }
};

} // namespace

TEST(LowerExtension, LastFourCharactersOfLongerNames) {
    const std::pair<const char*, const char*> cases[] = {
        {"a.JPG", ".jpg"}, {".jpg", ""}, {"", ""}, {"x.Bmp", ".bmp"}, {"photo.jpeg", "jpeg"}, {"DIR/A.JPG", ".jpg"}};
    for (const auto& [name, ext] : cases) EXPECT_EQ(LowerExtension(name), ext) << name;
    EXPECT_TRUE(IsJpegName("a.JPG"));
    EXPECT_FALSE(IsJpegName("a.jpeg"));
}

TEST(TileBitmap, SmallPictureIsRepeatedFromTheBottomLeftCorner) {
    QImage b = Coordinates(100, 80);
    TileBitmap(b, 500, 500);
    ASSERT_EQ(b.size(), QSize(500, 500));
    // Whole copies start at the bottom-left corner: 5 across, 6.25 up, so the
    // top row is cut through the picture.
    for (int k = 0; k < 5; ++k) EXPECT_EQ(b.pixel(100 * k, 499), qRgb(0, 79, 0)) << k;
    for (int k = 0; k < 6; ++k) EXPECT_EQ(b.pixel(0, 499 - 80 * k), qRgb(0, 79, 0)) << k;
    EXPECT_EQ(b.pixel(0, 499 - 80 * 6 + 1), qRgb(0, 0, 0)) << "the last whole copy's top row";
    EXPECT_EQ(b.pixel(0, 0), qRgb(0, 60, 0)) << "a quarter copy at the top";
    EXPECT_EQ(b.pixel(499, 0), qRgb(99, 60, 0));
}

TEST(TileBitmap, LargePictureKeepsItsBottomLeftPart) {
    QImage b = Coordinates(600, 700);
    TileBitmap(b, 500, 500);
    ASSERT_EQ(b.size(), QSize(500, 500));
    EXPECT_EQ(b.pixel(0, 499), Coordinates(600, 700).pixel(0, 699));
    EXPECT_EQ(b.pixel(0, 0), Coordinates(600, 700).pixel(0, 200));
    EXPECT_EQ(b.pixel(499, 0), Coordinates(600, 700).pixel(499, 200));
}

TEST(TileBitmap, DegenerateSizes) {
    QImage b = Coordinates(10, 10);
    TileBitmap(b, 0, 50);
    EXPECT_EQ(b.size(), QSize(10, 10)) << "nothing when the target is empty";
    QImage empty;
    TileBitmap(empty, 4, 3);
    ASSERT_EQ(empty.size(), QSize(4, 3));
    EXPECT_EQ(empty.pixel(2, 2), qRgb(255, 255, 255));
}

TEST(AppendBitmapRight, TopAlignedAndWhiteBelowTheLowerOne) {
    QImage atlas;
    AppendBitmapRight(atlas, Solid(10, 20, qRgb(255, 0, 0)));
    ASSERT_EQ(atlas.size(), QSize(10, 20));
    AppendBitmapRight(atlas, Solid(5, 30, qRgb(0, 0, 255)));
    ASSERT_EQ(atlas.size(), QSize(15, 30));
    EXPECT_EQ(atlas.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(atlas.pixel(9, 19), qRgb(255, 0, 0));
    EXPECT_EQ(atlas.pixel(9, 20), qRgb(255, 255, 255));
    EXPECT_EQ(atlas.pixel(10, 0), qRgb(0, 0, 255));
    EXPECT_EQ(atlas.pixel(14, 29), qRgb(0, 0, 255));
}

TEST_F(Atlas, OneSlotPerDistinctFileAndMissingFilesGetNone) {
    const std::string a = Jpeg("a.jpg", Solid(64, 64, qRgb(200, 30, 30)));
    const std::string b = Bmp("b.bmp", Solid(64, 64, qRgb(30, 30, 200)));
    for (const std::string& t : {a, a, b, a, Path("missing.jpg"), std::string()}) AddPiece(t);
    Rebuild();
    EXPECT_EQ(f->textures.count, 2);
    const int expected[] = {0, 0, 1, 0, -1, -1};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(Index(i), expected[i]) << i;
    EXPECT_EQ(Messages(), 0) << "a missing file is not an error";
}

TEST_F(Atlas, NamesDifferingInCaseAreTwoSlots) {
    const std::string lower = Jpeg("wood.jpg", Solid(8, 8, qRgb(120, 80, 40)));
    const std::string upper = Jpeg("WOOD.jpg", Solid(8, 8, qRgb(120, 80, 40)));
    AddPiece(lower);
    AddPiece(upper);
    AddPiece(lower);
    Rebuild();
    EXPECT_EQ(f->textures.count, 2);
    EXPECT_EQ(Index(0), 0);
    EXPECT_EQ(Index(1), 1);
    EXPECT_EQ(Index(2), 0);
    EXPECT_EQ(pixels.width, 1000);
}

TEST_F(Atlas, LayoutSizesAndOrientation) {
    // Slot 0: 100 x 80 red/green in a 500 x 300 slot; slot 1: 600 x 700 blue in 500 x 500.
    QImage small = Solid(100, 80, qRgb(220, 20, 20));
    for (int y = 64; y < 80; ++y) // the bottom 16 rows green
        for (int x = 0; x < 100; ++x) small.setPixel(x, y, qRgb(20, 220, 20));
    AddPiece(Jpeg("small.jpg", small));
    AddPiece(Bmp("big.bmp", Solid(600, 700, qRgb(20, 20, 220))));
    f->textures.requestedWidth[0] = 500;
    f->textures.requestedHeight[0] = 300;
    f->textures.repeatScale[0] = 7;
    const AtlasBuildResult r = Rebuild();
    EXPECT_TRUE(r.errors.empty());
    EXPECT_FALSE(r.direct);
    ASSERT_EQ(pixels.width, 1000);
    ASSERT_EQ(pixels.height, 500);
    EXPECT_EQ(pixels.rowBytes, 3000);
    EXPECT_EQ(pixels.rgb.size(), 3000u * 500u);
    EXPECT_EQ(f->textures.width[0], 100);
    EXPECT_EQ(f->textures.height[0], 80);
    EXPECT_EQ(f->textures.width[1], 500);
    EXPECT_EQ(f->textures.height[1], 500);
    EXPECT_EQ(f->textures.repeatScale[0], 200);
    // Slot rows start at the top of the atlas; the bytes are bottom row first.
    EXPECT_TRUE(Near(AtlasPixel(pixels, 250, 150), qRgb(220, 20, 20)));
    EXPECT_TRUE(Near(AtlasPixel(pixels, 250, 400), qRgb(255, 255, 255))) << "below the shorter slot";
    EXPECT_TRUE(Near(AtlasPixel(pixels, 750, 250), qRgb(20, 20, 220)));
    // The first bytes are the atlas's bottom-left pixel (white under slot 0),
    // the last row its top (red).
    EXPECT_TRUE(Near(qRgb(pixels.rgb[0], pixels.rgb[1], pixels.rgb[2]), qRgb(255, 255, 255)));
    const unsigned char* top = pixels.rgb.data() + 499 * 3000;
    EXPECT_TRUE(Near(qRgb(top[0], top[1], top[2]), qRgb(220, 20, 20)));
    // The picture's bottom (green) lies on the slot's bottom rows, ending at 299.
    EXPECT_TRUE(Near(AtlasPixel(pixels, 50, 292), qRgb(20, 220, 20), 30));
    EXPECT_TRUE(Near(AtlasPixel(pixels, 50, 276), qRgb(220, 20, 20), 30));
    EXPECT_TRUE(Near(AtlasPixel(pixels, 50, 292 - 80), qRgb(20, 220, 20), 30));
    EXPECT_FALSE(TempFilesLeft());
}

TEST_F(Atlas, OddSlotWidthIsPaddedPerRow) {
    AddPiece(Bmp("odd.bmp", Solid(40, 40, qRgb(90, 90, 90))));
    f->textures.requestedWidth[0] = 333;
    f->textures.requestedHeight[0] = 7;
    Rebuild();
    ASSERT_EQ(pixels.width, 333);
    EXPECT_EQ(pixels.rowBytes, 1000);
    EXPECT_EQ(pixels.rgb.size(), 7000u);
    EXPECT_TRUE(Near(AtlasPixel(pixels, 332, 6), qRgb(90, 90, 90)));
}

TEST_F(Atlas, NoTexturesLeavesNoFileAndTheTimerAsItWas) {
    for (const bool running : {true, false}) {
        SCOPED_TRACE(running);
        window.timerRunning = running;
        window.shown = window.hidden = 0;
        AddPiece(Path("absent.bmp"));
        pixels.rgb.assign(12, 1); // an earlier atlas is dropped
        pixels.width = pixels.height = 2;
        Rebuild();
        EXPECT_TRUE(pixels.Empty());
        EXPECT_EQ(f->textures.count, 0);
        EXPECT_EQ(window.timerRunning, running);
        EXPECT_EQ(window.shown, 1);
        EXPECT_EQ(window.hidden, 1);
        EXPECT_FALSE(TempFilesLeft());
    }
}

TEST_F(Atlas, BrokenPictureIsReportedAndOnlyItsPiecesLoseTheTexture) {
    const std::string good = Jpeg("good.jpg", Solid(50, 50, qRgb(10, 160, 10)));
    const std::string whole = Jpeg("whole.jpg", Solid(300, 300, qRgb(10, 10, 160)));
    // A truncated copy: half of the file.
    std::ifstream in(whole, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), {});
    const std::string broken = Path("broken.jpg");
    std::ofstream(broken, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size() / 2));
    AddPiece(broken);
    AddPiece(good);
    AddPiece(broken);
    window.timerRunning = true;
    const AtlasBuildResult r = Rebuild();
    ASSERT_EQ(r.errors.size(), 1u);
    EXPECT_NE(r.errors[0].find("broken.jpg"), std::string::npos);
    EXPECT_EQ(Messages(), 1);
    EXPECT_EQ(dialogs->records[0].kind, MsgKind::Error);
    EXPECT_EQ(Index(0), -1);
    EXPECT_EQ(Index(1), 1);
    EXPECT_EQ(Index(2), -1);
    ASSERT_EQ(pixels.width, 1000);
    EXPECT_TRUE(Near(AtlasPixel(pixels, 250, 250), qRgb(255, 255, 255))) << "the broken slot stays white";
    EXPECT_TRUE(Near(AtlasPixel(pixels, 750, 250), qRgb(10, 160, 10)));
    EXPECT_TRUE(window.timerRunning);
    EXPECT_FALSE(window.noticeVisible);
    EXPECT_FALSE(TempFilesLeft());
}

TEST_F(Atlas, AnExceptionStillHidesTheNoticeAndRestoresTheTimer) {
    AddPiece(Jpeg("a.jpg", Solid(8, 8, qRgb(1, 2, 3))));
    opt.loader = [](const std::string&, QImage&) -> PictureResult { throw std::runtime_error("disk gone"); };
    window.timerRunning = true;
    EXPECT_THROW(Rebuild(), std::runtime_error);
    EXPECT_TRUE(window.timerRunning);
    EXPECT_FALSE(window.noticeVisible);
    EXPECT_EQ(window.hidden, 1);
    EXPECT_FALSE(TempFilesLeft());
}

TEST_F(Atlas, PictureOfNoPixelsIsAnErrorNotADivision) {
    AddPiece(Jpeg("a.jpg", Solid(8, 8, qRgb(1, 2, 3))));
    opt.loader = [](const std::string&, QImage& img) -> PictureResult {
        img = QImage();
        return {true, {}};
    };
    const AtlasBuildResult r = Rebuild();
    EXPECT_EQ(r.errors.size(), 1u);
    EXPECT_EQ(Index(0), -1);
    EXPECT_TRUE(pixels.Empty()) << "no slot loaded: nothing to hand to OpenGL";
    EXPECT_FALSE(TempFilesLeft());
}

TEST_F(Atlas, ZeroAndAbsurdRequestedSizesAreClamped) {
    AddPiece(Jpeg("a.jpg", Solid(8, 8, qRgb(200, 0, 0))));
    AddPiece(Jpeg("b.jpg", Solid(8, 8, qRgb(0, 200, 0))));
    f->textures.requestedWidth[0] = 0;
    f->textures.requestedHeight[0] = -5;
    f->textures.requestedWidth[1] = 2000000000;
    f->textures.requestedHeight[1] = 3;
    Rebuild();
    EXPECT_EQ(f->textures.requestedWidth[0], 1);
    EXPECT_EQ(f->textures.requestedHeight[0], 1);
    EXPECT_EQ(f->textures.requestedWidth[1], kMaxSlotSide);
    EXPECT_EQ(pixels.width, 1 + kMaxSlotSide);
    EXPECT_EQ(pixels.height, 3);
    EXPECT_EQ(f->textures.width[0], 1);
}

TEST_F(Atlas, AtlasLargerThanTheTextureLimitIsScaledWithAMessage) {
    const QRgb colours[] = {qRgb(200, 0, 0), qRgb(0, 200, 0), qRgb(0, 0, 200)};
    for (int k = 0; k < 3; ++k) AddPiece(Jpeg("s" + std::to_string(k) + ".jpg", Solid(64, 64, colours[k])));
    opt.maxTextureSize = 1024;
    const AtlasBuildResult r = Rebuild();
    EXPECT_TRUE(r.scaled);
    EXPECT_EQ(Messages(), 1);
    ASSERT_EQ(pixels.width, 1024);
    EXPECT_EQ(pixels.height, 500);
    // Each slot keeps its share of the width: 1024 * 500 / 1500.
    EXPECT_TRUE(Near(AtlasPixel(pixels, 170, 100), colours[0]));
    EXPECT_TRUE(Near(AtlasPixel(pixels, 512, 100), colours[1]));
    EXPECT_TRUE(Near(AtlasPixel(pixels, 860, 100), colours[2]));
    EXPECT_EQ(f->textures.requestedWidth[0], 500) << "the stored slot sizes stay";
}

TEST_F(Atlas, AtlasWiderThanJpegIsScaledNotWrittenHalfWay) {
    for (int k = 0; k < 17; ++k) {
        AddPiece(Jpeg("w" + std::to_string(k) + ".jpg", Solid(16, 16, qRgb(10 * k, 100, 100))));
        f->textures.requestedWidth[static_cast<std::size_t>(k)] = kMaxSlotSide;
        f->textures.requestedHeight[static_cast<std::size_t>(k)] = 2;
    }
    const AtlasBuildResult r = Rebuild();
    EXPECT_TRUE(r.scaled);
    EXPECT_EQ(pixels.width, kMaxJpegSide);
    EXPECT_FALSE(r.direct);
    EXPECT_EQ(f->textures.count, 17);
    EXPECT_EQ(Index(16), 16);
}

TEST_F(Atlas, UnwritableFolderHandsThePixelsOverDirectly) {
    AddPiece(Jpeg("a.jpg", Solid(32, 32, qRgb(30, 140, 30))));
    opt.tempFolder = Path("no/such/folder");
    const AtlasBuildResult r = Rebuild();
    EXPECT_TRUE(r.direct);
    ASSERT_EQ(pixels.width, 500);
    EXPECT_TRUE(Near(AtlasPixel(pixels, 10, 10), qRgb(30, 140, 30)));
    EXPECT_EQ(Index(0), 0);
}

TEST_F(Atlas, TwoHundredDistinctTexturesFillEverySlot) {
    // One piece per slot, each with a picture of its own colour, in 16 x 16 slots.
    const auto colour = [](int k) { return qRgb((k * 53) % 256, k % 2 ? 220 : 30, (k * 29) % 256); };
    for (int k = 0; k < kMaxTextureSlots; ++k) {
        AddPiece(Bmp("t" + std::to_string(k) + ".bmp", Solid(8, 8, colour(k))));
        f->textures.requestedWidth[static_cast<std::size_t>(k)] = 16;
        f->textures.requestedHeight[static_cast<std::size_t>(k)] = 16;
    }
    ASSERT_EQ(f->scene.pieceCount, kMaxTextureSlots);
    const AtlasBuildResult r = Rebuild();
    EXPECT_TRUE(r.errors.empty());
    EXPECT_EQ(f->textures.count, kMaxTextureSlots);
    EXPECT_EQ(Index(0), 0);
    EXPECT_EQ(Index(kMaxTextureSlots - 1), kMaxTextureSlots - 1);
    EXPECT_EQ(f->textures.width[kMaxTextureSlots - 1], 8);
    ASSERT_EQ(pixels.width, 16 * kMaxTextureSlots);
    ASSERT_EQ(pixels.height, 16);
    for (int k = 0; k < kMaxTextureSlots; ++k)
        EXPECT_TRUE(Near(AtlasPixel(pixels, 16 * k + 8, 8), colour(k))) << "slot " << k;
    EXPECT_FALSE(TempFilesLeft());
}

TEST_F(Atlas, UpdatePieceTextureReusesASlotOrAsksForARebuild) {
    const std::string a = Jpeg("a.jpg", Solid(8, 8, qRgb(1, 2, 3)));
    const std::string b = Jpeg("b.jpg", Solid(8, 8, qRgb(3, 2, 1)));
    AddPiece(a);
    AddPiece(b);
    AddPiece(std::string());
    Rebuild();
    ASSERT_EQ(Index(1), 1);
    f->attrs.textureFile[2] = b;
    EXPECT_FALSE(UpdatePieceTexture(*f, 2));
    EXPECT_EQ(Index(2), 1);
    f->attrs.textureFile[2] = Path("missing.jpg");
    EXPECT_FALSE(UpdatePieceTexture(*f, 2));
    EXPECT_EQ(Index(2), 1) << "a missing file changes nothing";
    f->attrs.textureFile[2] = Jpeg("c.jpg", Solid(8, 8, qRgb(9, 9, 9)));
    EXPECT_TRUE(UpdatePieceTexture(*f, 2));
    EXPECT_FALSE(UpdatePieceTexture(*f, 7)) << "no such piece";
}

TEST_F(Atlas, AnAddedFurnitureKeepsItsTextureEntriesAndTheSharedFileKeepsTheOpenOnes) {
    const std::string stejar = Jpeg("stejar.jpg", Solid(64, 64, qRgb(150, 100, 50)));
    const std::string nuc = Jpeg("nuc.jpg", Solid(64, 64, qRgb(90, 60, 30)));
    const std::string wenge = Jpeg("wenge.jpg", Solid(64, 64, qRgb(40, 30, 20)));
    const std::string alb = Jpeg("alb.jpg", Solid(64, 64, qRgb(250, 250, 250)));
    struct Size {
        int w, h;
        bool operator==(const Size&) const = default;
    };
    // The open furniture: the carcass in stejar at 400 x 300, the doors in nuc at 500 x 500.
    *f = samples::MakeDulap();
    for (int i : {0, 1, 2, 3, 4}) f->attrs.textureFile[static_cast<std::size_t>(i)] = stejar;
    for (int i : {8, 9}) f->attrs.textureFile[static_cast<std::size_t>(i)] = nuc;
    f->textures.requestedWidth[0] = 400;
    f->textures.requestedHeight[0] = 300;
    Rebuild();
    ASSERT_EQ(f->textures.count, 2);
    // The added one: its sides in stejar too but at 256 x 256, the top in
    // wenge at 200 x 100, the drawer fronts in alb at 256 x 128.
    Furniture comoda = samples::MakeComoda();
    for (int i : {0, 1}) comoda.attrs.textureFile[static_cast<std::size_t>(i)] = stejar;
    comoda.attrs.textureFile[2] = wenge;
    for (int i : {6, 7, 8}) comoda.attrs.textureFile[static_cast<std::size_t>(i)] = alb;
    const Size own[] = {{256, 256}, {200, 100}, {256, 128}}; // its slots: stejar, wenge, alb
    comoda.textures.count = 3;
    for (std::size_t k = 0; k < 3; ++k) {
        comoda.textures.requestedWidth[k] = own[k].w;
        comoda.textures.requestedHeight[k] = own[k].h;
    }
    const StagedFurniture staged = StageFurniture(CaptureMobilaFile(comoda, 0), 0, AddPosition::Dreapta, *f);
    const int n0 = f->scene.pieceCount;

    EXPECT_EQ(SharedTextureNote(staged.file, *f),
              "Mobila adaugata foloseste texturi ale mobilei curente la alta marime. Piesele ei le primesc la "
              "marimea din mobila curenta:\n" +
                  stejar + ": 400 x 300 (in fisierul adaugat 256 x 256)");
    ASSERT_EQ(AddFurniture(*f, staged.file, staged.offsets).newPieces, 9);
    const auto expected = [&](const std::string& file) {
        if (file == stejar) return Size{400, 300};
        if (file == nuc) return Size{500, 500};
        if (file == wenge) return Size{200, 100};
        return Size{256, 128};
    };
    const auto check = [&](const char* when) {
        SCOPED_TRACE(when);
        EXPECT_EQ(f->textures.count, 4);
        for (int i = 0; i < f->scene.pieceCount; ++i) {
            const auto ii = static_cast<std::size_t>(i);
            const std::string& file = f->attrs.textureFile[ii];
            if (file != stejar && file != nuc && file != wenge && file != alb) {
                EXPECT_EQ(Index(i), -1) << i << " " << file; // none, or the sample's missing picture
                continue;
            }
            ASSERT_GE(Index(i), 0) << i;
            const auto k = static_cast<std::size_t>(Index(i));
            EXPECT_EQ((Size{f->textures.requestedWidth[k], f->textures.requestedHeight[k]}), expected(file))
                << "piece " << i << " " << f->pieceNames[ii];
        }
        EXPECT_EQ(pixels.width, 400 + 500 + 200 + 256);
    };
    Rebuild();
    EXPECT_EQ(Index(n0 + 2), 2); // wenge, the first new file
    EXPECT_EQ(Index(n0 + 6), 3);
    check("after the add");

    // Saved and opened again, each piece finds the same entry.
    const MobilaFile saved = DecodeMobilaFile(EncodeMobilaFile(CaptureMobilaFile(*f, 0)));
    *f = Furniture{};
    f->scene.Init();
    f->SetSlotDefaults();
    ReplaceWithMobilaFile(saved, *f);
    Rebuild();
    check("saved and opened");
}

TEST_F(Atlas, LoadBitmapFileChecksTheHeader) {
    const std::string good = Bmp("g.bmp", Solid(5, 3, qRgb(1, 2, 3)));
    AtlasPixels px;
    ASSERT_TRUE(LoadBitmapFile(good, px).ok);
    EXPECT_EQ(px.width, 5);
    EXPECT_EQ(px.rowBytes, 16);
    EXPECT_EQ(px.rgb[0], 1);
    EXPECT_EQ(px.rgb[2], 3);
    std::ifstream in(good, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), {});
    for (std::size_t cut : {std::size_t(0), std::size_t(30), std::size_t(54), bytes.size() - 1}) {
        std::ofstream(Path("c.bmp"), std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(cut));
        AtlasPixels out;
        EXPECT_FALSE(LoadBitmapFile(Path("c.bmp"), out).ok) << cut;
        EXPECT_TRUE(out.Empty());
    }
    std::string eightBit = bytes;
    eightBit[28] = 8;
    std::ofstream(Path("e.bmp"), std::ios::binary)
        .write(eightBit.data(), static_cast<std::streamsize>(eightBit.size()));
    AtlasPixels out;
    EXPECT_FALSE(LoadBitmapFile(Path("e.bmp"), out).ok);
}
