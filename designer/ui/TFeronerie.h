#pragma once
#include "CatalogueGrid.h"

namespace zv {

// The hardware catalogue "feron.dat": browsing, code search, pictures, the
// chooser of the piece hardware list, and the editing of the catalogue itself.
// The controls, N, items and loadedWhole come from CatalogueBrowserParts.
class TFeronerie : public CatalogueWindow, public CatalogueBrowserParts<FeronerieItem> {
    Q_OBJECT
public:
    explicit TFeronerie(QWidget* parent = nullptr);

    void FormShow() override;
    void FormHide() override;
    void FormResize() override { LayoutCatalogueControls(this); }
    void LoadCatalogue();
    void Button1Click();
    void Button2Click();
    void Button3Click();

    // The code of the selected row; empty when the grid holds none.
    std::string SelectedCode() const;

private:
    void SaveAndReload(const std::string& selectCode) {
        SaveAndReloadCatalogue(this, kFeronerieFile, header_, selectCode);
    }
    CatalogueHeader header_;
};

} // namespace zv
