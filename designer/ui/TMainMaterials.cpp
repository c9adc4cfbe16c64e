// The materials menu ("Materiale") and the board chooser the commands share.
#include "TMain.h"

#include "CatalogueGrid.h"
#include "Forms.h"
#include "TFeronerie.h"
#include "TPalPfl.h"
#include "catalog/Catalogue.h"
#include "platform/widgets/Modal.h"

#include <QPushButton>

namespace zv {

void TMain::Listapalpfl1Click() {
    Forms().PalPfl->BitBtn2->hide();
    RunModal(*Forms().PalPfl);
}
void TMain::Listaferonerie1Click() {
    Forms().Feronerie->BitBtn2->hide();
    RunModal(*Forms().Feronerie);
}

bool TMain::PickPalPfl(std::string& code, std::string& picture, Color& color, double& thickness) {
    TPalPfl* w = Forms().PalPfl;
    w->BitBtn2->show();
    w->PreselectCode = code;
    const bool chosen = RunModal(*w) == QDialog::Accepted;
    w->setWindowTitle("Pal/Pfl");
    if (!chosen) return false;
    CatalogueGrid* g = w->StringGrid1;
    const int row = g->SelectedRow();
    if (g->EntryCount() == 0 || row == 0) return true;
    code = g->Cell(row, 1);
    picture = g->Cell(row, 4);
    color = CellToColor(g->Cell(row, 6), 0);
    thickness = CellToReal(g->Cell(row, 7), 18.0);
    return true;
}

bool TMain::FindPalPflCode(const std::string& code, std::string& picture, Color& color, double& thickness) {
    // The grid holds what the last showing of the catalogue loaded.
    CatalogueGrid* g = Forms().PalPfl->StringGrid1;
    if (code.empty()) return false;
    for (int row = 1; row <= g->EntryCount(); ++row) {
        if (g->Cell(row, 1) != code) continue;
        picture = g->Cell(row, 4);
        color = CellToColor(g->Cell(row, 6), 0);
        thickness = CellToReal(g->Cell(row, 7), 18.0);
        return true;
    }
    return false;
}

} // namespace zv
