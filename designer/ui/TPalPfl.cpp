#include "TPalPfl.h"

#include "CatalogueGrid.h"
#include "Forms.h"
#include "TAdaugaPalPfl.h"
#include "catalog/Thumbnails.h"
#include "platform/Dialogs.h"
#include "platform/Numbers.h"
#include "platform/Text.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <optional>

namespace zv {

namespace {
QPushButton* Button(QWidget* parent, const char* name, const char* text, const char* hint = nullptr) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    if (hint) b->setToolTip(hint);
    // Enter in the search field must not start a command: only "&Selecteaza" is the OK button.
    b->setAutoDefault(false);
    return b;
}

// A number typed into the entry dialog; blanks are dropped as the readers do.
std::optional<double> EntryReal(QLineEdit* e, const char* error) {
    auto v = ParseRealDot(RemoveBlanks(e->text().toStdString()));
    if (!v) ShowError(error);
    return v;
}
} // namespace

TPalPfl::TPalPfl(QWidget* parent) : FormBase<QDialog>(parent) {
    setObjectName("PalPfl");
    setWindowTitle("Pal/pfl");
    resize(800, 580);
    if (QScreen* s = QGuiApplication::primaryScreen()) move(s->availableGeometry().center() - rect().center());
    StringGrid1 = new CatalogueGrid({"Ncrt", "Cod", "Descriere", "Pret/mp", "Fisier poza", "Poza", "Culoare",
                                     "Grosime", "PretCant"},
                                    {37, 59, 145, 63, 215, 64, 56, 63, 71}, this);
    StringGrid1->setObjectName("StringGrid1");
    StringGrid1->swatchColumn = 6;
    Button1 = Button(this, "Button1", "&Adaugare");
    Button2 = Button(this, "Button2", "&Modificare");
    Button3 = Button(this, "Button3", "S&tergere");
    Button4 = Button(this, "Button4", "&Vizualizare poza");
    Label1 = new QLabel("Cauta cod:", this);
    Label1->setObjectName("Label1");
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName("Edit1");
    Edit1->setMaxLength(10);
    BitBtn2 = Button(this, "BitBtn2", "&Selecteaza");
    BitBtn2->setDefault(true);
    BitBtn2->hide();
    BitBtn1 = Button(this, "BitBtn1", "&Inchide fereastra");

    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    connect(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
    connect(Button4, &QPushButton::clicked, this, [this] { Button4Click(); });
    connect(Edit1, &QLineEdit::textChanged, this, [this] { Edit1Change(); });
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
    StringGrid1->onDoubleClick = [this] { StringGrid1DblClick(); };
    FormResize();
}

void TPalPfl::resizeEvent(QResizeEvent* e) {
    FormBase<QDialog>::resizeEvent(e);
    FormResize();
}

void TPalPfl::FormResize() {
    LayoutCatalogueWindow(this, StringGrid1, {Button1, Button2, Button3, Button4, BitBtn2, BitBtn1}, Label1, Edit1);
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

bool TPalPfl::SelectCode(const std::string& code) {
    const int i = FindCode(items, code);
    if (i < 0) return false;
    StringGrid1->SelectRow(i + 1);
    return true;
}

void TPalPfl::LoadCatalogue() {
    std::optional<LoadingNotice> notice(std::in_place);
    PalPflCatalogue cat = ReadPalPflCatalogue(CataloguePath(CatalogueFolder(), kPalPflFile));
    if (cat.status == CatalogueStatus::NotFound) {
        // The rows of the last good load stay for the look-ups.
        StringGrid1->FreeThumbnails();
        loadedWhole = false;
        notice.reset();
        ShowError(cat.Message());
        return;
    }
    header_ = cat.header;
    thumbWidth = cat.header.thumbWidth;
    thumbHeight = cat.header.thumbHeight;
    items = std::move(cat.items);
    loadedWhole = cat.ok();
    if (loadedWhole) SortByCode();
    FillRows();
    if (!loadedWhole) {
        // The rows read before the fault stay, unsorted and without thumbnails.
        StringGrid1->FreeThumbnails();
        notice.reset();
        ShowError(cat.Message());
        return;
    }
    std::vector<std::string> pictures;
    for (const PalPflItem& it : items) pictures.push_back(it.picture);
    StringGrid1->SetThumbnails(BuildThumbnailStrip(pictures, thumbWidth, thumbHeight), thumbWidth, thumbHeight);
}

void TPalPfl::SortByCode() { zv::SortByCode(items); }

void TPalPfl::FillRows() {
    N = static_cast<int>(items.size());
    StringGrid1->SetEntryCount(N);
    for (int r = 1; r <= N; ++r) {
        const PalPflItem& it = items[static_cast<std::size_t>(r - 1)];
        StringGrid1->SetCell(r, 0, CellInt(r, 4), true);
        StringGrid1->SetCell(r, 1, it.code);
        StringGrid1->SetCell(r, 2, it.description);
        StringGrid1->SetCell(r, 3, CellReal(it.price, 2, 7), true);
        StringGrid1->SetCell(r, 4, it.picture);
        StringGrid1->SetCell(r, 5, "");
        StringGrid1->SetCell(r, 6, CellInt(it.color, 4), true);
        StringGrid1->SetCell(r, 7, CellReal(it.thickness, 2, 7), true);
        StringGrid1->SetCell(r, 8, CellReal(it.edgePrice, 2, 8), true);
    }
    StringGrid1->SizeRows(thumbWidth, thumbHeight);
}

void TPalPfl::Edit1Change() { SearchCatalogueGrid(StringGrid1, Edit1->text().toStdString()); }

void TPalPfl::Button4Click() {
    const int r = StringGrid1->SelectedRow();
    if (N == 0 || r == 0) return;
    ViewCataloguePicture(StringGrid1->Cell(r, 4));
}

// ---- editing the catalogue ----

namespace {
// Reads the dialog's numbers in field order, stopping at the first bad one.
bool ReadEntryDialog(TAdaugaPalPfl* d, PalPflItem& it) {
    auto price = EntryReal(d->Edit3, "Pret/mp invalid.");
    if (!price) return false;
    auto thick = EntryReal(d->Edit5, "Grosime pal/pfl invalida.");
    if (!thick) return false;
    auto edge = EntryReal(d->Edit6, "Pret cant/ml invalid.");
    if (!edge) return false;
    it.description = d->Edit2->text().toStdString();
    it.price = *price;
    it.picture = d->Edit4->text().toStdString();
    it.color = d->PanelColor();
    it.thickness = *thick;
    it.edgePrice = *edge;
    return true;
}

bool CanEdit(bool loadedWhole) {
    // Writing back a catalogue read only in part would drop the rest of it.
    if (!loadedWhole) ShowError("Fisierul cu pal/pfl nu a fost citit complet; nu il pot modifica.");
    return loadedWhole;
}
} // namespace

bool TPalPfl::SaveAndReload(const std::string& selectCode) {
    const std::string err = WritePalPflCatalogue(CataloguePath(CatalogueFolder(), kPalPflFile), header_, items);
    if (!err.empty()) ShowError(err);
    LoadCatalogue();
    if (!SelectCode(selectCode)) StringGrid1->SelectRow(1);
    return err.empty();
}

void TPalPfl::Button1Click() {
    if (!CanEdit(loadedWhole)) return;
    TAdaugaPalPfl* d = Forms().AdaugaPalPfl;
    for (QLineEdit* e : {d->Edit1, d->Edit2, d->Edit3, d->Edit4, d->Edit5, d->Edit6}) e->clear();
    d->Edit1->setEnabled(true);
    d->SetColor(0xFFFFFF);
    if (d->exec() != QDialog::Accepted) return;
    PalPflItem it;
    it.code = CutCode(d->Edit1->text().toStdString());
    if (it.code.empty()) {
        ShowError("Cod pal/pfl invalid.");
        return;
    }
    if (FindCode(items, it.code) >= 0) {
        ShowWarning("Exista deja acest cod in lista.");
        SelectCode(it.code);
        return;
    }
    if (!ReadEntryDialog(d, it)) return;
    items.push_back(it);
    SaveAndReload(it.code);
}

void TPalPfl::Button2Click() {
    const int r = StringGrid1->SelectedRow();
    if (N == 0 || r == 0 || !CanEdit(loadedWhole)) return;
    PalPflItem& cur = items[static_cast<std::size_t>(r - 1)];
    TAdaugaPalPfl* d = Forms().AdaugaPalPfl;
    d->Edit1->setText(QString::fromStdString(cur.code));
    d->Edit1->setEnabled(false);
    d->Edit2->setText(QString::fromStdString(cur.description));
    d->Edit3->setText(QString::fromStdString(ShortestReal(cur.price)));
    d->Edit4->setText(QString::fromStdString(cur.picture));
    d->Edit5->setText(QString::fromStdString(ShortestReal(cur.thickness)));
    d->Edit6->setText(QString::fromStdString(ShortestReal(cur.edgePrice)));
    d->SetColor(cur.color);
    const int answer = d->exec();
    d->Edit1->setEnabled(true);
    if (answer != QDialog::Accepted) return;
    PalPflItem changed = cur;
    if (!ReadEntryDialog(d, changed)) return;
    cur = changed;
    const std::string code = cur.code; // the reload replaces the entries
    SaveAndReload(code);
}

void TPalPfl::Button3Click() {
    const int r = StringGrid1->SelectedRow();
    if (N == 0 || r == 0 || !CanEdit(loadedWhole)) return;
    const std::string code = items[static_cast<std::size_t>(r - 1)].code;
    if (ShowMessage(MsgKind::Warning, "Sterg \"" + code + "\" din lista ?", MsgButtons::YesNo) != MsgResult::Yes)
        return;
    items.erase(items.begin() + (r - 1));
    SaveAndReload(r <= static_cast<int>(items.size()) ? items[static_cast<std::size_t>(r - 1)].code : std::string());
}

} // namespace zv
