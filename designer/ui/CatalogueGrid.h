#pragma once
// The grid of the three catalogue windows (boards, hardware, a piece's
// hardware): a title row, entry rows as high as a thumbnail, the thumbnails
// copied from one strip and an optional colour swatch column. Rows are
// numbered as in the catalogue windows: 1..N for the entries.
#include <QImage>
#include <QTableWidget>
#include <functional>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;

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

} // namespace zv
