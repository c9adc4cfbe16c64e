#pragma once
// What a furniture is made of and what it costs: the board area and edge
// banding per material, the hardware, and the estimate built on catalogue prices.
#include "BoardPiece.h"
#include "catalog/Catalogue.h"
#include "model/Mobila.h"

#include <string>
#include <vector>

namespace zv {

// Metres of edge banding for a board of length l and width w (mm) by edge code 0..8.
double EdgeBandMetres(int code, double length, double width);

struct MaterialUse {
    std::string code;        // empty for pieces without a material
    std::string description; // from the board catalogue, when listed there
    double thickness = 0;
    int pieces = 0;
    double area = 0; // square metres
    double edgeMetres = 0;
    double price = 0;     // per square metre, 0 when not in the catalogue
    double edgePrice = 0; // per metre
    bool listed = false;
};

struct HardwareUse {
    std::string code;
    std::string description;
    long long quantity = 0;
    double price = 0;
    bool listed = false;
};

// The board pieces (IsBoardPiece) by material, and the hardware of all pieces.
struct MaterialList {
    std::vector<MaterialUse> boards;   // in order of first use
    std::vector<HardwareUse> hardware; // in order of first use
};

MaterialList ListMaterials(const Furniture& f, const std::vector<PalPflItem>& boards,
                           const std::vector<FeronerieItem>& hardware);

// The list as the text shown to the user.
std::string FormatMaterialList(const MaterialList& list);

struct Deviz {
    double boards = 0, edges = 0, hardware = 0;
    double subtotal = 0, margin = 0, total = 0;
};

// Board and edge quantities grow by their loss percentages; the margin is
// added on the sum.
Deviz ComputeDeviz(const MaterialList& list, double boardLossPct, double edgeLossPct, double marginPct);
std::string FormatDeviz(const MaterialList& list, const Deviz& d, double boardLossPct, double edgeLossPct,
                        double marginPct);

} // namespace zv
