#include "Deviz.h"

#include "BoardPiece.h"
#include "model/Room.h"
#include "platform/Numbers.h"

namespace zv {

double EdgeBandMetres(int code, double length, double width) {
    double l = 0, w = 0; // how many lengths and widths carry banding
    switch (code) {
    case 1: l = 1; break;
    case 2: w = 1; break;
    case 3: l = 2; break;
    case 4: w = 2; break;
    case 5:
        l = 1;
        w = 1;
        break;
    case 6:
        l = 1;
        w = 2;
        break;
    case 7:
        l = 2;
        w = 1;
        break;
    case 8:
        l = 2;
        w = 2;
        break;
    default: break;
    }
    return (l * length + w * width) / 1000.0;
}

MaterialList ListMaterials(const Furniture& f, const std::vector<PalPflItem>& boards,
                           const std::vector<FeronerieItem>& hardware) {
    MaterialList out;
    const Scene3D& s = f.scene;
    for (int p = 0; p < s.pieceCount && p < kMaxPieces; ++p) {
        if (!IsBoardPiece(f, p)) continue;
        const auto box = s.PieceBox(p);
        double a = box.x1 - box.x0, b = box.y1 - box.y0, c = box.z1 - box.z0;
        SortDimensions(a, b, c); // length, width, thickness
        const std::string& code = f.attrs.materialCode[p];
        MaterialUse* use = nullptr;
        for (auto& m : out.boards)
            if (m.code == code) use = &m;
        if (!use) {
            MaterialUse m;
            m.code = code;
            m.thickness = c;
            if (const int i = FindCode(boards, code); i >= 0) {
                const PalPflItem& it = boards[static_cast<std::size_t>(i)];
                m.description = it.description;
                m.thickness = it.thickness;
                m.price = it.price;
                m.edgePrice = it.edgePrice;
                m.listed = true;
            }
            out.boards.push_back(m);
            use = &out.boards.back();
        }
        use->pieces += 1;
        use->area += a * b / 1e6;
        use->edgeMetres += EdgeBandMetres(f.attrs.edgeBand[p], a, b);
    }
    for (int p = 0; p < s.pieceCount && p < kMaxPieces; ++p) {
        if (IsRoomPiece(f, p)) continue;
        for (const HardwareEntry& e : f.attrs.hardware[p].Items()) {
            HardwareUse* use = nullptr;
            for (auto& h : out.hardware)
                if (h.code == e.code) use = &h;
            if (!use) {
                HardwareUse h;
                h.code = e.code;
                if (const int i = FindCode(hardware, e.code); i >= 0) {
                    h.description = hardware[static_cast<std::size_t>(i)].description;
                    h.price = hardware[static_cast<std::size_t>(i)].price;
                    h.listed = true;
                }
                out.hardware.push_back(h);
                use = &out.hardware.back();
            }
            use->quantity += e.quantity;
        }
    }
    return out;
}

namespace {
// Fixed decimals with the system's separator, as every number shown.
std::string Qty(double v, int decimals) {
    std::string s = FormatFixedDot(v, decimals);
    for (char& c : s)
        if (c == '.') c = SystemDecimalSeparator();
    return s;
}
std::string Money(double v) { return Qty(v, 2); }
std::string CodeText(const std::string& code) { return code.empty() ? "(fara cod)" : code; }
} // namespace

std::string FormatMaterialList(const MaterialList& list) {
    std::string t = "Pal/pfl:";
    if (list.boards.empty()) t += "\r  - nimic";
    for (const auto& m : list.boards) {
        t += "\r  - " + CodeText(m.code);
        if (!m.description.empty()) t += " (" + m.description + ")";
        t += ": " + std::to_string(m.pieces) + " piese, " + Qty(m.area, 3) + " mp, cant " + Qty(m.edgeMetres, 2) +
             " ml";
    }
    t += "\rFeronerie:";
    if (list.hardware.empty()) t += "\r  - nimic";
    for (const auto& h : list.hardware) {
        t += "\r  - " + CodeText(h.code);
        if (!h.description.empty()) t += " (" + h.description + ")";
        t += ": " + std::to_string(h.quantity) + " buc.";
    }
    return t;
}

Deviz ComputeDeviz(const MaterialList& list, double boardLossPct, double edgeLossPct, double marginPct) {
    Deviz d;
    for (const auto& m : list.boards) {
        d.boards += m.area * (1 + boardLossPct / 100.0) * m.price;
        d.edges += m.edgeMetres * (1 + edgeLossPct / 100.0) * m.edgePrice;
    }
    for (const auto& h : list.hardware) d.hardware += static_cast<double>(h.quantity) * h.price;
    d.subtotal = d.boards + d.edges + d.hardware;
    d.margin = d.subtotal * marginPct / 100.0;
    d.total = d.subtotal + d.margin;
    return d;
}

std::string FormatDeviz(const MaterialList& list, const Deviz& d, double boardLossPct, double edgeLossPct,
                        double marginPct) {
    std::string t;
    for (const auto& m : list.boards) {
        const double area = m.area * (1 + boardLossPct / 100.0);
        const double edge = m.edgeMetres * (1 + edgeLossPct / 100.0);
        t += CodeText(m.code) + ": " + Qty(area, 3) + " mp x " + Money(m.price) + " = " + Money(area * m.price) +
             "; cant " + Qty(edge, 2) + " ml x " + Money(m.edgePrice) + " = " + Money(edge * m.edgePrice);
        if (!m.listed) t += " (cod negasit in catalog)";
        t += "\r\n";
    }
    for (const auto& h : list.hardware) {
        t += CodeText(h.code) + ": " + std::to_string(h.quantity) + " buc. x " + Money(h.price) + " = " +
             Money(static_cast<double>(h.quantity) * h.price);
        if (!h.listed) t += " (cod negasit in catalog)";
        t += "\r\n";
    }
    t += "\r\nPal/pfl: " + Money(d.boards) + "\r\n";
    t += "Cant: " + Money(d.edges) + "\r\n";
    t += "Feronerie: " + Money(d.hardware) + "\r\n";
    t += "Total materiale: " + Money(d.subtotal) + "\r\n";
    t += "Adaos comercial (" + FormatGeneral(marginPct) + "%): " + Money(d.margin) + "\r\n";
    t += "Total deviz: " + Money(d.total) + "\r\n";
    return t;
}

} // namespace zv
