#pragma once
#include "catalog/Catalogue.h"
#include "platform/widgets/FormBase.h"

#include <QDialog>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;

namespace zv {

class CatalogueGrid;

// The hardware catalogue "feron.dat": browsing, code search, pictures, the
// chooser of the piece hardware list, and the editing of the catalogue itself.
class TFeronerie : public FormBase<QDialog> {
    Q_OBJECT
public:
    explicit TFeronerie(QWidget* parent = nullptr);

    CatalogueGrid* StringGrid1;
    QPushButton *Button1, *Button2, *Button3, *Button4; // "&Adaugare", "&Modificare", "S&tergere", "&Vizualizare poza"
    QLabel* Label1;                                     // "Cauta cod:"
    QLineEdit* Edit1;
    QPushButton* BitBtn2; // "&Selecteaza", shown only while choosing
    QPushButton* BitBtn1; // "&Inchide fereastra"

    int N = 0;
    int thumbWidth = 0, thumbHeight = 0;
    std::vector<FeronerieItem> items; // as the grid shows them
    bool loadedWhole = false;

    void FormShow() override;
    void FormHide() override;
    void FormResize();
    void LoadCatalogue();
    void SortByCode();
    static bool IsBmpFile(const std::string& name) { return zv::IsBmpFile(name); }
    void Edit1Change();
    void Button4Click();
    void StringGrid1DblClick() { Button4Click(); }
    void Button1Click();
    void Button2Click();
    void Button3Click();

    // The code of the selected row; empty when the grid holds none.
    std::string SelectedCode() const;
    bool SelectCode(const std::string& code);

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    void FillRows();
    void SaveAndReload(const std::string& selectCode);
    CatalogueHeader header_;
};

} // namespace zv
