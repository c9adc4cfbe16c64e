// The projection window's openers.
#include "Forms.h"
#include "TMain.h"
#include "TProiect.h"
#include "platform/widgets/Modal.h"

#include <QTimer>

namespace zv {

void TMain::ShowProjection(int view, bool pauseTimers) {
    TProiect& w = *Forms().Proiect;
    if (view >= 0 && view <= 2) w.ProjectionView = view;
    if (pauseTimers) {
        Timer2->stop();
        Timer3->stop();
    }
    RunModal(w);
    if (pauseTimers && !SoftRenderChosen()) {
        Timer2->start();
        Timer3->start();
    }
}

// The mini views open the window on their own plane.
void TMain::Image1DblClick() { ShowProjection(1, true); }
void TMain::Image2DblClick() { ShowProjection(2, true); }
void TMain::Image3DblClick() { ShowProjection(0, true); }

} // namespace zv
