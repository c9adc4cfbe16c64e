#include "platform/widgets/Modal.h"
#include "TFeroneriePiesa.h"

#include "Forms.h"
#include "TFeronerie.h"
#include "TMain.h"
#include "platform/Numbers.h"

namespace zv {

namespace {
constexpr Color kGridBackground = 12713983; // light yellow
} // namespace

TFeroneriePiesa::TFeroneriePiesa(QWidget* parent) : CatalogueWindow(parent) {
    PlaceCatalogueWindow(this, "FeroneriePiesa", "Feronerie piesa");
    StringGrid1 = new CatalogueGrid({"Ncrt", "Cod", "Descriere", "Pret", "Fisier poza", "Poza", "Buc."},
                                    {37, 79, 204, 63, 296, 64, 36}, this);
    QPalette pal = StringGrid1->palette();
    pal.setColor(QPalette::Base, ToQColor(kGridBackground));
    StringGrid1->setPalette(pal);
    MakeCatalogueControls(this, {.hint1 = "Adaugare element feronerie nou in lista",
                                 .button2 = "&Modificare nr. bucati",
                                 .hint3 = "Stergere element feronerie curent din lista"});
}

PieceHardware* TFeroneriePiesa::CurrentHardware() const {
    TMain* m = Forms().Main;
    if (!m) return nullptr;
    const int p = m->model.scene.current;
    if (!m->model.scene.ValidPiece(p)) return nullptr;
    return &m->model.attrs.hardware[static_cast<std::size_t>(p)];
}

std::string TFeroneriePiesa::RemoveSpaces(const std::string& s) {
    std::string out;
    for (char c : s)
        if (c != ' ') out += c;
    return out;
}

void TFeroneriePiesa::FormShow() {
    std::string name;
    if (TMain* m = Forms().Main) {
        const int p = m->model.scene.current;
        if (p >= 0 && p < static_cast<int>(m->model.pieceNames.size()))
            name = m->model.pieceNames[static_cast<std::size_t>(p)];
    }
    setWindowTitle(QString::fromStdString("Feronerie \"" + name + "\""));
    StringGrid1->SetEntryCount(0);
    auto header = ReadCatalogueHeader(CataloguePath(CatalogueFolder(), kFeronerieFile));
    if (!header) {
        ShowError(kCatalogueNotFound);
        return;
    }
    thumbWidth = header->thumbWidth;
    thumbHeight = header->thumbHeight;
    LoadPieceHardware();
    StringGrid1->SelectRow(1);
}

void TFeroneriePiesa::FormHide() { StringGrid1->FreeThumbnails(); }

void TFeroneriePiesa::FindCatalogueItem(const std::string& code, std::string& description, std::string& picture,
                                        double& price) const {
    description.clear();
    picture.clear();
    price = 0;
    const int i = FindCode(catalogue_.items, code);
    if (i < 0) return;
    const FeronerieItem& it = catalogue_.items[static_cast<std::size_t>(i)];
    description = it.description;
    picture = it.picture;
    price = it.price;
}

void TFeroneriePiesa::LoadPieceHardware() {
    std::optional<LoadingNotice> notice(std::in_place);
    PieceHardware* hw = CurrentHardware();
    const int k = hw ? hw->Count() : 0;
    // One reading of the catalogue serves every code of the list.
    catalogue_ = ReadFeronerieCatalogue(CataloguePath(CatalogueFolder(), kFeronerieFile));
    if (catalogue_.status != CatalogueStatus::NotFound) {
        thumbWidth = catalogue_.header.thumbWidth;
        thumbHeight = catalogue_.header.thumbHeight;
    }

    std::vector<std::string> codes;
    for (int i = 0; i < k; ++i) codes.push_back(hw->At(i).code);
    const std::vector<std::size_t> order = SortOrderByCode(codes);
    StringGrid1->SetEntryCount(k);
    std::vector<std::string> pictures;
    for (int r = 1; r <= k; ++r) {
        const HardwareEntry& e = hw->At(static_cast<int>(order[static_cast<std::size_t>(r - 1)]));
        std::string description, picture;
        double price = 0;
        FindCatalogueItem(e.code, description, picture, price);
        SetCatalogueRow(StringGrid1, r, e.code, description, price, picture);
        StringGrid1->SetCell(r, 6, CellInt(e.quantity, 4), true);
        pictures.push_back(picture);
    }
    StringGrid1->SizeRows(thumbWidth, thumbHeight);
    StringGrid1->SetThumbnails(BuildThumbnailStrip(pictures, thumbWidth, thumbHeight), thumbWidth, thumbHeight);
    notice.reset();
    // One message for the whole list, and only when a code was looked up.
    if (k > 0 && !catalogue_.ok()) ShowError(catalogue_.Message());
}

bool TFeroneriePiesa::SelectRowByCode(const std::string& code) {
    for (int r = 1; r <= StringGrid1->EntryCount(); ++r)
        if (StringGrid1->Cell(r, 1) == code) {
            StringGrid1->SelectRow(r);
            return true;
        }
    return false;
}

void TFeroneriePiesa::Changed() {
    // No undo snapshot for hardware, but the furniture now needs saving.
    if (TMain* m = Forms().Main) m->SetModified(true);
}

void TFeroneriePiesa::Button1Click() {
    PieceHardware* hw = CurrentHardware();
    if (!hw) return;
    if (hw->Full()) {
        ShowWarning("Lista de feronerie a piesei este plina (" + std::to_string(kMaxHardware) + " elemente).");
        return;
    }
    TFeronerie* cat = Forms().Feronerie;
    cat->BitBtn2->show();
    if (RunModal(*cat) != QDialog::Accepted || cat->N == 0) return;
    const std::string c = CutCode(cat->SelectedCode());
    if (c.empty()) return;
    if (SelectRowByCode(c)) {
        ShowWarning("Exista deja acest element de feronerie in lista.");
        return;
    }
    if (!hw->Add(c, 1)) return;
    Changed();
    LoadPieceHardware();
    if (SelectRowByCode(c)) Button2Click();
}

void TFeroneriePiesa::Button2Click() {
    PieceHardware* hw = CurrentHardware();
    const int r = StringGrid1->SelectedRow();
    if (!hw || hw->Count() == 0 || r == 0) return;
    const std::string code = StringGrid1->Cell(r, 1);
    const std::string current = RemoveSpaces(StringGrid1->Cell(r, 6));
    const auto answer = InputBox(code, "Bucati feronerie:", current);
    if (!answer) return; // cancelled: the quantity stays
    const auto v = ParseInt(*answer);
    if (!v) {
        ShowError("Numar bucati feronerie invalid.");
        return;
    }
    const int i = hw->Find(code);
    if (i < 0) return;
    if (hw->At(i).quantity != *v) Changed();
    hw->At(i).quantity = *v;
    StringGrid1->SetCell(r, 6, CellInt(*v, 4), true);
}

void TFeroneriePiesa::Button3Click() {
    PieceHardware* hw = CurrentHardware();
    const int r = StringGrid1->SelectedRow();
    if (!hw || hw->Count() == 0 || r == 0) return;
    const std::string code = StringGrid1->Cell(r, 1);
    if (ShowMessage(MsgKind::Warning, "Sterg \"" + code + "\" din lista ?", MsgButtons::YesNo) == MsgResult::No) return;
    DeleteCurrentItem();
}

void TFeroneriePiesa::DeleteCurrentItem() {
    PieceHardware* hw = CurrentHardware();
    const int r = StringGrid1->SelectedRow();
    if (!hw || r == 0) return;
    const int i = hw->Find(StringGrid1->Cell(r, 1));
    if (i < 0) return;
    hw->RemoveAt(i);
    Changed();
    LoadPieceHardware();
    StringGrid1->SelectRow(std::min(r, StringGrid1->EntryCount()));
}

} // namespace zv
