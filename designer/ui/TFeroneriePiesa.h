#pragma once
#include "catalog/Catalogue.h"
#include "platform/widgets/FormBase.h"

#include <QDialog>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

namespace zv {

class CatalogueGrid;
class PieceHardware;

// The hardware list of the current piece: items added from the catalogue,
// removed, and given a number of pieces. Changes go straight into the model.
class TFeroneriePiesa : public FormBase<QDialog> {
    Q_OBJECT
public:
    explicit TFeroneriePiesa(QWidget* parent = nullptr);

    CatalogueGrid* StringGrid1;
    QPushButton* Button1; // "&Adaugare"
    QPushButton* Button2; // "&Modificare nr. bucati"
    QPushButton* Button3; // "S&tergere"
    QPushButton* Button4; // "&Vizualizare poza"
    QLabel* Label1;       // "Cauta cod:"
    QLineEdit* Edit1;
    QPushButton* BitBtn1; // "&Inchide fereastra"

    int thumbWidth = 0, thumbHeight = 0;

    void FormShow() override;
    void FormHide() override;
    void FormResize();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void StringGrid1DblClick() { Button4Click(); }
    void Edit1Change();

    // The catalogue entry of `code` in the catalogue read by the last rebuild:
    // empty, empty and 0 when absent.
    void FindCatalogueItem(const std::string& code, std::string& description, std::string& picture,
                           double& price) const;
    // Rebuilds the grid from the current piece's list, reading "feron.dat" once.
    void LoadPieceHardware();
    void DeleteCurrentItem();
    bool SelectRowByCode(const std::string& code);
    static bool IsBmpFile(const std::string& name) { return zv::IsBmpFile(name); }
    static std::string RemoveSpaces(const std::string& s);

    // The list of the main window's current piece; null when there is none.
    PieceHardware* CurrentHardware() const;

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    void Changed();
    FeronerieCatalogue catalogue_;
};

} // namespace zv
