// The tools menu ("Unelte"): exports and whole-furniture commands.
#include "TMain.h"

#include "Forms.h"
#include "TIntrodCamera.h"
#include "export/Vrml.h"
#include "model/Room.h"
#include "platform/Dialogs.h"
#include "platform/widgets/Modal.h"
#include "render/SoftRender.h"

namespace zv {

void TMain::ExportareinformatVRML1Click() {
    FileDialogRequest r;
    r.title = "Exportare in format VRML 1.00";
    r.filter = "Fisiere VRML (*.wrl)|*.wrl";
    r.defaultExt = "wrl";
    r.initialDir = startupFolder;
    const auto answer = Dialogs().SaveFile(r);
    if (!answer) return;
    const std::string error = WriteVrmlFile(model, answer->fileName);
    if (!error.empty()) {
        ShowError(error);
        return;
    }
    ShowInfo("Mobila a fost exportata in format VRML 1.00.");
}

void TMain::SalvareimagineinformatBMPsauJPG1Click() {}

void TMain::Adaugaremobiladintrunfisier1Click() {}
void TMain::Creareinteriorsertar1Click() {}

// A floor and three walls around the furniture, from the room dialog.
void TMain::Introduceremobilaincamera1Click() {
    if (!DesignOpen()) return;
    TIntrodCamera* d = Forms().IntrodCamera;
    if (RunModal(*d) != QDialog::Accepted) return;
    RoomParams p;
    std::string bad;
    if (!d->ReadParams(p, bad)) {
        ShowError("Valoare invalida pentru dimensiunile camerei.");
        return;
    }
    if (!RoomFits(model, p)) {
        ShowError("Camera nu poate fi creata: dimensiunile nu o permit sau mobila are prea multe piese.");
        return;
    }
    ApplyEdit([&] {
        const EditResult r = AddRoom(model, p);
        // The whole room in the view, not only the furniture.
        const Scene3D& s = model.scene;
        zv::FitViewScale(model.scene, Image4->width(), Image4->height(), s.MaxY() - s.MinY(), s.MaxX() - s.MinX());
        return r;
    });
}

void TMain::Rotatiemobila1Click() {}
void TMain::Simetriemobila1Click() {}
void TMain::Redimensionaremobila1Click() {}
void TMain::Redimensionarejurimprejur1Click() {}
void TMain::Schimbarecodpalpfl1Click() {}
void TMain::Schimbareculoare1Click() {}
void TMain::Recalcularedimensinimobila1Click() {}
void TMain::Rotunjiredimensiunisipozitii1Click() {}
void TMain::Distantaintredouapiese1Click() {}
// The last view shown; the timers are left as they are.
void TMain::Afisareproiectiecucote1Click() { ShowProjection(-1, false); }

} // namespace zv
