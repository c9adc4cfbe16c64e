#include "export/Vrml.h"
#include "platform/Numbers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <memory>
#include <sstream>

using namespace zv;

namespace {

using Vec = std::array<double, 3>;
Vec Sub(const Vec& a, const Vec& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }
Vec Cross(const Vec& a, const Vec& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
double Dot(const Vec& a, const Vec& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

// One piece as a VRML reader sees it.
struct VrmlPiece {
    std::string name;
    std::vector<Vec> points;
    std::vector<std::vector<int>> faces;
    Vec Centre() const {
        Vec c{0, 0, 0};
        for (const Vec& p : points)
            for (int k = 0; k < 3; ++k) c[k] += p[k] / static_cast<double>(points.size());
        return c;
    }
};

// Reads back what FurnitureToVrml writes: the pieces by their Info name,
// their points and their faces.
std::map<std::string, VrmlPiece> ParseVrml(const std::string& text) {
    std::map<std::string, VrmlPiece> out;
    std::size_t at = 0;
    while ((at = text.find("DEF Piesa", at)) != std::string::npos) {
        VrmlPiece p;
        const std::size_t q0 = text.find("Info { string \"", at) + 15;
        p.name = text.substr(q0, text.find('"', q0) - q0);
        const std::size_t pts = text.find("point [", at) + 7;
        std::istringstream ps(text.substr(pts, text.find(']', pts) - pts));
        ps.imbue(std::locale::classic());
        std::string tok;
        Vec v{};
        int k = 0;
        while (ps >> tok) {
            if (tok.back() == ',') tok.pop_back();
            const auto d = ParseRealDot(tok);
            EXPECT_TRUE(d.has_value()) << tok; // "." whatever the locale
            v[static_cast<std::size_t>(k++)] = d.value_or(0);
            if (k == 3) {
                p.points.push_back(v);
                k = 0;
            }
        }
        const std::size_t idx = text.find("coordIndex [", at) + 12;
        std::istringstream is(text.substr(idx, text.find(']', idx) - idx));
        std::vector<int> face;
        while (is >> tok) {
            if (tok.back() == ',') tok.pop_back();
            const int i = std::stoi(tok);
            if (i < 0) {
                p.faces.push_back(face);
                face.clear();
            } else {
                face.push_back(i);
            }
        }
        out[p.name] = p;
        at = idx;
    }
    return out;
}

// A cupboard seen from its front (smallest z): doors in front, back behind.
std::unique_ptr<Furniture> Cupboard() {
    auto f = std::make_unique<Furniture>();
    f->scene.Init();
    f->name = "Dulap \"mic\"";
    const struct {
        const char* name;
        double x, y, z, sx, sy, sz;
    } parts[] = {{"Stanga", 0, 0, 0, 18, 2000, 600},
                 {"Dreapta", 982, 0, 0, 18, 2000, 600},
                 {"Spate", 0, 0, 600, 1000, 2000, 4},
                 {"Usa stanga", 0, 0, -18, 499, 2000, 18},
                 {"Maner usa stanga", 440, 1000, -38, 20, 150, 20}};
    for (const auto& p : parts) {
        f->scene.AddBox(p.x, p.y, p.z, p.sx, p.sy, p.sz);
        f->pieceNames.push_back(p.name);
    }
    f->scene.color[1] = 0x0000FF; // red in the low byte
    return f;
}

} // namespace

TEST(Vrml, TheFurnitureSeenFromTheFrontIsNotMirrored) {
    const auto w = ParseVrml(FurnitureToVrml(*Cupboard()));
    ASSERT_EQ(w.size(), 5u);
    const Vec front = w.at("Usa stanga").Centre(), back = w.at("Spate").Centre();
    // A viewer in front of the doors looking at the back, head up (+y): in a
    // right-handed world his right hand points along view x up.
    Vec view = Sub(back, front);
    view[1] = 0;
    const Vec right = Cross(view, {0, 1, 0});
    EXPECT_LT(Dot(w.at("Stanga").Centre(), right), Dot(w.at("Dreapta").Centre(), right));
    // The handle of the left door is on that door's right, towards the middle.
    EXPECT_GT(Dot(w.at("Maner usa stanga").Centre(), right), Dot(w.at("Stanga").Centre(), right));
    // VRML's default camera looks along -z from +z: it sees the front.
    EXPECT_GT(front[2], back[2]);
    EXPECT_GT(right[0], 0);
}

TEST(Vrml, FacesRunCounterClockwiseSeenFromOutside) {
    const std::string text = FurnitureToVrml(*Cupboard());
    EXPECT_NE(text.find("ShapeHints { vertexOrdering COUNTERCLOCKWISE }"), std::string::npos);
    for (const auto& [name, p] : ParseVrml(text)) {
        ASSERT_EQ(p.faces.size(), 6u) << name;
        const Vec c = p.Centre();
        for (const auto& face : p.faces) {
            ASSERT_EQ(face.size(), 4u);
            const Vec& a = p.points.at(static_cast<std::size_t>(face[0]));
            const Vec n = Cross(Sub(p.points.at(static_cast<std::size_t>(face[1])), a),
                                Sub(p.points.at(static_cast<std::size_t>(face[2])), a));
            EXPECT_GT(Dot(n, Sub(a, c)), 0) << name; // the normal points away from the piece
        }
    }
}

TEST(Vrml, OneSeparatorPerPieceWithItsColourNameAndOwnIndices) {
    const std::string w = FurnitureToVrml(*Cupboard());
    EXPECT_EQ(w.rfind("#VRML V1.0 ascii", 0), 0u);
    EXPECT_NE(w.find("Info { string \"Dulap \\\"mic\\\"\" }"), std::string::npos);
    EXPECT_NE(w.find("DEF Piesa1 Separator"), std::string::npos);
    EXPECT_NE(w.find("diffuseColor 1 0 0"), std::string::npos);
    // Indices are relative to the piece's own points: every piece uses 0..23.
    EXPECT_NE(w.find("20, 21, 22, 23, -1\n"), std::string::npos);
    EXPECT_EQ(w.find("24,"), std::string::npos);
    EXPECT_EQ(std::count(w.begin(), w.end(), '{'), std::count(w.begin(), w.end(), '}'));
}

TEST(Vrml, NumbersKeepTheirDigitsAndTheirPointUnderAComma) {
    auto f = std::make_unique<Furniture>();
    f->scene.Init();
    f->scene.AddBox(12345.678, 0.25, 0, 1, 1, 1);
    f->pieceNames = {"P"};
    OverrideDecimalSeparator(',');
    const std::string w = FurnitureToVrml(*f);
    OverrideDecimalSeparator(0);
    EXPECT_NE(w.find("12345.678 0.25 0,\n"), std::string::npos) << w;
    EXPECT_EQ(w.find(','), w.find(",\n")); // commas only between points
}

TEST(Vrml, WritesAFileAndReportsAFolderItCannotWrite) {
    auto f = std::make_unique<Furniture>();
    f->scene.Init();
    f->scene.AddBox(0, 0, 0, 1, 1, 1);
    QTemporaryDir dir;
    const std::string path = (dir.path() + "/m.wrl").toStdString();
    EXPECT_EQ(WriteVrmlFile(*f, path), "");
    EXPECT_TRUE(QFile::exists(QString::fromStdString(path)));
    EXPECT_NE(WriteVrmlFile(*f, "/no/such/folder/m.wrl"), "");
}
