#pragma once
// The grid of the three catalogue windows (boards, hardware, a piece's
// hardware): a title row, entry rows as high as a thumbnail, the thumbnails
// copied from one strip and an optional colour swatch column. Rows are
// numbered as in the catalogue windows: 1..N for the entries. Below it, what
// those windows share: their base, controls, loading and editing.
#include "platform/widgets/Modal.h"
#include "catalog/Catalogue.h"
#include "catalog/Thumbnails.h"
#include "platform/Dialogs.h"
#include "platform/Text.h"
#include "platform/widgets/FormBase.h"

#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zv {

class CatalogueGrid : public QTableWidget {
    Q_OBJECT
public:
    CatalogueGrid(const std::vector<const char*>& titles, const std::vector<int>& widths, QWidget* parent = nullptr);

    // Entry rows (the title row is not counted).
    int EntryCount() const { return rowCount(); }
    void SetEntryCount(int n);
    std::string Cell(int row, int col) const;
    void SetCell(int row, int col, const std::string& text, bool rightAligned = false);
    // 1..N, 0 when nothing is selected.
    int SelectedRow() const;
    void SelectRow(int row);
    // Codes of column 1, rows 1..N.
    std::vector<std::string> Column(int col) const;

    // The thumbnails: one slot of thumbW x thumbH per row, painted over the
    // column `thumbColumn`, stretched when the user resized it.
    void SetThumbnails(QImage strip, int thumbW, int thumbH);
    void FreeThumbnails() { strip_ = QImage(); }
    const QImage& Strip() const { return strip_; }
    int thumbColumn = 5;
    // Column painted as a swatch of the colour its text holds; -1 for none.
    int swatchColumn = -1;
    // Size of the rows and the thumbnail column.
    void SizeRows(int thumbW, int thumbH);

    std::function<void()> onDoubleClick;

protected:
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    friend class CatalogueGridDelegate;
    QImage strip_;
    int thumbW_ = 0, thumbH_ = 0;
};

// The button band under the grid: buttons 7 pixels below it, the search
// field 9 and its label 14; the grid fills the rest of the window.
void LayoutCatalogueWindow(QWidget* window, CatalogueGrid* grid, const std::vector<QPushButton*>& buttons,
                           QLabel* searchLabel, QLineEdit* search);

// "Cauta cod:": selects row 1, then the first row whose code is not below
// the typed prefix (letter case ignored); nothing for an empty grid.
void SearchCatalogueGrid(CatalogueGrid* grid, const std::string& text);

// Shows the picture of `file` in the viewer sized to it; false (nothing
// shown) when it is missing or unreadable. `picked` gets the viewer's colour.
bool ViewCataloguePicture(const std::string& file, int* picked = nullptr);

// The loading notice, shown and painted at once while a catalogue loads.
class LoadingNotice {
public:
    LoadingNotice();
    ~LoadingNotice();
    LoadingNotice(const LoadingNotice&) = delete;
    LoadingNotice& operator=(const LoadingNotice&) = delete;
};

// The start-up folder the catalogues are read from (the current folder
// before the main window has recorded it).
std::string CatalogueFolder();

// ---- the parts the three catalogue windows share ----

// A command button; Enter in the search field must not start it: only
// "&Selecteaza" is the OK button.
QPushButton* CatalogueButton(QWidget* parent, const char* name, const char* text, const char* hint = nullptr);

// Name, title, 800 x 580 and centred on the screen.
void PlaceCatalogueWindow(QWidget* window, const char* name, const char* title);

// The texts that differ between the windows' first three buttons.
struct CatalogueButtonTexts {
    const char* hint1 = nullptr;
    const char* button2 = "&Modificare";
    const char* hint2 = nullptr;
    const char* hint3 = nullptr;
};

// Makes the buttons, the search and the closing button of window `w` under
// its grid (already made, so that it comes first in the tab order) and wires
// them to the window's handlers.
template <class W> void MakeCatalogueControls(W* w, const CatalogueButtonTexts& t) {
    w->StringGrid1->setObjectName("StringGrid1");
    w->Button1 = CatalogueButton(w, "Button1", "&Adaugare", t.hint1);
    w->Button2 = CatalogueButton(w, "Button2", t.button2, t.hint2);
    w->Button3 = CatalogueButton(w, "Button3", "S&tergere", t.hint3);
    w->Button4 = CatalogueButton(w, "Button4", "&Vizualizare poza");
    w->Label1 = new QLabel("Cauta cod:", w);
    w->Label1->setObjectName("Label1");
    w->Edit1 = new QLineEdit(w);
    w->Edit1->setObjectName("Edit1");
    w->Edit1->setMaxLength(10);
    if constexpr (requires { w->BitBtn2; }) {
        w->BitBtn2 = CatalogueButton(w, "BitBtn2", "&Selecteaza");
        w->BitBtn2->setDefault(true);
        w->BitBtn2->hide();
        QObject::connect(w->BitBtn2, &QPushButton::clicked, w, &QDialog::accept);
    }
    w->BitBtn1 = CatalogueButton(w, "BitBtn1", "&Inchide fereastra");

    QObject::connect(w->Button1, &QPushButton::clicked, w, [w] { w->Button1Click(); });
    QObject::connect(w->Button2, &QPushButton::clicked, w, [w] { w->Button2Click(); });
    QObject::connect(w->Button3, &QPushButton::clicked, w, [w] { w->Button3Click(); });
    QObject::connect(w->Button4, &QPushButton::clicked, w, [w] { w->Button4Click(); });
    QObject::connect(w->Edit1, &QLineEdit::textChanged, w, [w] { w->Edit1Change(); });
    QObject::connect(w->BitBtn1, &QPushButton::clicked, w, &QDialog::reject);
    w->StringGrid1->onDoubleClick = [w] { w->StringGrid1DblClick(); };
    w->FormResize();
}

// LayoutCatalogueWindow over the controls of `w`, "&Selecteaza" included where it has one.
template <class W> void LayoutCatalogueControls(W* w) {
    std::vector<QPushButton*> buttons{w->Button1, w->Button2, w->Button3, w->Button4};
    if constexpr (requires { w->BitBtn2; }) buttons.push_back(w->BitBtn2);
    buttons.push_back(w->BitBtn1);
    LayoutCatalogueWindow(w, w->StringGrid1, buttons, w->Label1, w->Edit1);
}

// Columns 0..5 of an entry row: number, code, description, price, picture file
// and the empty cell the thumbnail is painted over.
void SetCatalogueRow(CatalogueGrid* grid, int row, const std::string& code, const std::string& description,
                     double price, const std::string& picture);

// "&Vizualizare poza": the picture of the selected row; nothing without one.
void ViewSelectedPicture(CatalogueGrid* grid);

// Selects the row of the first entry whose code equals `code` exactly; false when none.
template <class Item>
bool SelectCatalogueCode(CatalogueGrid* grid, const std::vector<Item>& items, const std::string& code) {
    const int i = FindCode(items, code);
    if (i < 0) return false;
    grid->SelectRow(i + 1);
    return true;
}

// Base of the three catalogue windows: the controls follow the window's size.
class CatalogueWindow : public FormBase<QDialog> {
public:
    using FormBase<QDialog>::FormBase;
    virtual void FormResize() = 0;

protected:
    void resizeEvent(QResizeEvent* e) override {
        FormBase<QDialog>::resizeEvent(e);
        FormResize();
    }
};

// The controls of every catalogue window, named as the windows name them.
struct CatalogueControls {
    CatalogueGrid* StringGrid1 = nullptr;
    // "&Adaugare", "&Modificare", "S&tergere", "&Vizualizare poza"
    QPushButton *Button1 = nullptr, *Button2 = nullptr, *Button3 = nullptr, *Button4 = nullptr;
    QLabel* Label1 = nullptr; // "Cauta cod:"
    QLineEdit* Edit1 = nullptr;
    QPushButton* BitBtn1 = nullptr; // "&Inchide fereastra"
    int thumbWidth = 0, thumbHeight = 0;

    static bool IsBmpFile(const std::string& name) { return zv::IsBmpFile(name); }
    void Edit1Change() { SearchCatalogueGrid(StringGrid1, Edit1->text().toStdString()); }
    void Button4Click() { ViewSelectedPicture(StringGrid1); }
    void StringGrid1DblClick() { Button4Click(); }
};

// What the two catalogue browsers (boards, hardware) add: the chooser's
// button and the entries as the grid shows them (sorted); editing works on these.
template <class Item> struct CatalogueBrowserParts : CatalogueControls {
    QPushButton* BitBtn2 = nullptr; // "&Selecteaza", shown only while choosing
    int N = 0;
    std::vector<Item> items;
    // Whether the last load read the whole file: only then may it be written back.
    bool loadedWhole = false;

    void SortByCode() { zv::SortByCode(items); }
    // Selects the first row whose code equals `code` exactly; false when none.
    bool SelectCode(const std::string& code) { return SelectCatalogueCode(StringGrid1, items, code); }
};

// Rows 1..N of a browser from its entries; `extra(row, item)` fills the columns
// after the thumbnail.
struct NoExtraColumns {
    template <class Item> void operator()(int, const Item&) const {}
};
template <class W, class Extra> void FillCatalogueRows(W* w, Extra extra) {
    w->N = static_cast<int>(w->items.size());
    w->StringGrid1->SetEntryCount(w->N);
    for (int r = 1; r <= w->N; ++r) {
        const auto& it = w->items[static_cast<std::size_t>(r - 1)];
        SetCatalogueRow(w->StringGrid1, r, it.code, it.description, it.price, it.picture);
        extra(r, it);
    }
    w->StringGrid1->SizeRows(w->thumbWidth, w->thumbHeight);
}

// Reads the catalogue `file` into a browser. A file not found leaves the rows
// of the last good load for the look-ups; a file read in part shows the rows
// read before the fault, unsorted and without thumbnails. `header` is what the
// browser writes back; `extra` as for FillCatalogueRows.
template <class W, class Extra = NoExtraColumns>
void LoadCatalogueWindow(W* w, const char* file, CatalogueHeader& header, Extra extra = {}) {
    using Item = typename decltype(w->items)::value_type;
    std::optional<LoadingNotice> notice(std::in_place);
    CatalogueFile<Item> cat = ReadCatalogue<Item>(CataloguePath(CatalogueFolder(), file));
    if (cat.status == CatalogueStatus::NotFound) {
        w->StringGrid1->FreeThumbnails();
        w->loadedWhole = false;
        notice.reset();
        ShowError(cat.Message());
        return;
    }
    header = cat.header;
    w->thumbWidth = cat.header.thumbWidth;
    w->thumbHeight = cat.header.thumbHeight;
    w->items = std::move(cat.items);
    w->loadedWhole = cat.ok();
    if (w->loadedWhole) w->SortByCode();
    FillCatalogueRows(w, extra);
    if (!w->loadedWhole) {
        w->StringGrid1->FreeThumbnails();
        notice.reset();
        ShowError(cat.Message());
        return;
    }
    std::vector<std::string> pictures;
    for (const Item& it : w->items) pictures.push_back(it.picture);
    w->StringGrid1->SetThumbnails(BuildThumbnailStrip(pictures, w->thumbWidth, w->thumbHeight), w->thumbWidth,
                                  w->thumbHeight);
}

// ---- editing a browser's catalogue ----

// Writing back a catalogue read only in part would drop the rest of it:
// false, after `message`, when the last load was not whole.
bool CanEditCatalogue(bool loadedWhole, const char* message);

// Writes the entries back, reloads and selects `selectCode` (row 1 when it
// is gone); false when the writing failed.
template <class W>
bool SaveAndReloadCatalogue(W* w, const char* file, const CatalogueHeader& header, const std::string& selectCode) {
    const std::string err = WriteCatalogue(CataloguePath(CatalogueFolder(), file), header, w->items);
    if (!err.empty()) ShowError(err);
    w->LoadCatalogue();
    if (!w->SelectCode(selectCode)) w->StringGrid1->SelectRow(1);
    return err.empty();
}

// The entry of the selected row, for "&Modificare" and "S&tergere"; null
// without one, and, after `cannotEdit`, when the catalogue may not be written.
template <class W> auto EditableSelectedEntry(W* w, const char* cannotEdit) -> decltype(w->items.data()) {
    const int r = w->StringGrid1->SelectedRow();
    if (w->N == 0 || r == 0 || !CanEditCatalogue(w->loadedWhole, cannotEdit)) return nullptr;
    return &w->items[static_cast<std::size_t>(r - 1)];
}

// A number typed into an entry dialog, blanks dropped as the readers drop
// them; not a number: `error` is shown and the field gets the focus, with
// its text as typed.
std::optional<double> ReadEntryReal(QLineEdit* e, const char* error);

// "&Adaugare" once the entry dialog `d` was prepared: OK closes it only with
// a valid code not yet listed and valid other fields (`readEntry(d, item)`,
// false after its own message); otherwise the message is shown and the dialog
// stays open with what was typed. `save(code)` stores the new entry.
template <class W, class D, class Read, class Save>
void AddCatalogueEntry(W* w, D* d, const char* badCode, const char* exists, Read readEntry, Save save) {
    typename decltype(w->items)::value_type it;
    auto check = [&] {
        typename decltype(w->items)::value_type typed;
        typed.code = CutCode(d->Edit1->text().toStdString());
        if (typed.code.empty()) {
            ShowError(badCode);
        } else if (FindCode(w->items, typed.code) >= 0) {
            ShowWarning(exists);
        } else {
            if (!readEntry(d, typed)) return false;
            it = typed;
            return true;
        }
        d->Edit1->setFocus();
        return false;
    };
    d->validate = check;
    const int answer = RunModal(*d);
    d->validate = nullptr;
    if (answer != QDialog::Accepted || !check()) return;
    w->items.push_back(it);
    save(it.code);
}

// The four fields every entry dialog starts with; the code cannot be changed.
template <class D, class Item> void ShowEntryInDialog(D* d, const Item& cur) {
    d->Edit1->setText(QString::fromStdString(cur.code));
    d->Edit1->setEnabled(false);
    d->Edit2->setText(QString::fromStdString(cur.description));
    d->Edit3->setText(QString::fromStdString(ShortestReal(cur.price)));
    d->Edit4->setText(QString::fromStdString(cur.picture));
}

// "&Modificare" once `d` shows entry `cur`: OK closes it only with valid
// fields (as for AddCatalogueEntry); then the entry is changed and stored.
template <class D, class Item, class Read, class Save>
void ChangeCatalogueEntry(D* d, Item& cur, Read readEntry, Save save) {
    Item changed = cur;
    auto check = [&] {
        Item typed = cur;
        if (!readEntry(d, typed)) return false;
        changed = typed;
        return true;
    };
    d->validate = check;
    const int answer = RunModal(*d);
    d->validate = nullptr;
    d->Edit1->setEnabled(true);
    if (answer != QDialog::Accepted || !check()) return;
    cur = changed;
    const std::string code = cur.code; // the reload replaces the entries
    save(code);
}

// "S&tergere": asks, removes the selected entry and stores, selecting the
// entry that took its place.
template <class W, class Save> void DeleteCatalogueEntry(W* w, const char* cannotEdit, Save save) {
    const auto* entry = EditableSelectedEntry(w, cannotEdit);
    if (!entry) return;
    const std::string code = entry->code;
    const int r = w->StringGrid1->SelectedRow();
    if (ShowMessage(MsgKind::Warning, "Sterg \"" + code + "\" din lista ?", MsgButtons::YesNo) != MsgResult::Yes)
        return;
    w->items.erase(w->items.begin() + (r - 1));
    save(r <= static_cast<int>(w->items.size()) ? w->items[static_cast<std::size_t>(r - 1)].code : std::string());
}

} // namespace zv
