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
    // The tick turns with each use; the panels turn from what they show now.
    SetMiniViewsWanted(!MiniViewsWanted());
    ShowMiniViews(!MiniViewsShown());
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
    fullWindow_ = !fullWindow_;
    Fullscreen1->setChecked(fullWindow_);
    if (FullWindow()) {
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
        if (MiniViewsShown()) {
            // The mini views go; the 3D picture takes the height they leave,
            // its bitmap sized to the control.
            SetMiniViewsWanted(false);
            ShowMiniViews(false);
        }
    }
    // Either way the 3D picture changes size: lay it out, refit and redraw it,
    // so no stale picture or strip of the other layout stays.
    FormResize();
}

} // namespace zv
