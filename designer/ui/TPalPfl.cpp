#include "TPalPfl.h"

#include "Forms.h"
#include "TAdaugaPalPfl.h"
#include "platform/Numbers.h"

namespace zv {

TPalPfl::TPalPfl(QWidget* parent) : CatalogueWindow(parent) {
    PlaceCatalogueWindow(this, "PalPfl", "Pal/pfl");
    StringGrid1 = new CatalogueGrid(
        {"Ncrt", "Cod", "Descriere", "Pret/mp", "Fisier poza", "Poza", "Culoare", "Grosime", "PretCant"},
        {37, 59, 145, 63, 215, 64, 56, 63, 71}, this);
    StringGrid1->swatchColumn = 6;
    MakeCatalogueControls(this, {});
}

void TPalPfl::FormShow() {
    LoadCatalogue();
    // Clearing the search puts the selection on row 1 first.
    Edit1->clear();
    StringGrid1->SelectRow(1);
    if (!PreselectCode.empty() && N > 0) SelectCode(PreselectCode);
    StringGrid1->setFocus();
}

void TPalPfl::FormHide() {
    StringGrid1->FreeThumbnails();
    PreselectCode.clear();
}

void TPalPfl::LoadCatalogue() {
    LoadCatalogueWindow(this, kPalPflFile, header_, [this](int r, const PalPflItem& it) {
        StringGrid1->SetCell(r, 6, CellInt(it.color, 4), true);
        StringGrid1->SetCell(r, 7, CellReal(it.thickness, 2, 7), true);
        StringGrid1->SetCell(r, 8, CellReal(it.edgePrice, 2, 8), true);
    });
}

// ---- editing the catalogue ----

namespace {
constexpr const char* kCannotEdit = "Fisierul cu pal/pfl nu a fost citit complet; nu il pot modifica.";

// Reads the dialog's numbers in field order, stopping at the first bad one.
bool ReadEntryDialog(TAdaugaPalPfl* d, PalPflItem& it) {
    auto price = ReadEntryReal(d->Edit3, "Pret/mp invalid.");
    if (!price) return false;
    auto thick = ReadEntryReal(d->Edit5, "Grosime pal/pfl invalida.");
    if (!thick) return false;
    auto edge = ReadEntryReal(d->Edit6, "Pret cant/ml invalid.");
    if (!edge) return false;
    it.description = d->Edit2->text().toStdString();
    it.price = *price;
    it.picture = d->Edit4->text().toStdString();
    it.color = d->PanelColor();
    it.thickness = *thick;
    it.edgePrice = *edge;
    return true;
}
} // namespace

void TPalPfl::Button1Click() {
    if (!CanEditCatalogue(loadedWhole, kCannotEdit)) return;
    TAdaugaPalPfl* d = Forms().AdaugaPalPfl;
    for (QLineEdit* e : {d->Edit1, d->Edit2, d->Edit3, d->Edit4, d->Edit5, d->Edit6}) e->clear();
    d->Edit1->setEnabled(true);
    d->SetColor(0xFFFFFF);
    AddCatalogueEntry(this, d, "Cod pal/pfl invalid.", "Exista deja acest cod in lista.", ReadEntryDialog,
                      [this](const std::string& code) { SaveAndReload(code); });
}

void TPalPfl::Button2Click() {
    PalPflItem* cur = EditableSelectedEntry(this, kCannotEdit);
    if (!cur) return;
    TAdaugaPalPfl* d = Forms().AdaugaPalPfl;
    ShowEntryInDialog(d, *cur);
    d->Edit5->setText(QString::fromStdString(ShortestReal(cur->thickness)));
    d->Edit6->setText(QString::fromStdString(ShortestReal(cur->edgePrice)));
    d->SetColor(cur->color);
    ChangeCatalogueEntry(d, *cur, ReadEntryDialog, [this](const std::string& code) { SaveAndReload(code); });
}

void TPalPfl::Button3Click() {
    DeleteCatalogueEntry(this, kCannotEdit, [this](const std::string& code) { SaveAndReload(code); });
}

} // namespace zv
