#pragma once
// The OpenGL view's drawing: every piece is its outline (the rectangle of its
// large face or its cut-out contour) extruded across its thickness, lit by one
// light at the eye, textured from the atlas on its two large faces. All
// functions run in a current GL context that the caller provides; nothing here
// opens a dialog or traces a bitmap. Geometry is kept per piece in vertex
// arrays, compiled into a display list, and rebuilt only when that piece's
// inputs change.
#include "model/Mobila.h"

#include <QImage>
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace zv {

// 32 x 32 polygon stipple: a diagonal cross every 8 pixels.
extern const std::uint8_t HatchPattern[128];

// Capacity of the per-frame work arrays: contour points per cap.
inline constexpr int kMaxOutlinePoints = 2500;

// What the texture-coordinate computation needs of one piece and its atlas slot.
struct TexCoordSlot {
    int index = -1;                              // the piece's slot, -1 for none
    int count = 0;                               // slots in the atlas
    int width = 0, height = 0;                   // the slot picture's size
    int requestedWidth = 0, requestedHeight = 0; // the slot's size in the atlas
    int repeatScale = 200;                       // slot pixels per metre when repeated
    bool repeated = false, rotated = false;
};

// The slot description of a piece from the model's tables.
TexCoordSlot TexCoordSlotFor(const TextureTable& textures, const PiesaAttributes& attrs, int piece);

// Whether the piece can be textured at all: a slot inside the atlas, an atlas
// that has slots, and slot sizes that can be divided by.
bool TexCoordSlotUsable(const TexCoordSlot& slot);

// Texture coordinates (s into the whole atlas, t up the slot) of n outline
// points given by their source pairs (a, b). False, and s/t untouched, when
// the slot is not usable: the piece is then drawn in its colour.
bool ComputeTexCoords(const TexCoordSlot& slot, int n, const double* a, const double* b, double* s, double* t);

// (p2 - p1) x (p3 - p1) in single precision, not normalised.
void CalcNormal(const float p1[3], const float p2[3], const float p3[3], float out[3]);

// The outline of one piece in its face rectangle's coordinates (u, v), with
// triangle corner indices (three per triangle) when triangles were asked for.
struct PieceOutline {
    std::vector<double> u, v;
    std::vector<int> triangles;
    int Count() const { return static_cast<int>(u.size()); }
};

// The plain rectangle: (x1, y1), (x1, y2), (x2, y2), (x2, y1), triangles (0,1,3), (1,2,3).
void SetRectangleOutline(double x1, double y1, double x2, double y2, PieceOutline& out);

// Gives the contour-model outline of a piece fitted onto (x1, y1)-(x2, y2);
// called only for a piece whose model file exists, and only when the piece's
// inputs changed. False when the model gives no outline.
using OutlineSource =
    std::function<bool(int piece, bool triangles, double x1, double y1, double x2, double y2, PieceOutline& out)>;

// The per-frame inputs the window's controls give.
struct GLFrameInputs {
    const Scene3D* scene = nullptr;
    const PiesaAttributes* attrs = nullptr;
    const TextureTable* textures = nullptr;
    int ambient = 20, ambientMax = 40; // "Lumina ambient"
    int diffuse = 20, diffuseMax = 40; // "Sursa lumina"
    int displayMode = 0;               // 0 "Cu iluminare", 1 "Sarmos", 2 "Punctat"
    bool hatchCurrent = false;         // "&Hasura" ticked
    bool concaveModels = true;         // "Afisare modele decupare concave"
    bool miniViewsShown = false;
    int exteriorView = 1;
};

// The default and working light arrays.
struct LightArrays {
    float ambient[4], diffuse[4];
    float defaults[5][4];
};
void ResetLightArrays(LightArrays& lights);

// Context state of a new view: white clear colour, depth test, two-sided lighting.
void InitGL();
// Lights of a window paint: GL_LIGHT1 at the eye, full ambient and diffuse.
void SetupLights(LightArrays& lights);
// White, cleared, identity modelview, polygon mode by the display mode.
void ClearGLFrame(int displayMode);
// Viewport and perspective for a view of w x h pixels; a height of 0 is taken as 1.
void SetupProjection(int w, int h);
// Reads the viewport back: rows top first, bytes red first (RGBA8888).
void WindowShotGL2(QImage& bitmap);
// Loads an RGB picture (rows bottom first, 3 bytes a pixel) as the mipmapped
// texture; returns the texture name (0 on failure). With whiteBand given, the
// texture is made twice as high where the size allows: the picture in the
// lower half, sampled exactly as before at t / 2, and a white band above it
// (see kWhiteS, kWhiteT), so untextured faces can be drawn with texturing
// left on. *whiteBand says whether the band was made.
unsigned UploadTexture(const unsigned char* rgb, int width, int height, bool* whiteBand = nullptr);
// Where a texture with the white band samples pure white.
inline constexpr float kWhiteS = 0.5f, kWhiteT = 0.75f;

// Every triangle of a frame as vertices of their own, in piece order: what
// a frame of the view hands the GL, flattened for one draw call (the
// benchmark's limit). Positions are in millimetres, drawn through modelview.
struct FrameTriangles {
    std::vector<float> position, normal, color; // 3 per vertex
    std::vector<float> texCoord;                // 2 per vertex
    std::vector<unsigned char> edge;            // edge flag of the edge leaving the vertex
    bool textured = false;                      // some cap takes the atlas
    double modelview[16] = {};
    std::size_t VertexCount() const { return position.size() / 3; }
};

class GLSceneRenderer {
public:
    GLSceneRenderer() = default;
    GLSceneRenderer(const GLSceneRenderer&) = delete;
    GLSceneRenderer& operator=(const GLSceneRenderer&) = delete;

    OutlineSource outlineSource; // empty: every piece is its rectangle

    // piece >= 0 draws that piece alone, any negative value all pieces; -1
    // also clears first. Neither shows the frame: that is the caller's.
    void RenderScene(int piece, const GLFrameInputs& in);

    // The piece whose surface is nearest the eye at pixel (x, y) of a frame
    // w x h pixels (y down from the top), or -1 for none. Draws one pass into
    // the bound frame buffer, which must have a depth buffer: every piece in
    // a flat colour of its own, no light, texture or hatch, the depth test
    // on. The caller binds a frame buffer nobody sees.
    int PickPiece(const GLFrameInputs& in, int w, int h, int x, int y);

    // The triangles of every piece as RenderScene(-1) would draw them; false
    // when there is nothing to draw. Builds the arrays afresh; no GL call.
    bool CollectTriangles(const GLFrameInputs& in, FrameTriangles& out) const;

    // The texture the atlas was loaded into (0 for none): pieces are textured
    // only while one is set. whiteBand: it was uploaded with the white band,
    // so texturing stays on for the whole frame and untextured faces sample
    // the band. Switching texturing per face costs a pipeline change each time.
    void SetAtlasTexture(unsigned textureName, bool whiteBand = false);
    unsigned AtlasTexture() const { return atlasTexture_; }
    bool AtlasHasWhiteBand() const { return atlasTexture_ != 0 && whiteBand_; }

    // Drops the cached geometry of every piece (a model file was redrawn).
    void Invalidate();
    // Looks at the model files of the cached pieces again and drops the
    // geometry of those whose file appeared, vanished or changed.
    void RecheckModelFiles();
    // Frees the atlas texture (in the context that made it) or, when the
    // context is gone, forgets it; the cached geometry goes too.
    void ReleaseGL(bool contextCurrent);

    // Rebuilds of piece geometry since creation (tests and the benchmark).
    long RebuildCount() const { return rebuilds_; }

private:
    struct PieceKey {
        Scene3D::Box box{};
        std::uint32_t color = 0;
        std::string modelFile;
        int face = 0, rotation = 0, mirror = 0;
        TexCoordSlot tex;
        unsigned atlas = 0;
        bool whiteBand = false;
        bool triangles = false;
        int exteriorView = 1;
        bool operator==(const PieceKey& o) const;
    };
    // A piece ready to draw: vertex arrays built when its inputs change.
    struct DrawData {
        int n = 0;
        bool textured = false, triangles = false;
        bool whiteBand = false; // every vertex has a texture coordinate; texturing stays on
        float color[3] = {0, 0, 0};
        std::vector<float> capPos, capNrm, capTex; // 2n vertices: bottom cap, then top
        std::vector<unsigned> bottom, top;         // cap indices: one polygon each, or all triangles in bottom
        std::vector<float> sidePos, sideNrm;       // the side quads, 4 corners each
        std::vector<float> sideTex;                // with the white band: the band's point on each corner
    };
    struct CachedPiece {
        bool valid = false;
        unsigned list = 0;     // the piece's display list, kept across rebuilds
        bool compiled = false; // the list holds the current geometry
        PieceKey key;
        DrawData draw;
        bool modelExists = false;
        std::int64_t modelTime = 0;
    };
    PieceKey KeyFor(int piece, const GLFrameInputs& in) const;
    // The arrays of one piece from its inputs; no GL call.
    void MakeDrawData(int piece, const PieceKey& key, DrawData& d, bool& modelExists, std::int64_t& modelTime) const;
    void Build(int piece, CachedPiece& cp);
    static void Emit(const DrawData& d);
    void DrawPiece(int piece, const GLFrameInputs& in);

    std::array<CachedPiece, kMaxPieces> cache_{};
    unsigned atlasTexture_ = 0;
    bool whiteBand_ = false;
    long rebuilds_ = 0;
};

} // namespace zv
