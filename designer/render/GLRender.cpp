#include "GLRender.h"

#include "platform/Numbers.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <memory>
#include <new>
#include <system_error>

namespace zv {

namespace {

bool ModelFileState(const std::string& name, std::int64_t& time) {
    time = 0;
    if (name.empty()) return false;
    std::error_code ec;
    const std::filesystem::path p(name);
    if (!std::filesystem::is_regular_file(p, ec)) return false;
    const auto t = std::filesystem::last_write_time(p, ec);
    if (!ec) time = static_cast<std::int64_t>(t.time_since_epoch().count());
    return true;
}

// The view transform of one frame, from the scene's bounds and view state.
struct ViewTransform {
    double minX = 0, minY = 0, minZ = 0, sx = 0, sy = 0, sz = 0, e = 1;
    double pivot[3] = {0, 0, 0};
    double cosX = 1, sinX = 0, cosY = 1, sinY = 0, cosZ = 1, sinZ = 0;
    double panX = 0, panY = 0, panZ = 0;
    bool miniViews = false;

    void Apply(const double in[3], double out[3]) const {
        double x = (in[0] - (minX + sx / 2)) / e / 2;
        double y = (in[1] - (minY + sy / 2)) / e / 2;
        double z = -((in[2] - (minZ + sz / 2)) / e / 2);
        x -= pivot[0];
        y -= pivot[1];
        z -= pivot[2];
        Scene3D::RotatePair(z, y, cosX, sinX);
        Scene3D::RotatePair(x, z, cosY, sinY);
        Scene3D::RotatePair(x, y, cosZ, sinZ);
        x += panX / e;
        y += panY / e;
        z -= panZ / e + 1.0;
        if (miniViews)
            y -= 0.1;
        else
            z += 0.37;
        out[0] = x;
        out[1] = y;
        out[2] = z;
    }

    // The same affine map as a column-major matrix for the modelview.
    void Matrix(double m[16]) const {
        const double o[3] = {0, 0, 0};
        double f0[3];
        Apply(o, f0);
        for (int c = 0; c < 3; ++c) {
            double e3[3] = {0, 0, 0};
            e3[c] = 1.0;
            double fc[3];
            Apply(e3, fc);
            for (int r = 0; r < 3; ++r) m[c * 4 + r] = fc[r] - f0[r];
            m[c * 4 + 3] = 0;
        }
        for (int r = 0; r < 3; ++r) m[12 + r] = f0[r];
        m[15] = 1;
    }
};

bool MakeViewTransform(const Scene3D& s, bool miniViews, ViewTransform& t) {
    bool any = false;
    double mn[3] = {0, 0, 0}, mx[3] = {0, 0, 0};
    const int pieces = std::clamp(s.pieceCount, 0, Scene3D::kMaxPieces);
    for (int i = 0; i < pieces; ++i) {
        const int faces = std::clamp(s.faceCount[i], 0, Scene3D::kMaxFaces);
        for (int f = 0; f < faces; ++f) {
            const int first = s.faceFirst[i][f], cnt = s.facePoints[i][f];
            for (int k = 0; k < cnt; ++k) {
                const int p = first + k;
                if (p < 0 || p >= Scene3D::kPointSlots) continue;
                const double v[3] = {s.X[p], s.Y[p], s.Z[p]};
                for (int a = 0; a < 3; ++a) {
                    if (!any || v[a] < mn[a]) mn[a] = v[a];
                    if (!any || v[a] > mx[a]) mx[a] = v[a];
                }
                any = true;
            }
        }
    }
    if (!any) return false;
    t.minX = mn[0];
    t.minY = mn[1];
    t.minZ = mn[2];
    t.sx = mx[0] - mn[0];
    t.sy = mx[1] - mn[1];
    t.sz = mx[2] - mn[2];
    double e = t.sx;
    if (t.sy >= e) e = t.sy;
    if (t.sz >= e) e = t.sz;
    // A flat or point-sized model has no extent to divide by.
    t.e = (e > 0 && std::isfinite(e)) ? e : 1.0;
    t.pivot[0] = (s.modelCx - t.minX - t.sx / 2) / t.e / 2;
    t.pivot[1] = (s.modelCy - t.minY - t.sy / 2) / t.e / 2;
    t.pivot[2] = -(s.modelCz - t.minZ - t.sz / 2) / t.e / 2;
    t.cosX = std::cos(s.rotX);
    t.sinX = std::sin(s.rotX);
    t.cosY = std::cos(s.rotY);
    t.sinY = std::sin(s.rotY);
    t.cosZ = std::cos(s.rotZ);
    t.sinZ = std::sin(s.rotZ);
    t.panX = s.panX;
    t.panY = s.panY;
    t.panZ = s.panZ;
    t.miniViews = miniViews;
    return true;
}

void SetMaterial(float r, float g, float b) {
    const float c[4] = {r, g, b, 1.0f};
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, c); // one lighting update, not two
}

} // namespace

const std::uint8_t HatchPattern[128] = {
#define ZV_H8                                                                                                          \
    0x81, 0x81, 0x81, 0x81, 0x42, 0x42, 0x42, 0x42, 0x24, 0x24, 0x24, 0x24, 0x18, 0x18, 0x18, 0x18, 0x18, 0x18, 0x18,  \
        0x18, 0x24, 0x24, 0x24, 0x24, 0x42, 0x42, 0x42, 0x42, 0x81, 0x81, 0x81, 0x81
    ZV_H8, ZV_H8, ZV_H8, ZV_H8
#undef ZV_H8
};

// ---- texture coordinates ----

TexCoordSlot TexCoordSlotFor(const TextureTable& textures, const PiesaAttributes& attrs, int piece) {
    TexCoordSlot s;
    if (piece < 0 || piece >= kMaxPieces) return s;
    s.index = attrs.textureIndex[static_cast<std::size_t>(piece)];
    s.count = textures.count;
    s.repeated = attrs.textureRepeated[static_cast<std::size_t>(piece)] == 1;
    s.rotated = attrs.textureRotated[static_cast<std::size_t>(piece)] == 1;
    if (s.index >= 0 && s.index < kMaxTextureSlots) {
        const auto k = static_cast<std::size_t>(s.index);
        s.width = textures.width[k];
        s.height = textures.height[k];
        s.requestedWidth = textures.requestedWidth[k];
        s.requestedHeight = textures.requestedHeight[k];
        s.repeatScale = textures.repeatScale[k];
    }
    return s;
}

bool TexCoordSlotUsable(const TexCoordSlot& s) {
    return s.index >= 0 && s.count > 0 && s.index < s.count && s.index < kMaxTextureSlots && s.requestedWidth > 0 &&
           s.requestedHeight > 0;
}

bool ComputeTexCoords(const TexCoordSlot& slot, int n, const double* a, const double* b, double* s, double* t) {
    if (!TexCoordSlotUsable(slot) || n < 1 || !a || !b || !s || !t) return false;
    double minA = a[0], maxA = a[0], minB = b[0], maxB = b[0];
    for (int k = 1; k < n; ++k) {
        minA = std::min(minA, a[k]);
        maxA = std::max(maxA, a[k]);
        minB = std::min(minB, b[k]);
        maxB = std::max(maxB, b[k]);
    }
    double ea = maxA - minA, eb = maxB - minB;
    if (ea == 0) ea = 1.0;
    if (eb == 0) eb = 1.0;
    const bool rot = slot.rotated;
    if (rot) {
        std::swap(ea, eb);
        std::swap(minA, minB);
    }
    const double ka = slot.repeated ? ea / 1000.0 * slot.repeatScale / slot.requestedWidth
                                    : static_cast<double>(slot.width) / slot.requestedWidth;
    const double kb = slot.repeated ? eb / 1000.0 * slot.repeatScale / slot.requestedHeight
                                    : static_cast<double>(slot.height) / slot.requestedHeight;
    for (int k = 0; k < n; ++k) {
        double pa = rot ? b[k] : a[k];
        double pb = rot ? a[k] : b[k];
        pa = (pa - minA) / ea;
        pb = (pb - minB) / eb;
        pa = std::min(pa * ka, 1.0);
        s[k] = (slot.index + pa) / slot.count;
        t[k] = std::min(pb * kb, 1.0);
    }
    return true;
}

void CalcNormal(const float p1[3], const float p2[3], const float p3[3], float out[3]) {
    const float ux = p2[0] - p1[0], uy = p2[1] - p1[1], uz = p2[2] - p1[2];
    const float vx = p3[0] - p1[0], vy = p3[1] - p1[1], vz = p3[2] - p1[2];
    out[0] = uy * vz - uz * vy;
    out[1] = uz * vx - ux * vz;
    out[2] = ux * vy - uy * vx;
}

void SetRectangleOutline(double x1, double y1, double x2, double y2, PieceOutline& out) {
    out.u = {x1, x1, x2, x2};
    out.v = {y1, y2, y2, y1};
    out.triangles = {0, 1, 3, 1, 2, 3};
}

// ---- context state ----

void ResetLightArrays(LightArrays& l) {
    for (int k = 0; k < 4; ++k) {
        l.ambient[k] = 1.0f;
        l.diffuse[k] = 1.0f;
    }
    for (int i = 0; i < 5; ++i)
        for (int k = 0; k < 4; ++k) l.defaults[i][k] = i == 4 ? 0.0f : 1.0f;
}

void InitGL() {
    glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
    glShadeModel(GL_SMOOTH);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glMatrixMode(GL_PROJECTION);
    glMatrixMode(GL_MODELVIEW);
    glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, 1);
    glFrontFace(GL_CCW);
    glEnable(GL_NORMALIZE);
}

void SetupLights(LightArrays& lights) {
    ResetLightArrays(lights);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glEnable(GL_LIGHTING);
    const float pos[4] = {0.0f, 0.0f, 1.0f, 0.0f};
    glLightfv(GL_LIGHT1, GL_POSITION, pos);
    glLightfv(GL_LIGHT1, GL_DIFFUSE, lights.diffuse);
    glLightfv(GL_LIGHT1, GL_AMBIENT, lights.ambient);
    glEnable(GL_LIGHT1);
    glPointSize(1.0f);
    glLineWidth(1.0f);
}

void ClearGLFrame(int displayMode) {
    glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    const GLenum mode = displayMode == 1 ? GL_LINE : displayMode == 2 ? GL_POINT : GL_FILL;
    glPolygonMode(GL_FRONT_AND_BACK, mode);
}

void SetupProjection(int w, int h) {
    glViewport(0, 0, std::max(w, 0), std::max(h, 0));
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    const double aspect = (w > 0 && h > 0) ? static_cast<double>(w) / h : 1.0;
    gluPerspective(50.0, aspect, 0.1, 5.0);
    glMatrixMode(GL_MODELVIEW);
}

void WindowShotGL2(QImage& bitmap) {
    GLint vp[4] = {0, 0, 0, 0};
    glGetIntegerv(GL_VIEWPORT, vp);
    const int w = vp[2], h = vp[3];
    if (w <= 0 || h <= 0) {
        bitmap = QImage();
        return;
    }
    glFinish();
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glPixelStorei(GL_PACK_ROW_LENGTH, 0);
    glPixelStorei(GL_PACK_SKIP_ROWS, 0);
    glPixelStorei(GL_PACK_SKIP_PIXELS, 0);
    std::vector<unsigned char> buf(static_cast<std::size_t>(w) * static_cast<std::size_t>(h) * 4);
    glReadPixels(0, 0, w, h, GL_RGBA, GL_UNSIGNED_BYTE, buf.data());
    bitmap = QImage(w, h, QImage::Format_RGBA8888);
    const std::size_t row = static_cast<std::size_t>(w) * 4;
    for (int r = 0; r < h; ++r)
        std::memcpy(bitmap.scanLine(h - 1 - r), buf.data() + static_cast<std::size_t>(r) * row, row);
}

namespace {

// 8192 x 4096: 128 MB to read back and upload.
constexpr std::int64_t kMaxBandedTexels = std::int64_t{8192} * 4096;

// Remakes the bound texture, whose level 0 is the picture as GLU scaled it
// (w x h, powers of two), as w x 2h: the picture in rows 0..h-1, then its
// first h/2 - 1 rows again, two white rows, and its last h/2 - 1 rows. Sampled
// at t / 2 it gives what it gave at t for t from -0.5 to 1.5, the repeat
// included: halving is exact, and a line's ends take coordinates a little past
// its face's. False, the texture as it was, where it cannot be done.
bool AddWhiteBand() {
    GLint w = 0, h = 0, maxSize = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &w);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &h);
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSize);
    // Two white rows, so a linear sample between them is white, need h >= 4.
    // A huge atlas keeps the per-face switching rather than double its memory.
    if (w < 1 || h < 4 || h > maxSize / 2 || static_cast<std::int64_t>(w) * h > kMaxBandedTexels / 2) return false;
    // Four bytes a texel: rows stay aligned, and every byte is written below,
    // so the buffer is left uninitialised.
    const std::size_t row = static_cast<std::size_t>(w) * 4;
    const std::unique_ptr<unsigned char[]> px(new (std::nothrow) unsigned char[row * 2 * static_cast<std::size_t>(h)]);
    if (!px) return false;
    auto rowAt = [&](int r) { return px.get() + row * static_cast<std::size_t>(r); };
    glPixelStorei(GL_PACK_ALIGNMENT, 4); // rows of w * 4 bytes, no padding
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, px.get());
    const int k = h / 2 - 1;
    std::memcpy(rowAt(h), rowAt(0), row * static_cast<std::size_t>(k));
    std::memset(rowAt(h + k), 255, row * 2);
    std::memcpy(rowAt(h + k + 2), rowAt(h - k), row * static_cast<std::size_t>(k));
    // Level 0 only: the filters sample no other level, and building the
    // smaller ones again would double the upload's time.
    for (int e = 0; e < 8 && glGetError() != GL_NO_ERROR; ++e) {
    }
    auto put = [&](int height) {
        glTexImage2D(GL_TEXTURE_2D, 0, 3, w, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, px.get());
        return glGetError() == GL_NO_ERROR;
    };
    if (put(2 * h)) return true;
    put(h); // refused: back to the picture alone
    return false;
}

} // namespace

unsigned UploadTexture(const unsigned char* rgb, int width, int height, bool* whiteBand) {
    if (whiteBand) *whiteBand = false;
    if (!rgb || width <= 0 || height <= 0) return 0;
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    if (gluBuild2DMipmaps(GL_TEXTURE_2D, 3, width, height, GL_RGB, GL_UNSIGNED_BYTE, rgb) != 0) {
        glDeleteTextures(1, &name);
        return 0;
    }
    if (whiteBand) *whiteBand = AddWhiteBand();
    return name;
}

// ---- the scene ----

bool GLSceneRenderer::PieceKey::operator==(const PieceKey& o) const {
    return box.x0 == o.box.x0 && box.y0 == o.box.y0 && box.z0 == o.box.z0 && box.x1 == o.box.x1 && box.y1 == o.box.y1 &&
           box.z1 == o.box.z1 && color == o.color && modelFile == o.modelFile && face == o.face &&
           rotation == o.rotation && mirror == o.mirror && tex.index == o.tex.index && tex.count == o.tex.count &&
           tex.width == o.tex.width && tex.height == o.tex.height && tex.requestedWidth == o.tex.requestedWidth &&
           tex.requestedHeight == o.tex.requestedHeight && tex.repeatScale == o.tex.repeatScale &&
           tex.repeated == o.tex.repeated && tex.rotated == o.tex.rotated && atlas == o.atlas &&
           whiteBand == o.whiteBand && triangles == o.triangles && exteriorView == o.exteriorView;
}

GLSceneRenderer::PieceKey GLSceneRenderer::KeyFor(int piece, const GLFrameInputs& in) const {
    PieceKey k;
    const auto i = static_cast<std::size_t>(piece);
    k.box = in.scene->PieceBox(piece);
    k.color = in.scene->color[i];
    if (in.attrs) {
        k.modelFile = in.attrs->modelFile[i];
        k.face = in.attrs->modelFace[i];
        k.rotation = in.attrs->modelRotation[i];
        k.mirror = in.attrs->modelMirror[i];
        if (in.textures) k.tex = TexCoordSlotFor(*in.textures, *in.attrs, piece);
    }
    k.atlas = atlasTexture_;
    k.whiteBand = AtlasHasWhiteBand();
    k.triangles = in.concaveModels && in.displayMode == 0;
    k.exteriorView = in.exteriorView;
    return k;
}

void GLSceneRenderer::MakeDrawData(int piece, const PieceKey& key, DrawData& d, bool& modelExists,
                                   std::int64_t& modelTime) const {
    const Scene3D::Box& b = key.box;
    const double xmin = b.x0, xmax = b.x1, ymin = b.y0, ymax = b.y1, zmin = b.z0, zmax = b.z1;
    const int c = key.face <= 2 ? key.face : 0;
    double r[4];
    if (c == 0) {
        r[0] = zmin;
        r[1] = xmin;
        r[2] = zmax;
        r[3] = xmax;
    } else if (c == 1) {
        r[0] = xmin;
        r[1] = ymin;
        r[2] = xmax;
        r[3] = ymax;
    } else {
        r[0] = ymin;
        r[1] = zmin;
        r[2] = ymax;
        r[3] = zmax;
    }

    // The outline: the contour model when its file is there and gives a
    // usable outline, else the rectangle.
    PieceOutline ol;
    modelExists = ModelFileState(key.modelFile, modelTime);
    bool fromModel = false;
    if (modelExists && outlineSource) {
        fromModel = outlineSource(piece, key.triangles, r[0], r[1], r[2], r[3], ol);
        const int n = ol.Count();
        if (!fromModel || n < 3 || n > kMaxOutlinePoints || static_cast<int>(ol.v.size()) != n) fromModel = false;
    }
    if (!fromModel) SetRectangleOutline(r[0], r[1], r[2], r[3], ol);
    const int n = ol.Count();

    // Vertices: bottom cap 0..n-1, top cap n..2n-1, in millimetres.
    std::vector<float> vtx(static_cast<std::size_t>(6 * n));
    std::vector<double> ta(static_cast<std::size_t>(n)), tb(static_cast<std::size_t>(n));
    for (int k = 0; k < n; ++k) {
        const double cu = ol.u[static_cast<std::size_t>(k)], cv = ol.v[static_cast<std::size_t>(k)];
        float* lo = &vtx[static_cast<std::size_t>(3 * k)];
        float* hi = &vtx[static_cast<std::size_t>(3 * (n + k))];
        if (c == 0) {
            lo[0] = hi[0] = static_cast<float>(cv);
            lo[1] = static_cast<float>(ymin);
            hi[1] = static_cast<float>(ymax);
            lo[2] = hi[2] = static_cast<float>(cu);
            ta[static_cast<std::size_t>(k)] = cv;
            tb[static_cast<std::size_t>(k)] = cu;
        } else if (c == 1) {
            lo[0] = hi[0] = static_cast<float>(cu);
            lo[1] = hi[1] = static_cast<float>(cv);
            lo[2] = static_cast<float>(zmin);
            hi[2] = static_cast<float>(zmax);
            ta[static_cast<std::size_t>(k)] = cu;
            tb[static_cast<std::size_t>(k)] = cv;
        } else {
            lo[0] = static_cast<float>(xmin);
            hi[0] = static_cast<float>(xmax);
            lo[1] = hi[1] = static_cast<float>(cu);
            lo[2] = hi[2] = static_cast<float>(cv);
            ta[static_cast<std::size_t>(k)] = cv;
            tb[static_cast<std::size_t>(k)] = cu;
        }
    }
    std::vector<double> ts(static_cast<std::size_t>(n)), tt(static_cast<std::size_t>(n));
    const bool textured = atlasTexture_ != 0 &&
                          ComputeTexCoords(key.tex, n, ta.data(), tb.data(), ts.data(), tt.data());

    // Triangles whose corners all lie in the outline; the rest are dropped.
    std::vector<int> tris;
    if (key.triangles) {
        for (std::size_t k = 0; k + 2 < ol.triangles.size(); k += 3) {
            const int a = ol.triangles[k], b2 = ol.triangles[k + 1], c2 = ol.triangles[k + 2];
            if (a < 0 || a >= n || b2 < 0 || b2 >= n || c2 < 0 || c2 >= n) continue;
            tris.insert(tris.end(), {a, b2, c2});
        }
    }
    const bool useTriangles = key.triangles && !tris.empty();

    auto V = [&](int k) { return &vtx[static_cast<std::size_t>(3 * k)]; };
    // Normals are taken in model space; the view's mirror along z turns their
    // sense, so they are negated to match the normals of the viewed vertices.
    auto normalOf = [&](int i1, int i2, int i3, float* out) {
        CalcNormal(V(i1), V(i2), V(i3), out);
        for (int a = 0; a < 3; ++a) out[a] = -out[a];
    };

    // Caps: the 2n outline vertices with their cap's normal (and texture
    // coordinates), drawn by index.
    d = DrawData{};
    d.n = n;
    d.textured = textured;
    d.whiteBand = key.whiteBand;
    d.color[0] = static_cast<float>(key.color & 255) / 255.0f;
    d.color[1] = static_cast<float>((key.color >> 8) & 255) / 255.0f;
    d.color[2] = static_cast<float>((key.color >> 16) & 255) / 255.0f;
    d.capPos = vtx;
    float nb[3], nt[3];
    normalOf(RoundEven(n / 3.0 - 1), RoundEven(2.0 * n / 3.0 - 1), n - 1, nb);
    normalOf(RoundEven(2.0 * n - n / 3.0), RoundEven(2.0 * n - 2.0 * n / 3.0), n, nt);
    d.capNrm.resize(static_cast<std::size_t>(6 * n));
    for (int k = 0; k < 2 * n; ++k)
        for (int a = 0; a < 3; ++a) d.capNrm[static_cast<std::size_t>(3 * k + a)] = k < n ? nb[a] : nt[a];
    // With the white band the picture is the texture's lower half.
    const double tScale = key.whiteBand ? 0.5 : 1.0;
    if (textured) {
        d.capTex.resize(static_cast<std::size_t>(4 * n));
        for (int k = 0; k < 2 * n; ++k) {
            const auto p = static_cast<std::size_t>(k % n);
            d.capTex[static_cast<std::size_t>(2 * k)] = static_cast<float>(ts[p]);
            d.capTex[static_cast<std::size_t>(2 * k + 1)] = static_cast<float>(tt[p] * tScale);
        }
    } else if (key.whiteBand) {
        for (int k = 0; k < 2 * n; ++k) d.capTex.insert(d.capTex.end(), {kWhiteS, kWhiteT});
    }
    d.triangles = useTriangles;
    if (useTriangles) {
        d.bottom.assign(tris.begin(), tris.end());
        // The top cap: triangles from the last to the first, corners reversed.
        for (std::size_t k = tris.size(); k >= 3; k -= 3)
            for (int j = 1; j <= 3; ++j)
                d.top.push_back(static_cast<unsigned>(tris[k - static_cast<std::size_t>(j)] + n));
        // Both caps in one draw: the same triangles in the same order.
        d.bottom.insert(d.bottom.end(), d.top.begin(), d.top.end());
        d.top.clear();
    } else {
        for (int k = 0; k < n; ++k) d.bottom.push_back(static_cast<unsigned>(k));
        for (int k = 2 * n - 1; k >= n; --k) d.top.push_back(static_cast<unsigned>(k));
    }

    // Sides: one quad per outline edge, winding bottom[k], bottom[k+1],
    // top[k+1], top[k], its own normal on all four corners. Lit the same at
    // every corner, each quad comes out flat without switching the shading
    // model, which costs a pipeline change per piece.
    d.sidePos.reserve(static_cast<std::size_t>(12 * n));
    d.sideNrm.reserve(static_cast<std::size_t>(12 * n));
    auto push = [](std::vector<float>& to, const float* v) { to.insert(to.end(), v, v + 3); };
    for (int k = 0; k < n; ++k) {
        const int k1 = (k + 1) % n;
        float nn[3];
        if (key.exteriorView == 1)
            normalOf(k, k1, n + k1, nn);
        else
            normalOf(n + k1, k1, k, nn);
        for (int v : {k, k1, n + k1, n + k}) {
            push(d.sidePos, V(v));
            push(d.sideNrm, nn);
            if (key.whiteBand) d.sideTex.insert(d.sideTex.end(), {kWhiteS, kWhiteT});
        }
    }
}

void GLSceneRenderer::Build(int piece, CachedPiece& cp) {
    ++rebuilds_;
    DrawData& d = cp.draw;
    MakeDrawData(piece, cp.key, d, cp.modelExists, cp.modelTime);
    cp.valid = true;

    // The list replays the same calls without sending the arrays every frame;
    // the arrays stay only where no list could be made.
    cp.compiled = false;
    if (cp.list == 0) cp.list = glGenLists(1);
    if (cp.list != 0) {
        for (int k = 0; k < 8 && glGetError() != GL_NO_ERROR; ++k) {
        }
        glNewList(cp.list, GL_COMPILE);
        Emit(d);
        glEndList();
        cp.compiled = glGetError() == GL_NO_ERROR;
    }
    if (cp.compiled) {
        const int keepN = d.n;
        const bool keepTex = d.textured, keepTri = d.triangles;
        d = DrawData{};
        d.n = keepN;
        d.textured = keepTex;
        d.triangles = keepTri;
    }
}

void GLSceneRenderer::DrawPiece(int piece, const GLFrameInputs& in) {
    CachedPiece& cp = cache_[static_cast<std::size_t>(piece)];
    PieceKey key = KeyFor(piece, in);
    if (!cp.valid || !(cp.key == key)) {
        cp.key = std::move(key);
        cp.valid = false;
        Build(piece, cp);
        if (!cp.valid) return;
    }
    if (piece == in.scene->current && in.hatchCurrent) {
        glPolygonStipple(HatchPattern);
        glEnable(GL_POLYGON_STIPPLE);
    } else {
        glDisable(GL_POLYGON_STIPPLE);
    }
    if (cp.compiled)
        glCallList(cp.list);
    else
        Emit(cp.draw);
}

void GLSceneRenderer::Emit(const DrawData& d) {
    const GLenum capMode = d.triangles ? GL_TRIANGLES : GL_POLYGON;
    if (d.whiteBand) {
        // Texturing is on for the whole frame: only the material changes.
        if (d.textured)
            SetMaterial(1, 1, 1);
        else
            SetMaterial(d.color[0], d.color[1], d.color[2]);
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
        glVertexPointer(3, GL_FLOAT, 0, d.capPos.data());
        glNormalPointer(GL_FLOAT, 0, d.capNrm.data());
        glTexCoordPointer(2, GL_FLOAT, 0, d.capTex.data());
        glDrawElements(capMode, static_cast<GLsizei>(d.bottom.size()), GL_UNSIGNED_INT, d.bottom.data());
        if (!d.top.empty()) glDrawElements(capMode, static_cast<GLsizei>(d.top.size()), GL_UNSIGNED_INT, d.top.data());
        if (d.textured) SetMaterial(d.color[0], d.color[1], d.color[2]);
        glVertexPointer(3, GL_FLOAT, 0, d.sidePos.data());
        glNormalPointer(GL_FLOAT, 0, d.sideNrm.data());
        glTexCoordPointer(2, GL_FLOAT, 0, d.sideTex.data());
        glDrawArrays(GL_QUADS, 0, static_cast<GLsizei>(d.sidePos.size() / 3));
        glDisableClientState(GL_TEXTURE_COORD_ARRAY);
        return;
    }
    // Caps.
    if (d.textured) {
        glEnable(GL_TEXTURE_2D);
        SetMaterial(1, 1, 1);
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
        glTexCoordPointer(2, GL_FLOAT, 0, d.capTex.data());
    } else {
        SetMaterial(d.color[0], d.color[1], d.color[2]);
    }
    glVertexPointer(3, GL_FLOAT, 0, d.capPos.data());
    glNormalPointer(GL_FLOAT, 0, d.capNrm.data());
    glDrawElements(capMode, static_cast<GLsizei>(d.bottom.size()), GL_UNSIGNED_INT, d.bottom.data());
    if (!d.top.empty()) glDrawElements(capMode, static_cast<GLsizei>(d.top.size()), GL_UNSIGNED_INT, d.top.data());
    if (d.textured) {
        glDisableClientState(GL_TEXTURE_COORD_ARRAY);
        glDisable(GL_TEXTURE_2D);
    }
    // Sides: a plain piece's caps left its colour set.
    if (d.textured) SetMaterial(d.color[0], d.color[1], d.color[2]);
    glVertexPointer(3, GL_FLOAT, 0, d.sidePos.data());
    glNormalPointer(GL_FLOAT, 0, d.sideNrm.data());
    glDrawArrays(GL_QUADS, 0, static_cast<GLsizei>(d.sidePos.size() / 3));
}

void GLSceneRenderer::RenderScene(int piece, const GLFrameInputs& in) {
    if (!in.scene) return;
    if (piece == -1) ClearGLFrame(in.displayMode);
    const float p = in.ambientMax > 0 ? static_cast<float>(in.ambient) / static_cast<float>(in.ambientMax) : 0.0f;
    const float q = in.diffuseMax > 0 ? static_cast<float>(in.diffuse) / static_cast<float>(in.diffuseMax) : 0.0f;
    const float amb[4] = {p, p, p, 1.0f}, dif[4] = {q, q, q, 1.0f};
    glLightfv(GL_LIGHT1, GL_AMBIENT, amb);
    glLightfv(GL_LIGHT1, GL_DIFFUSE, dif);

    const Scene3D& s = *in.scene;
    const int pieces = std::clamp(s.pieceCount, 0, Scene3D::kMaxPieces);
    ViewTransform vt;
    if (!MakeViewTransform(s, in.miniViewsShown, vt)) return;
    if (piece >= pieces) return;
    double m[16];
    vt.Matrix(m);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadMatrixd(m);
    if (atlasTexture_) glBindTexture(GL_TEXTURE_2D, atlasTexture_);
    if (AtlasHasWhiteBand()) glEnable(GL_TEXTURE_2D);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    if (piece >= 0) {
        DrawPiece(piece, in);
    } else {
        for (int i = 0; i < pieces; ++i) DrawPiece(i, in);
    }
    if (AtlasHasWhiteBand()) glDisable(GL_TEXTURE_2D);
    glDisableClientState(GL_NORMAL_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
    glDisable(GL_POLYGON_STIPPLE);
    glPopMatrix();
}

int GLSceneRenderer::PickPiece(const GLFrameInputs& in, int w, int h, int x, int y) {
    if (!in.scene || x < 0 || y < 0 || x >= w || y >= h) return -1;
    const Scene3D& s = *in.scene;
    const int pieces = std::clamp(s.pieceCount, 0, Scene3D::kMaxPieces);
    ViewTransform vt;
    if (pieces == 0 || !MakeViewTransform(s, in.miniViewsShown, vt)) return -1;
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glViewport(0, 0, w, h);
    glDisable(GL_LIGHTING);
    glDisable(GL_POLYGON_STIPPLE);
    glDisable(GL_DITHER);
    glDisable(GL_BLEND);
    glDisable(GL_FOG);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
    glDepthMask(GL_TRUE);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    // The pieces' lists switch texturing on; with no texture bound they draw
    // untextured.
    glBindTexture(GL_TEXTURE_2D, 0);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClearDepth(1.0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    double m[16];
    vt.Matrix(m);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadMatrixd(m);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    GLFrameInputs flat = in;
    flat.hatchCurrent = false;
    for (int i = 0; i < pieces; ++i) {
        // Piece i is colour i + 1; black is the background.
        const unsigned id = static_cast<unsigned>(i) + 1;
        glColor3ub(static_cast<GLubyte>(id & 255), static_cast<GLubyte>((id >> 8) & 255),
                   static_cast<GLubyte>((id >> 16) & 255));
        DrawPiece(i, flat);
        glDisable(GL_TEXTURE_2D);
    }
    glDisableClientState(GL_NORMAL_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
    glFinish();
    GLubyte px[4] = {0, 0, 0, 0};
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, h - 1 - y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, px);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glPopMatrix();
    if (atlasTexture_) glBindTexture(GL_TEXTURE_2D, atlasTexture_);
    glPopAttrib();
    const int id = px[0] | (px[1] << 8) | (px[2] << 16);
    return id >= 1 && id <= pieces ? id - 1 : -1;
}

bool GLSceneRenderer::CollectTriangles(const GLFrameInputs& in, FrameTriangles& out) const {
    out = FrameTriangles{};
    if (!in.scene) return false;
    const Scene3D& s = *in.scene;
    const int pieces = std::clamp(s.pieceCount, 0, Scene3D::kMaxPieces);
    ViewTransform vt;
    if (pieces == 0 || !MakeViewTransform(s, in.miniViewsShown, vt)) return false;
    vt.Matrix(out.modelview);
    const float white[3] = {1, 1, 1}, none[2] = {0, 0}, band[2] = {kWhiteS, kWhiteT};
    auto put = [&out](const float* p, const float* n, const float* c, const float* t, bool edge) {
        out.position.insert(out.position.end(), p, p + 3);
        out.normal.insert(out.normal.end(), n, n + 3);
        out.color.insert(out.color.end(), c, c + 3);
        out.texCoord.insert(out.texCoord.end(), t, t + 2);
        out.edge.push_back(edge ? 1 : 0);
    };
    for (int i = 0; i < pieces; ++i) {
        DrawData d;
        bool exists = false;
        std::int64_t time = 0;
        MakeDrawData(i, KeyFor(i, in), d, exists, time);
        out.textured = out.textured || d.textured;
        const float* capColor = d.textured ? white : d.color;
        auto capVertex = [&](unsigned k, bool edge) {
            put(&d.capPos[3 * k], &d.capNrm[3 * k], capColor, d.capTex.empty() ? none : &d.capTex[2 * k], edge);
        };
        for (const std::vector<unsigned>* cap : {&d.bottom, &d.top}) {
            const std::vector<unsigned>& idx = *cap;
            if (d.triangles) {
                for (unsigned k : idx) capVertex(k, true);
            } else {
                // The polygon as a fan; only its outline edges are edges.
                const std::size_t m = idx.size();
                for (std::size_t k = 1; k + 1 < m; ++k) {
                    capVertex(idx[0], k == 1);
                    capVertex(idx[k], true);
                    capVertex(idx[k + 1], k + 2 == m);
                }
            }
        }
        // Each side quad as two triangles.
        const std::size_t corners = d.sidePos.size() / 3;
        for (std::size_t q = 0; q + 3 < corners; q += 4) {
            auto side = [&](std::size_t v, bool edge) {
                put(&d.sidePos[3 * v], &d.sideNrm[3 * v], d.color, d.whiteBand ? band : none, edge);
            };
            side(q, true);
            side(q + 1, true);
            side(q + 2, false);
            side(q, false);
            side(q + 2, true);
            side(q + 3, true);
        }
    }
    return true;
}

void GLSceneRenderer::SetAtlasTexture(unsigned textureName, bool whiteBand) {
    atlasTexture_ = textureName;
    whiteBand_ = whiteBand;
}

void GLSceneRenderer::Invalidate() {
    for (CachedPiece& cp : cache_) cp.valid = false;
}

void GLSceneRenderer::RecheckModelFiles() {
    for (CachedPiece& cp : cache_) {
        if (!cp.valid || cp.key.modelFile.empty()) continue;
        std::int64_t t = 0;
        const bool exists = ModelFileState(cp.key.modelFile, t);
        if (exists != cp.modelExists || t != cp.modelTime) cp.valid = false;
    }
}

void GLSceneRenderer::ReleaseGL(bool contextCurrent) {
    for (CachedPiece& cp : cache_) {
        if (contextCurrent && cp.list != 0) glDeleteLists(cp.list, 1);
        cp.list = 0;
        cp.compiled = false;
        cp.valid = false;
    }
    if (contextCurrent && atlasTexture_) {
        GLuint t = atlasTexture_;
        glDeleteTextures(1, &t);
    }
    atlasTexture_ = 0;
}

} // namespace zv
