// The atlas upload in a real OpenGL context: the texture is made, and the one
// it replaces is deleted.
#include "render/TextureAtlas.h"

#include <GL/gl.h>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <gtest/gtest.h>

using namespace zv;

namespace {

class GLContext : public ::testing::Test {
protected:
    QOpenGLContext context;
    QOffscreenSurface surface;
    void SetUp() override {
        surface.create();
        if (!context.create() || !context.makeCurrent(&surface)) GTEST_SKIP() << "no OpenGL context";
    }
    void TearDown() override { context.doneCurrent(); }
};

AtlasPixels Checker(int w, int h) {
    AtlasPixels p;
    p.width = w;
    p.height = h;
    p.rowBytes = (w * 3 + 3) / 4 * 4;
    p.rgb.assign(static_cast<std::size_t>(p.rowBytes) * h, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) p.rgb[static_cast<std::size_t>(y * p.rowBytes + 3 * x)] = (x + y) % 2 ? 255 : 0;
    return p;
}

} // namespace

TEST_F(GLContext, RebuildReplacesTheTextureAndDeletesTheOldOne) {
    unsigned name = 0;
    ASSERT_TRUE(LoadTexture(Checker(333, 7), name)); // odd width: rows padded to 4 bytes
    const unsigned first = name;
    EXPECT_TRUE(glIsTexture(first));
    ASSERT_TRUE(LoadTexture(Checker(16, 16), name));
    EXPECT_NE(name, 0u);
    EXPECT_TRUE(glIsTexture(name));
    if (name != first) {
        EXPECT_FALSE(glIsTexture(first));
    }
    // No pixels: the texture goes and nothing replaces it.
    EXPECT_FALSE(LoadTexture(AtlasPixels{}, name));
    EXPECT_EQ(name, 0u);
    EXPECT_GT(QueryMaxTextureSize(), 0);
}
