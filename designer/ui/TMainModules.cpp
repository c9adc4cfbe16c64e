// The modules menu ("Module"): contour drawing, sheet layout, room.
#include "TMain.h"

#include "Forms.h"
#include "TOptimFoaie.h"
#include "platform/widgets/Modal.h"
#include "render/Contour.h"

#include <QAction>
#include <QMenu>
#include <QTimer>

namespace zv {

namespace {
// Both drawing programs run the same procedure; the OpenGL timers rest while
// the user draws and start again only with "Rend hard".
void RunContourEditorFrom(TMain& w, ContourEditor editor) {
    ContourEditorHooks hooks;
    hooks.stopTimers = [&w] {
        w.Timer2->stop();
        w.Timer3->stop();
    };
    hooks.restartTimers = [&w] {
        if (!w.SoftRenderChosen()) {
            w.Timer2->start();
            w.Timer3->start();
        }
    };
    // The new model sits on its face at once: the views and the piece window show it.
    hooks.modelAssigned = [&w] {
        w.SetModified(true);
        w.ShowModelChange({});
    };
    RunContourEditor(editor, w.model, w.DesignOpen(), w.startupFolder, hooks);
}
} // namespace

void TMain::Desenareconturmodel1Click() { RunContourEditorFrom(*this, ContourEditor::Trasalin); }
void TMain::DesenareconturcuPainBrush1Click() { RunContourEditorFrom(*this, ContourEditor::Paint); }
// The boards of one material handed to the sheet optimiser.
void TMain::Pozitionarepiesepefoidepal1Click() {
    if (model.scene.pieceCount <= 0) return;
    RunModal(*Forms().OptimFoaie);
}

// Arranging the room is the same work: the furniture placed in its room.
void TMain::Amenajarecamera1Click() { Introduceremobilaincamera1Click(); }

} // namespace zv
