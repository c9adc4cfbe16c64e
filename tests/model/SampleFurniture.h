#pragma once
// The sample furniture of data/: a wardrobe, a chest of drawers and a
// bookcase on the boards and hardware of the sample catalogues. The file
// tests read them; tools/write_samples writes them to data/ again.
#include "model/Mobila.h"

#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace zv::samples {

// Boards of the sample catalogue data/pal-pfl.dat: code, colour, texture.
struct Board {
    const char* code;
    std::uint32_t color;
    const char* texture;
};
inline const Board kBoards[] = {
    {"PAL18STJ", 6330052, "texturi/pal18_stejar.jpg"}, {"PAL18ALB", 15922677, "texturi/pal18_alb.bmp"},
    {"PAL18NUC", 2902126, "texturi/pal18_nuc.jpg"},    {"PAL18CIR", 3298474, "texturi/pal18_cires.bmp"},
    {"PAL25WEN", 2239552, "texturi/pal25_wenge.jpg"},  {"PFL4FAG", 8433884, "texturi/pfl4_fag.jpg"}};
inline constexpr std::uint32_t kMetal = 0xB4B4B4; // a rail: no board, no texture

struct Part {
    const char* name;
    double x, y, z, sx, sy, sz;
    int edge;
    const char* code;
};

inline Furniture Build(const std::string& name, double G, double P, double B, BackType back,
                       const std::vector<Part>& parts,
                       const std::map<int, std::vector<std::pair<std::string, int>>>& hardware) {
    Furniture f;
    f.scene.Init();
    f.SetSlotDefaults();
    f.name = name;
    f.dim.G = G;
    f.dim.P = P;
    f.dim.B = B;
    f.backType = back;
    std::vector<std::string> slots; // one texture slot per distinct picture
    for (const Part& p : parts) {
        const auto i = static_cast<std::size_t>(f.scene.pieceCount);
        const Board* board = nullptr;
        for (const Board& b : kBoards)
            if (std::string(b.code) == p.code) board = &b;
        f.scene.color[i] = board ? board->color : kMetal;
        f.scene.AddBox(p.x, p.y, p.z, p.sx, p.sy, p.sz);
        f.pieceNames.push_back(p.name);
        f.attrs.edgeBand[i] = p.edge;
        f.attrs.materialCode[i] = p.code;
        if (board) {
            f.attrs.textureFile[i] = board->texture;
            auto it = std::find(slots.begin(), slots.end(), board->texture);
            if (it == slots.end()) it = slots.insert(slots.end(), board->texture);
            f.attrs.textureIndex[i] = static_cast<std::int32_t>(it - slots.begin());
        }
    }
    f.textures.count = static_cast<std::int32_t>(slots.size());
    for (std::size_t k = 0; k < slots.size(); ++k) {
        f.textures.repeatScale[k] = 200;
        f.textures.width[k] = f.textures.requestedWidth[k];
        f.textures.height[k] = f.textures.requestedHeight[k];
    }
    for (const auto& [piece, items] : hardware)
        for (const auto& [code, qty] : items) f.attrs.hardware[static_cast<std::size_t>(piece)].Add(code, qty);
    RecomputeFurnitureSize(f.scene, f.dim);
    f.scene.rotX = 0.35;
    f.scene.rotY = -0.6;
    return f;
}

inline Furniture MakeDulap() {
    const double W = 1000, H = 2000, D = 600, G = 18, P = 4, S = 80;
    return Build("Dulap", G, P, 10, BackType::Aplicat,
                 {{"Lateral stanga", 0, 0, 0, G, H, D, 1, "PAL18STJ"},
                  {"Lateral dreapta", W - G, 0, 0, G, H, D, 1, "PAL18STJ"},
                  {"Capac", G, H - G, 0, W - 2 * G, G, D, 1, "PAL18STJ"},
                  {"Baza", G, S, 0, W - 2 * G, G, D, 1, "PAL18STJ"},
                  {"Soclu", G, 0, 0, W - 2 * G, S, G, 1, "PAL18STJ"},
                  {"Spate", 0, 0, D, W, H, P, 0, "PFL4FAG"},
                  {"Polita", G, 1650, 0, W - 2 * G, G, D - 20, 1, "PAL18ALB"},
                  {"Bara haine", G, 1550, D / 2 - 10, W - 2 * G, 20, 20, 0, ""},
                  {"Usa stanga", 0, S + 2, -G, W / 2 - 2, H - S - 4, G, 8, "PAL18NUC"},
                  {"Usa dreapta", W / 2 + 2, S + 2, -G, W / 2 - 2, H - S - 4, G, 8, "PAL18NUC"}},
                 {{8, {{"BAL35", 3}, {"MAN128", 1}}},
                  {9, {{"BAL35", 3}, {"MAN128", 1}}},
                  {7, {{"BARA1M", 1}}},
                  {4, {{"PIC100", 4}}}});
}

inline Furniture MakeComoda() {
    const double W = 800, H = 850, D = 450, G = 18, P = 4, S = 60, T = 25;
    std::vector<Part> parts = {{"Lateral stanga", 0, 0, 0, G, H - T, D, 1, "PAL18ALB"},
                               {"Lateral dreapta", W - G, 0, 0, G, H - T, D, 1, "PAL18ALB"},
                               {"Blat", -10, H - T, -20, W + 20, T, D + 20 + P, 8, "PAL25WEN"},
                               {"Baza", G, S, 0, W - 2 * G, G, D, 1, "PAL18ALB"},
                               {"Soclu", G, 0, 20, W - 2 * G, S, G, 1, "PAL18ALB"},
                               {"Spate", G, S, D - P, W - 2 * G, H - S - T, P, 0, "PFL4FAG"}};
    const double fronts = (H - T - S - 4 * 3) / 3;
    const char* names[] = {"Fata sertar 1", "Fata sertar 2", "Fata sertar 3"};
    for (int k = 0; k < 3; ++k)
        parts.push_back({names[k], 0, S + 3 + k * (fronts + 3), -G, W, fronts, G, 8, "PAL18STJ"});
    return Build("Comoda", G, P, 0, BackType::Incastrat, parts,
                 {{6, {{"GLIS450", 1}, {"BUTONAL", 2}}},
                  {7, {{"GLIS450", 1}, {"BUTONAL", 2}}},
                  {8, {{"GLIS450", 1}, {"BUTONAL", 2}}},
                  {4, {{"PIC100", 4}}}});
}

inline Furniture MakeBiblioteca() {
    const double W = 800, H = 1800, D = 300, G = 18, P = 4;
    std::vector<Part> parts = {{"Lateral stanga", 0, 0, 0, G, H, D, 1, "PAL18CIR"},
                               {"Lateral dreapta", W - G, 0, 0, G, H, D, 1, "PAL18CIR"},
                               {"Capac", G, H - G, 0, W - 2 * G, G, D, 1, "PAL18CIR"},
                               {"Baza", G, 0, 0, W - 2 * G, G, D, 1, "PAL18CIR"},
                               {"Spate", 0, 0, D, W, H, P, 0, "PFL4FAG"}};
    const char* names[] = {"Polita 1", "Polita 2", "Polita 3", "Polita 4"};
    for (int k = 1; k <= 4; ++k)
        parts.push_back({names[k - 1], G, k * (H - G) / 5, 0, W - 2 * G, G, D - 10, 1, "PAL18ALB"});
    return Build("Biblioteca", G, P, 10, BackType::Aplicat, parts,
                 {{5, {{"SUPPOL", 4}}},
                  {6, {{"SUPPOL", 4}}},
                  {7, {{"SUPPOL", 4}}},
                  {8, {{"SUPPOL", 4}}},
                  {3, {{"SUR4X30", 1}}}});
}

// The files of data/ and what each holds.
inline const std::pair<const char*, Furniture (*)()> kSampleFiles[] = {
    {"Dulap.mo4", MakeDulap}, {"Comoda.mo4", MakeComoda}, {"Biblioteca.mo4", MakeBiblioteca}};

} // namespace zv::samples
