#include "Layout.h"

#include <cmath>

namespace rz {

double UsableLength(const SheetSettings& s) { return s.length - 2 * s.trim; }
double UsableWidth(const SheetSettings& s) { return s.width - 2 * s.trim; }

bool FitsSheet(const Piece& p, const SheetSettings& s, bool turned) {
    const double l = turned ? p.width : p.length, w = turned ? p.length : p.width;
    return l <= UsableLength(s) + 1e-9 && w <= UsableWidth(s) + 1e-9;
}

bool GrainTurned(const Piece& p, const SheetSettings& s) { return !s.asGiven && p.width > p.length; }

bool DirectionAllowed(const Piece& p, const SheetSettings& s, bool turned) {
    if (s.allowTurn || (!s.asGiven && p.width == p.length)) return true;
    return turned == GrainTurned(p, s);
}

bool FitsSheet(const Piece& p, const SheetSettings& s) {
    if (p.TooSmall()) return false;
    for (bool t : {false, true})
        if (DirectionAllowed(p, s, t) && FitsSheet(p, s, t)) return true;
    return false;
}

std::string CheckSettings(const SheetSettings& s) {
    const double v[] = {s.length, s.width, s.kerf, s.trim};
    for (double x : v)
        if (!std::isfinite(x)) return "Dimensiunile foii trebuie sa fie numere.";
    if (s.length <= 0 || s.width <= 0) return "Lungimea si latimea foii trebuie sa fie mai mari ca 0.";
    if (s.kerf < 0) return "Grosimea taieturii nu poate fi negativa.";
    if (s.trim < 0) return "Marginea de tundere nu poate fi negativa.";
    if (UsableLength(s) <= 0 || UsableWidth(s) <= 0) return "Cu marginea de tundere aleasa nu ramane nimic din foaie.";
    if (s.kerf >= UsableLength(s) || s.kerf >= UsableWidth(s))
        return "Cu grosimea taieturii aleasa nu ramane nimic din foaie.";
    return {};
}

std::vector<Rect> KeptOffcuts(const SheetLayout& s, double min) {
    std::vector<Rect> out;
    for (const Rect& r : s.leftover)
        if (r.length >= min && r.width >= min) out.push_back(r);
    return out;
}

double PlacedArea(const SheetLayout& s) {
    double a = 0;
    for (const Placement& p : s.placements) a += p.length * p.width;
    return a;
}

double WastePercent(const Layout& l, const SheetSettings& s) {
    if (l.sheets.empty()) return 0;
    double used = 0;
    for (const SheetLayout& sh : l.sheets) used += PlacedArea(sh);
    const double total = s.length * s.width * static_cast<double>(l.sheets.size());
    return total > 0 ? 100.0 * (total - used) / total : 0;
}

int AreaLowerBound(const std::vector<Piece>& pieces, const SheetSettings& s) {
    const double usable = UsableLength(s) * UsableWidth(s);
    if (!(usable > 0)) return 0;
    double a = 0;
    for (const Piece& p : pieces)
        if (FitsSheet(p, s)) a += p.length * p.width;
    return static_cast<int>(std::ceil(a / usable - 1e-9));
}

} // namespace rz
