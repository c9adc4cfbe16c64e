#pragma once
#include "CatalogueGrid.h"

namespace zv {

class PieceHardware;

// The hardware list of the current piece: items added from the catalogue,
// removed, and given a number of pieces. Changes go straight into the model.
// The controls come from CatalogueControls; Button2 is "&Modificare nr. bucati".
class TFeroneriePiesa : public CatalogueWindow, public CatalogueControls {
    Q_OBJECT
public:
    explicit TFeroneriePiesa(QWidget* parent = nullptr);

    void FormShow() override;
    void FormHide() override;
    void FormResize() override { LayoutCatalogueControls(this); }
    void Button1Click();
    void Button2Click();
    void Button3Click();

    // The catalogue entry of `code` in the catalogue read by the last rebuild:
    // empty, empty and 0 when absent.
    void FindCatalogueItem(const std::string& code, std::string& description, std::string& picture,
                           double& price) const;
    // Rebuilds the grid from the current piece's list, reading "feron.dat" once.
    void LoadPieceHardware();
    void DeleteCurrentItem();
    bool SelectRowByCode(const std::string& code);
    static std::string RemoveSpaces(const std::string& s);

    // The list of the main window's current piece; null when there is none.
    PieceHardware* CurrentHardware() const;

private:
    void Changed();
    FeronerieCatalogue catalogue_;
};

} // namespace zv
