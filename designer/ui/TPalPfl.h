#pragma once
#include "CatalogueGrid.h"

namespace zv {

// The board catalogue "pal-pfl.dat": browsing, code search, pictures, the
// material chooser of every dialog, and the editing of the catalogue itself.
// The controls, N, items and loadedWhole come from CatalogueBrowserParts.
class TPalPfl : public CatalogueWindow, public CatalogueBrowserParts<PalPflItem> {
    Q_OBJECT
public:
    explicit TPalPfl(QWidget* parent = nullptr);

    // The code whose row is selected when the window opens.
    std::string PreselectCode;

    void FormShow() override;
    void FormHide() override;
    void FormResize() override { LayoutCatalogueControls(this); }
    void LoadCatalogue();
    void Button1Click();
    void Button2Click();
    void Button3Click();

private:
    bool SaveAndReload(const std::string& selectCode) {
        return SaveAndReloadCatalogue(this, kPalPflFile, header_, selectCode);
    }
    CatalogueHeader header_;
};

} // namespace zv
