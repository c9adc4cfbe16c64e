#include "platform/widgets/Modal.h"
#include "CatalogueGrid.h"

#include "Forms.h"
#include "TIncarcDate.h"
#include "TMain.h"
#include "TVizualizarePoza.h"
#include "catalog/Catalogue.h"
#include "catalog/Thumbnails.h"
#include "platform/Numbers.h"

#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QFontDatabase>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>

namespace zv {

class CatalogueGridDelegate : public QStyledItemDelegate {
public:
    explicit CatalogueGridDelegate(CatalogueGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyledItemDelegate::paint(p, option, index);
        const QRect cell = option.rect;
        if (index.column() == grid_->thumbColumn && !grid_->strip_.isNull()) {
            const int slot = index.row();
            const QRect src(slot * grid_->thumbW_, 0, grid_->thumbW_, grid_->thumbH_);
            if (src.right() < grid_->strip_.width()) p->drawImage(cell, grid_->strip_, src);
        } else if (index.column() == grid_->swatchColumn) {
            // Text that is not a number gets black, as the chooser reads it as 0.
            const Color c = CellToColor(index.data().toString().toStdString(), 0);
            p->fillRect(cell, ToQColor(c));
        }
    }

private:
    CatalogueGrid* grid_;
};

CatalogueGrid::CatalogueGrid(const std::vector<const char*>& titles, const std::vector<int>& widths, QWidget* parent)
    : QTableWidget(parent) {
    setColumnCount(static_cast<int>(titles.size()));
    QStringList t;
    for (const char* s : titles) t << s;
    setHorizontalHeaderLabels(t);
    for (std::size_t i = 0; i < widths.size(); ++i) setColumnWidth(static_cast<int>(i), widths[i]);
    QFont f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    f.setPointSize(8);
    setFont(f);
    verticalHeader()->hide();
    horizontalHeader()->setFixedHeight(20);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setItemDelegate(new CatalogueGridDelegate(this));
    // The code column shows a whole code of 10 characters in this font.
    if (columnCount() > 1)
        setColumnWidth(1, std::max(columnWidth(1), QFontMetrics(f).horizontalAdvance(QString(10, 'M')) + 8));
}

void CatalogueGrid::SetEntryCount(int n) { setRowCount(std::max(0, n)); }

std::string CatalogueGrid::Cell(int row, int col) const {
    const QTableWidgetItem* it = item(row - 1, col);
    if (!it) return {};
    // The bytes as read: a code that is not valid UTF-8 still compares equal.
    const QByteArray raw = it->data(Qt::UserRole).toByteArray();
    return raw.toStdString();
}

void CatalogueGrid::SetCell(int row, int col, const std::string& text, bool rightAligned) {
    auto* it = item(row - 1, col);
    if (!it) {
        it = new QTableWidgetItem;
        setItem(row - 1, col, it);
    }
    it->setText(QString::fromStdString(text));
    it->setData(Qt::UserRole, QByteArray::fromStdString(text));
    it->setTextAlignment(rightAligned ? (Qt::AlignRight | Qt::AlignVCenter) : (Qt::AlignLeft | Qt::AlignVCenter));
}

int CatalogueGrid::SelectedRow() const {
    const int r = currentRow();
    return r >= 0 && r < rowCount() ? r + 1 : 0;
}

void CatalogueGrid::SelectRow(int row) {
    if (row < 1 || row > rowCount()) return;
    setCurrentCell(row - 1, 0);
    selectRow(row - 1);
}

std::vector<std::string> CatalogueGrid::Column(int col) const {
    std::vector<std::string> out;
    for (int r = 1; r <= rowCount(); ++r) out.push_back(Cell(r, col));
    return out;
}

void CatalogueGrid::SetThumbnails(QImage strip, int thumbW, int thumbH) {
    strip_ = std::move(strip);
    thumbW_ = thumbW;
    thumbH_ = thumbH;
    viewport()->update();
}

void CatalogueGrid::SizeRows(int thumbW, int thumbH) {
    setColumnWidth(thumbColumn, thumbW);
    for (int r = 0; r < rowCount(); ++r) setRowHeight(r, thumbH);
}

void CatalogueGrid::mouseDoubleClickEvent(QMouseEvent* e) {
    QTableWidget::mouseDoubleClickEvent(e);
    if (onDoubleClick && itemAt(e->position().toPoint())) onDoubleClick();
}

void LayoutCatalogueWindow(QWidget* window, CatalogueGrid* grid, const std::vector<QPushButton*>& buttons,
                           QLabel* searchLabel, QLineEdit* search) {
    const int w = window->width();
    const int gridH = std::max(0, window->height() - 40);
    grid->setGeometry(0, 0, w, gridH);
    int x = 8;
    auto place = [&](QWidget* c, int top, int width) {
        c->setGeometry(x, gridH + top, width, c == search ? 21 : (c == searchLabel ? 16 : 25));
        x += width + 6;
    };
    // The search sits after the first four buttons; the rest follow it.
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (i == 4 && searchLabel) {
            x += 6;
            place(searchLabel, 14, searchLabel->sizeHint().width());
            place(search, 9, 90);
            x += 6;
        }
        place(buttons[i], 7, std::max(75, buttons[i]->sizeHint().width()));
    }
}

void SearchCatalogueGrid(CatalogueGrid* grid, const std::string& text) {
    if (grid->EntryCount() == 0) return;
    grid->SelectRow(1);
    if (text.empty()) return;
    grid->setUpdatesEnabled(false);
    const std::size_t i = FindCodePrefix(grid->Column(1), text);
    grid->SelectRow(static_cast<int>(i) + 1);
    grid->setUpdatesEnabled(true);
}

bool ViewCataloguePicture(const std::string& file, int* picked) {
    TVizualizarePoza* viewer = Forms().VizualizarePoza;
    if (!viewer) return false;
    QImage img;
    if (!LoadCataloguePicture(file, img)) return false;
    viewer->LoadPicture(img);
    RunModal(*viewer);
    if (picked) *picked = viewer->PickedColor;
    return true;
}

LoadingNotice::LoadingNotice() {
    if (TIncarcDate* n = Forms().IncarcDate) n->ShowNow();
}

LoadingNotice::~LoadingNotice() {
    if (TIncarcDate* n = Forms().IncarcDate) n->hide();
}

std::string CatalogueFolder() {
    if (Forms().Main && !Forms().Main->startupFolder.empty()) return Forms().Main->startupFolder;
    return QDir::currentPath().toStdString();
}

QPushButton* CatalogueButton(QWidget* parent, const char* name, const char* text, const char* hint) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    if (hint) b->setToolTip(hint);
    b->setAutoDefault(false);
    return b;
}

void PlaceCatalogueWindow(QWidget* window, const char* name, const char* title) {
    window->setObjectName(name);
    window->setWindowTitle(title);
    window->resize(800, 580);
    if (QScreen* s = QGuiApplication::primaryScreen())
        window->move(s->availableGeometry().center() - window->rect().center());
}

void SetCatalogueRow(CatalogueGrid* grid, int row, const std::string& code, const std::string& description,
                     double price, const std::string& picture) {
    grid->SetCell(row, 0, CellInt(row, 4), true);
    grid->SetCell(row, 1, code);
    grid->SetCell(row, 2, description);
    grid->SetCell(row, 3, CellReal(price, 2, 7), true);
    grid->SetCell(row, 4, picture);
    grid->SetCell(row, 5, "");
}

void ViewSelectedPicture(CatalogueGrid* grid) {
    const int r = grid->SelectedRow();
    if (grid->EntryCount() == 0 || r == 0) return;
    ViewCataloguePicture(grid->Cell(r, 4));
}

std::optional<double> ReadEntryReal(QLineEdit* e, const char* error) {
    auto v = ParseRealDot(RemoveBlanks(e->text().toStdString()));
    if (!v) {
        ShowError(error);
        e->setFocus();
    }
    return v;
}

bool CanEditCatalogue(bool loadedWhole, const char* message) {
    if (!loadedWhole) ShowError(message);
    return loadedWhole;
}

} // namespace zv
