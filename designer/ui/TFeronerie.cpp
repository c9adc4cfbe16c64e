#include "TFeronerie.h"

#include "CatalogueGrid.h"
#include "Forms.h"
#include "TAdaugaFeronerie.h"
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
} // namespace

TFeronerie::TFeronerie(QWidget* parent) : FormBase<QDialog>(parent) {
    setObjectName("Feronerie");
    setWindowTitle("Feronerie");
    resize(800, 580);
    if (QScreen* s = QGuiApplication::primaryScreen()) move(s->availableGeometry().center() - rect().center());
    StringGrid1 = new CatalogueGrid({"Ncrt", "Cod", "Descriere", "Pret", "Fisier poza", "Poza"},
                                    {37, 79, 228, 63, 298, 64}, this);
    StringGrid1->setObjectName("StringGrid1");
    Button1 = Button(this, "Button1", "&Adaugare", "Adaugare element feronerie nou in lista");
    Button2 = Button(this, "Button2", "&Modificare", "Adaugare element feronerie nou in lista");
    Button3 = Button(this, "Button3", "S&tergere", "Stergere element feronerie curent din lista");
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

void TFeronerie::resizeEvent(QResizeEvent* e) {
    FormBase<QDialog>::resizeEvent(e);
    FormResize();
}

void TFeronerie::FormResize() {
    LayoutCatalogueWindow(this, StringGrid1, {Button1, Button2, Button3, Button4, BitBtn2, BitBtn1}, Label1, Edit1);
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

bool TFeronerie::SelectCode(const std::string& code) {
    const int i = FindCode(items, code);
    if (i < 0) return false;
    StringGrid1->SelectRow(i + 1);
    return true;
}

void TFeronerie::LoadCatalogue() {
    std::optional<LoadingNotice> notice(std::in_place);
    FeronerieCatalogue cat = ReadFeronerieCatalogue(CataloguePath(CatalogueFolder(), kFeronerieFile));
    if (cat.status == CatalogueStatus::NotFound) {
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
        StringGrid1->FreeThumbnails();
        notice.reset();
        ShowError(cat.Message());
        return;
    }
    std::vector<std::string> pictures;
    for (const FeronerieItem& it : items) pictures.push_back(it.picture);
    StringGrid1->SetThumbnails(BuildThumbnailStrip(pictures, thumbWidth, thumbHeight), thumbWidth, thumbHeight);
}

void TFeronerie::SortByCode() { zv::SortByCode(items); }

void TFeronerie::FillRows() {
    N = static_cast<int>(items.size());
    StringGrid1->SetEntryCount(N);
    for (int r = 1; r <= N; ++r) {
        const FeronerieItem& it = items[static_cast<std::size_t>(r - 1)];
        StringGrid1->SetCell(r, 0, CellInt(r, 4), true);
        StringGrid1->SetCell(r, 1, it.code);
        StringGrid1->SetCell(r, 2, it.description);
        StringGrid1->SetCell(r, 3, CellReal(it.price, 2, 7), true);
        StringGrid1->SetCell(r, 4, it.picture);
        StringGrid1->SetCell(r, 5, "");
    }
    StringGrid1->SizeRows(thumbWidth, thumbHeight);
}

void TFeronerie::Edit1Change() { SearchCatalogueGrid(StringGrid1, Edit1->text().toStdString()); }

void TFeronerie::Button4Click() {
    const int r = StringGrid1->SelectedRow();
    if (N == 0 || r == 0) return;
    ViewCataloguePicture(StringGrid1->Cell(r, 4));
}

// ---- editing the catalogue ----

namespace {
bool CanEdit(bool loadedWhole) {
    // Writing back a catalogue read only in part would drop the rest of it.
    if (!loadedWhole) ShowError("Fisierul cu feronerie nu a fost citit complet; nu il pot modifica.");
    return loadedWhole;
}

bool ReadEntryDialog(TAdaugaFeronerie* d, FeronerieItem& it) {
    auto price = ParseRealDot(RemoveBlanks(d->Edit3->text().toStdString()));
    if (!price) {
        ShowError("Pret feronerie invalid.");
        return false;
    }
    it.description = d->Edit2->text().toStdString();
    it.price = *price;
    it.picture = d->Edit4->text().toStdString();
    return true;
}
} // namespace

void TFeronerie::SaveAndReload(const std::string& selectCode) {
    const std::string err = WriteFeronerieCatalogue(CataloguePath(CatalogueFolder(), kFeronerieFile), header_, items);
    if (!err.empty()) ShowError(err);
    LoadCatalogue();
    if (!SelectCode(selectCode)) StringGrid1->SelectRow(1);
}

void TFeronerie::Button1Click() {
    if (!CanEdit(loadedWhole)) return;
    TAdaugaFeronerie* d = Forms().AdaugaFeronerie;
    for (QLineEdit* e : {d->Edit1, d->Edit2, d->Edit3, d->Edit4}) e->clear();
    d->Edit1->setEnabled(true);
    if (d->exec() != QDialog::Accepted) return;
    FeronerieItem it;
    it.code = CutCode(d->Edit1->text().toStdString());
    if (it.code.empty()) {
        ShowError("Cod feronerie invalid.");
        return;
    }
    if (FindCode(items, it.code) >= 0) {
        ShowWarning("Exista deja acest element de feronerie in lista.");
        SelectCode(it.code);
        return;
    }
    if (!ReadEntryDialog(d, it)) return;
    items.push_back(it);
    SaveAndReload(it.code);
}

void TFeronerie::Button2Click() {
    const int r = StringGrid1->SelectedRow();
    if (N == 0 || r == 0 || !CanEdit(loadedWhole)) return;
    FeronerieItem& cur = items[static_cast<std::size_t>(r - 1)];
    TAdaugaFeronerie* d = Forms().AdaugaFeronerie;
    d->Edit1->setText(QString::fromStdString(cur.code));
    d->Edit1->setEnabled(false);
    d->Edit2->setText(QString::fromStdString(cur.description));
    d->Edit3->setText(QString::fromStdString(ShortestReal(cur.price)));
    d->Edit4->setText(QString::fromStdString(cur.picture));
    const int answer = d->exec();
    d->Edit1->setEnabled(true);
    if (answer != QDialog::Accepted) return;
    FeronerieItem changed = cur;
    if (!ReadEntryDialog(d, changed)) return;
    cur = changed;
    const std::string code = cur.code; // the reload replaces the entries
    SaveAndReload(code);
}

void TFeronerie::Button3Click() {
    const int r = StringGrid1->SelectedRow();
    if (N == 0 || r == 0 || !CanEdit(loadedWhole)) return;
    const std::string code = items[static_cast<std::size_t>(r - 1)].code;
    if (ShowMessage(MsgKind::Warning, "Sterg \"" + code + "\" din lista ?", MsgButtons::YesNo) != MsgResult::Yes)
        return;
    items.erase(items.begin() + (r - 1));
    SaveAndReload(r <= static_cast<int>(items.size()) ? items[static_cast<std::size_t>(r - 1)].code : std::string());
}

} // namespace zv
