#include "TFeronerie.h"

#include "Forms.h"
#include "TAdaugaFeronerie.h"
#include "platform/Numbers.h"

namespace zv {

TFeronerie::TFeronerie(QWidget* parent) : CatalogueWindow(parent) {
    PlaceCatalogueWindow(this, "Feronerie", "Feronerie");
    StringGrid1 = new CatalogueGrid({"Ncrt", "Cod", "Descriere", "Pret", "Fisier poza", "Poza"},
                                    {37, 79, 228, 63, 298, 64}, this);
    MakeCatalogueControls(this, {.hint1 = "Adaugare element feronerie nou in lista",
                                 .hint2 = "Adaugare element feronerie nou in lista",
                                 .hint3 = "Stergere element feronerie curent din lista"});
}

void TFeronerie::FormShow() {
    // The selection and the search text of the last use stay.
    const int before = StringGrid1->SelectedRow();
    LoadCatalogue();
    if (before >= 1 && before <= N)
        StringGrid1->SelectRow(before);
    else
        StringGrid1->SelectRow(1);
    StringGrid1->setFocus();
}

void TFeronerie::FormHide() { StringGrid1->FreeThumbnails(); }

std::string TFeronerie::SelectedCode() const {
    const int r = StringGrid1->SelectedRow();
    if (N == 0 || r == 0) return {};
    return StringGrid1->Cell(r, 1);
}

void TFeronerie::LoadCatalogue() { LoadCatalogueWindow(this, kFeronerieFile, header_); }

// ---- editing the catalogue ----

namespace {
constexpr const char* kCannotEdit = "Fisierul cu feronerie nu a fost citit complet; nu il pot modifica.";

bool ReadEntryDialog(TAdaugaFeronerie* d, FeronerieItem& it) {
    auto price = ReadEntryReal(d->Edit3, "Pret feronerie invalid.");
    if (!price) return false;
    it.description = d->Edit2->text().toStdString();
    it.price = *price;
    it.picture = d->Edit4->text().toStdString();
    return true;
}
} // namespace

void TFeronerie::Button1Click() {
    if (!CanEditCatalogue(loadedWhole, kCannotEdit)) return;
    TAdaugaFeronerie* d = Forms().AdaugaFeronerie;
    for (QLineEdit* e : {d->Edit1, d->Edit2, d->Edit3, d->Edit4}) e->clear();
    d->Edit1->setEnabled(true);
    AddCatalogueEntry(this, d, "Cod feronerie invalid.", "Exista deja acest element de feronerie in lista.",
                      ReadEntryDialog, [this](const std::string& code) { SaveAndReload(code); });
}

void TFeronerie::Button2Click() {
    FeronerieItem* cur = EditableSelectedEntry(this, kCannotEdit);
    if (!cur) return;
    TAdaugaFeronerie* d = Forms().AdaugaFeronerie;
    ShowEntryInDialog(d, *cur);
    ChangeCatalogueEntry(d, *cur, ReadEntryDialog, [this](const std::string& code) { SaveAndReload(code); });
}

void TFeronerie::Button3Click() {
    DeleteCatalogueEntry(this, kCannotEdit, [this](const std::string& code) { SaveAndReload(code); });
}

} // namespace zv
