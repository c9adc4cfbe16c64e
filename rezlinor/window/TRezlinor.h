#pragma once
// The optimiser's window: the sheet settings at the left, the result at the
// right (the sheets drawn to scale, the cut sequence, the kept offcuts and the
// pieces), printing, PDF and the CSV cut list from the "Fisier" menu.
#include "core/Layout.h"
#include "core/Packer.h"

#include <QMainWindow>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QSettings;
class QTabWidget;
class QTableWidget;

namespace rz {

class SheetsView;

class TRezlinor : public QMainWindow {
public:
    // The settings are kept in `settingsFile` (an INI file) when one is named,
    // else in the user's settings for the program.
    explicit TRezlinor(const QString& settingsFile = {}, QWidget* parent = nullptr);
    ~TRezlinor() override;

    // Reads the pieces and lays them out with the settings shown; a bad file
    // gets its message and leaves what was shown before.
    bool OpenFile(const QString& path);
    // Lays out the pieces read with the settings in the fields.
    bool Optimize();
    bool SavePdf(const QString& path);
    bool SaveCsv(const QString& path);

    void SetPackOptions(const PackOptions& o) { packOptions_ = o; }
    const Layout& CurrentLayout() const { return layout_; }
    const std::vector<Piece>& Pieces() const { return pieces_; }
    bool HasLayout() const { return haveLayout_; }

    // Controls, named for the tests.
    QLineEdit* EditLength;
    QLineEdit* EditWidth;
    QLineEdit* EditKerf;
    QLineEdit* EditTrim;
    QCheckBox* CheckTurn;
    QLabel* LabelGrain; // the rule for the pieces when they may not turn
    QPushButton* ButtonOptimize;
    QLabel* LabelSheets;
    QLabel* LabelWaste;
    QLabel* LabelPieces;
    QLabel* LabelOversize; // the pieces left out: too large, too small
    QLabel* LabelSearch;   // said when the time limit stopped the search
    QTabWidget* Pages;
    SheetsView* Sheets;
    QTableWidget* GridCuts;
    QTableWidget* GridOffcuts;
    QTableWidget* GridPieces;
    QAction* ActOpen;
    QAction* ActPrint;
    QAction* ActPdf;
    QAction* ActCsv;
    QAction* ActExit;

private:
    void OpenClick();
    void PrintClick();
    void PdfClick();
    void CsvClick();
    void LoadSettings();
    void SaveSettings(const SheetSettings& s);
    // The settings typed in the fields, or nothing after the message.
    std::optional<SheetSettings> ReadSettings();
    void ShowLayout();
    void ClearLayout();
    QString Title() const;

    QSettings* settings_;
    QScrollArea* sheetsScroll_;
    QString fileName_;
    std::vector<Piece> pieces_;
    Layout layout_;
    SheetSettings layoutSettings_; // those the layout shown was made with
    bool haveLayout_ = false;
    PackOptions packOptions_;
};

} // namespace rz
