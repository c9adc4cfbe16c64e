// The settings menu ("Setari"): mini views, inside/outside view, the whole window.
#include "TMain.h"

#include "Forms.h"
#include "TCarPies.h"
#include "THelp.h"

#include <QAction>
#include <QFrame>
#include <QTimer>

namespace zv {

void TMain::Afisareminiferestrecuproiectii2D1Click() {
    // Geometry comes from LayoutControls, set absolutely from the panels' state.
    const bool show = Panel1->isHidden();
    for (QFrame* p : {Panel1, Panel2, Panel3}) p->setVisible(show);
    LayoutControls();
    FitViewScale();
    Redraw3D();
}

void TMain::Vizualizareinteriorexteriorpiese1Click() {
    model.exteriorView = 1 - model.exteriorView;
    Redraw3D();
}

void TMain::Fullscreen1Click() {
    TCarPies* carPies = Forms().CarPies;
    QWidget* help = Forms().Help;
    if (Fullscreen1->isChecked()) {
        fullWindowSaved.hatch = HatchChecked();
        fullWindowSaved.pieceWindowVisible = carPies && carPies->isVisible();
        SetHatch(false);
        Panel5->hide();
        Panel6->hide();
        if (carPies) carPies->hide();
        if (help) help->hide();
    } else {
        Panel5->show();
        if (carPies) {
            carPies->setVisible(fullWindowSaved.pieceWindowVisible);
            SetHatch(fullWindowSaved.hatch);
        }
        if (Timer2->isActive()) Panel6->show();
        if (!Panel1->isHidden()) {
            // The mini views go; the 3D picture takes the height they leave,
            // its bitmap sized to the control.
            for (QFrame* p : {Panel1, Panel2, Panel3}) p->hide();
            Afisareminiferestrecuproiectii2D1->setChecked(false);
            LayoutControls();
        }
    }
}

} // namespace zv
