// The tools menu ("Unelte"): exports and whole-furniture commands.
#include "TMain.h"

#include "Forms.h"
#include "TAdaugMob.h"
#include "GLView.h"
#include "TCarPies.h"
#include "TCreareSertar.h"
#include "TDistPiese.h"
#include "THelp.h"
#include "TIntrodCamera.h"
#include "TRedimMob.h"
#include "TSalvImag.h"
#include "TSchimbCulo.h"
#include "TSchimbareCodPalPfl.h"
#include "export/ExportName.h"
#include "export/Vrml.h"
#include "model/AddFurniture.h"
#include "model/Drawer.h"
#include "model/Room.h"
#include "model/MobilaFile.h"
#include "model/WholeEdit.h"
#include "platform/Numbers.h"
#include "platform/Dialogs.h"
#include "platform/Launcher.h"
#include "platform/Numbers.h"
#include "platform/Picture.h"
#include "platform/widgets/Modal.h"
#include "render/SoftRender.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QFrame>
#include <QLineEdit>
#include <QMenuBar>
#include <QTimer>

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

namespace {
const char* const kNoPicture = "Nu exista imagine de salvat.";

// SavePictureDialog1 (JPEG) or SavePictureDialog2 (BMP).
FileDialogRequest PictureDialog(bool asBitmap, const std::string& fileName) {
    FileDialogRequest r;
    if (asBitmap) {
        r.defaultExt = "bmp";
        r.filter = "All (*.bmp;*.ico;*.emf;*.wmf)|*.bmp;*.ico;*.emf;*.wmf|Bitmaps (*.bmp)|*.bmp|Icons "
                   "(*.ico)|*.ico|Enhanced Metafiles (*.emf)|*.emf|Metafiles (*.wmf)|*.wmf";
    } else {
        r.title = "Salveaza in format JPG";
        r.defaultExt = "jpg";
        r.filter = "Format JPEG (*.jpg)|*.jpg|Toate fisierele (*.*)|*.*";
    }
    r.fileName = fileName;
    return r;
}

// The format chosen in the dialog decides, not the name's ending.
bool SavePictureAs(const QImage& img, bool asBitmap, const std::string& fileName) {
    if (img.isNull() || img.width() <= 0 || img.height() <= 0) {
        ShowError(kNoPicture);
        return false;
    }
    const PictureResult r = asBitmap ? SaveBmp(fileName, img) : SaveJpeg(fileName, img);
    if (!r.ok) ShowError(r.error);
    return r.ok;
}

// The window laid out for one captured frame: timers stopped, no hatch, and
// (unless the whole window is already the view) no panels, windows or menu.
// Everything comes back when it goes out of scope, whatever happened.
class CaptureLayout {
public:
    explicit CaptureLayout(TMain& w) : w_(w), whole_(w.Fullscreen1->isChecked()) {
        w_.Timer2->stop();
        w_.Timer3->stop();
        hatch_ = w_.HatchChecked();
        w_.SetHatch(false);
        if (whole_) return;
        TCarPies* carPies = Forms().CarPies;
        QWidget* help = Forms().Help;
        panel5_ = w_.Panel5->isVisible();
        panel6_ = w_.Panel6->isVisible();
        pieceWindow_ = carPies && carPies->isVisible();
        help_ = help && help->isVisible();
        menu_ = w_.menuBar()->isVisible();
        w_.Panel5->hide();
        w_.Panel6->hide();
        if (carPies) carPies->hide();
        if (help) help->hide();
        w_.menuBar()->hide();
    }
    ~CaptureLayout() {
        if (!whole_) {
            if (TCarPies* carPies = Forms().CarPies) carPies->setVisible(pieceWindow_);
            if (QWidget* help = Forms().Help) help->setVisible(help_);
            w_.Panel5->setVisible(panel5_);
            w_.Panel6->setVisible(panel6_);
            w_.menuBar()->setVisible(menu_);
        }
        w_.SetHatch(hatch_);
        w_.Timer2->start();
        w_.Timer3->start();
    }
    CaptureLayout(const CaptureLayout&) = delete;
    CaptureLayout& operator=(const CaptureLayout&) = delete;

private:
    TMain& w_;
    bool whole_;
    bool hatch_ = false, panel5_ = false, panel6_ = false, pieceWindow_ = false, help_ = false, menu_ = false;
};
} // namespace

// A picture of the 3D view or of a projection, as JPEG or BMP.
void TMain::SalvareimagineinformatBMPsauJPG1Click() {
    TSalvImag* d = Forms().SalvImag;
    if (RunModal(*d) != QDialog::Accepted) return;
    const bool asBitmap = d->RadioGroup1->ItemIndex() == 1;
    const int view = std::max(0, d->RadioGroup2->ItemIndex());
    const bool capture = !SoftRenderChosen() && view == 0;
    const auto answer = Dialogs().SaveFile(
        PictureDialog(asBitmap, ExportFileName(model.name, capture ? (asBitmap ? ".bmp" : ".jpg") : "")));
    if (!answer) return;
    const std::string& file = answer->fileName;
    if (QFileInfo::exists(QString::fromStdString(file)) &&
        ShowMessage(MsgKind::Warning, "Exista deja fisier cu acest nume. Suprapun ?", MsgButtons::OkCancel) !=
            MsgResult::Ok)
        return;
    if (!capture) {
        const PictureBox* images[] = {Image4, Image1, Image2, Image3};
        SavePictureAs(images[std::min(view, 3)]->canvas().Image(), asBitmap, file);
        return;
    }
    const CaptureLayout layout(*this);
    QApplication::processEvents(); // the view takes the room the panels and menu left
    repaint();
    ClearGLFrame();
    RenderScene(-2);
    GetOGL_BMP(asBitmap, file);
}

bool TMain::GetOGL_BMP(bool asBitmap, const std::string& fileName) {
    // The frame comes back red first, as the picture writers expect it.
    QImage shot;
    WindowShotGL2(shot);
    if (!SavePictureAs(shot, asBitmap, fileName)) return false;
    StartOuterProgram(OuterProgram::Paint, {fileName});
    return true;
}

// A saved furniture placed against one side of the open one. The file is
// staged in memory while the dialog is open; the open furniture changes only
// on "Adauga mobila", in one edit.
void TMain::Adaugaremobiladintrunfisier1Click() {
    if (!DesignOpen()) return;
    const std::optional<std::string> name = ChooseFurnitureFile(true);
    if (!name) return;
    MobilaFile file;
    try {
        file = ReadMobilaFile(*name);
    } catch (const std::exception& e) { // InvalidMobilaFile or IoError
        ShowError(e.what());
        return;
    }
    if (const std::string why = CheckAddFurniture(file, model); !why.empty()) {
        ShowError(why);
        return;
    }
    TAdaugMob* d = Forms().AdaugMob;
    d->Begin(*name, std::move(file), model);
    const bool accepted = RunModal(*d) == QDialog::Accepted;
    const MobilaFile staged = d->Staged();
    const std::optional<AddOffsets> offsets = d->ReadOffsets();
    d->End();
    if (!accepted) return;
    if (!offsets) {
        ShowError(kBadAddOffset);
        return;
    }
    if (const std::string why = CheckAddFurniture(staged, model); !why.empty()) {
        ShowError(why);
        return;
    }
    if (const std::string why = AddLimitRefusal(model, staged, *offsets); !why.empty()) {
        ShowError(why);
        return;
    }
    const std::string note = SharedTextureNote(staged, model);
    ApplyEdit([&] {
        const EditResult r = AddFurniture(model, staged, *offsets);
        BuildTextureAtlas();
        return r;
    });
    if (!note.empty()) ShowInfo(note);
}

// The bottom, sides and back of a drawer behind the current piece, its front.
void TMain::Creareinteriorsertar1Click() {
    if (!DesignOpen() || !model.scene.ValidPiece(model.scene.current)) return;
    TCreareSertar* d = Forms().CreareSertar;
    const Scene3D::Box front = model.scene.PieceBox(model.scene.current);
    d->Edit8->setText(QString::fromStdString(FormatField(front.x1 - front.x0)));
    d->Edit9->setText(QString::fromStdString(FormatField(front.y1 - front.y0)));
    if (RunModal(*d) != QDialog::Accepted) return;
    // Everything is read and checked before the undo copy is taken; the
    // dialog did so already, and stays open while a field is wrong.
    const std::optional<DrawerInput> in = d->ReadChecked(model);
    if (!in) return;
    if (const std::string refusal = DrawerRoomRefusal(model); !refusal.empty()) {
        ShowError(refusal);
        return;
    }
    ApplyEdit([&] {
        const DrawerLayout boxes = LayOutDrawer(*in);
        const EditResult r = AddDrawer(model, boxes, {d->bottomCode, d->bottomColor}, {d->sideCode, d->sideColor});
        std::vector<int> bottom, sides;
        for (int i = 0; i < r.newPieces; ++i) (boxes[i].bottomBoard ? bottom : sides).push_back(r.firstNewPiece + i);
        ApplyPieceMaterial(bottom, d->bottomCode, d->bottomPicture, d->bottomColor);
        ApplyPieceMaterial(sides, d->sideCode, d->sidePicture, d->sideColor);
        return r;
    });
}

// A floor and three walls around the furniture, from the room dialog.
void TMain::Introduceremobilaincamera1Click() {
    if (!DesignOpen()) return;
    TIntrodCamera* d = Forms().IntrodCamera;
    if (RunModal(*d) != QDialog::Accepted) return;
    // The dialog stays open while a field is wrong; read again for what it gives.
    const std::optional<RoomParams> p = d->ReadChecked(model);
    if (!p) return;
    if (!RoomFits(model, *p)) {
        ShowError("Camera nu poate fi creata: mobila are prea multe piese.");
        return;
    }
    ApplyEdit([&] {
        const EditResult r = AddRoom(model, *p);
        // The whole room in the view, not only the furniture.
        const Scene3D& s = model.scene;
        zv::FitViewScale(model.scene, Image4->width(), Image4->height(), s.MaxY() - s.MinY(), s.MaxX() - s.MinX());
        return r;
    });
}

void TMain::Redimensionarejurimprejur1Click() { ShowShrinkDialog(); }

// ---- whole furniture ----

namespace {
// Tried on a scratch copy first: refused before the undo snapshot when a box
// would leave the limit.
bool OutOfLimits(const Furniture& f, EditResult (*edit)(Furniture&)) {
    if (KeepsBoxLimits(f, [edit](Furniture& g) { edit(g); })) return false;
    ShowError(kWholeEditOutOfLimits);
    return true;
}
} // namespace

void TMain::Rotatiemobila1Click() {
    if (!DesignOpen() || OutOfLimits(model, TurnFurniture)) return;
    ApplyEdit([&] { return TurnFurniture(model); });
}

void TMain::Simetriemobila1Click() {
    if (!DesignOpen() || OutOfLimits(model, MirrorFurniture)) return;
    ApplyEdit([&] { return MirrorFurniture(model); });
}

void TMain::Redimensionaremobila1Click() {
    if (!DesignOpen()) return;
    TRedimMob* d = Forms().RedimMob;
    const Scene3D& s = model.scene;
    d->ShowSizes(s.MaxX() - s.MinX(), s.MaxY() - s.MinY(), s.MaxZ() - s.MinZ());
    if (RunModal(*d) != QDialog::Accepted) return;
    const std::optional<ResizeParams> p = d->ReadParams();
    const std::string why = p ? CheckResize(model, *p) : kResizeBadInput;
    if (!why.empty()) {
        ShowError(why);
        return;
    }
    ApplyEdit([&] { return ResizeFurniture(model, *p); });
}

// Every piece of the old board code takes the board last chosen as "Cod nou".
void TMain::Schimbarecodpalpfl1Click() {
    if (!DesignOpen() || model.scene.pieceCount <= 0) return;
    TSchimbareCodPalPfl* d = Forms().SchimbareCodPalPfl;
    const int c = model.scene.current;
    d->Begin(model.scene.ValidPiece(c) ? model.attrs.materialCode[static_cast<std::size_t>(c)] : std::string());
    if (RunModal(*d) != QDialog::Accepted) return;
    const std::string from = d->Edit1->text().toStdString();
    if (from == d->Edit2->text().toStdString()) return;
    // Without a choice in this showing the remembered board is not the one Edit2 shows.
    if (!d->NewCodeChosen()) {
        ShowError("Alegeti codul nou din catalog cu butonul \"....\" de langa \"Cod nou\".");
        return;
    }
    const std::vector<int> pieces = PiecesWithCode(model, from);
    if (pieces.empty()) return;
    const TSchimbareCodPalPfl::Choice to = d->Remembered();
    ApplyEdit([&] { return ApplyPieceMaterial(pieces, to.code, to.picture, to.color); });
}

void TMain::Schimbareculoare1Click() {
    if (!DesignOpen() || model.scene.pieceCount <= 0) return;
    TSchimbCulo* d = Forms().SchimbCulo;
    const int c = model.scene.current;
    const Color now = model.scene.ValidPiece(c) ? model.scene.color[static_cast<std::size_t>(c)] : Color(0);
    d->SetColors(now, now);
    if (RunModal(*d) != QDialog::Accepted) return;
    const Color from = d->OldColor(), to = d->NewColor();
    if (from == to || PiecesWithColor(model, from).empty()) return;
    ApplyEdit([&] { return ReplaceColor(model, from, to); });
}

void TMain::Recalcularedimensinimobila1Click() {
    if (!DesignOpen()) return;
    ApplyEdit([&] { return RecomputeFurniture(model); });
    const MobilaDimensions& m = model.dim;
    ShowInfo("Dimensiunile mobilei sunt:\n  - Latime: " + FormatField(m.W) + "\n  - Inaltime: " + FormatField(m.H) +
             "\n  - Adancime: " + FormatField(m.D));
}

void TMain::Rotunjiredimensiunisipozitii1Click() {
    if (!DesignOpen() || OutOfLimits(model, RoundFurniture)) return;
    ApplyEdit([&] { return RoundFurniture(model); });
}

// "Setari" menu; kept with the other whole-furniture commands.
void TMain::Redenumiremobila1Click() {
    if (!DesignOpen()) return;
    const auto name = InputBox("Redenumire mobila", "Noul nume pentru mobila: ", model.name);
    if (!name) return;
    ApplyEdit([&] { return RenameFurniture(model, *name); });
    UpdateCaption();
}
void TMain::Distantaintredouapiese1Click() { RunModal(*Forms().DistPiese); }
// The last view shown; the timers are left as they are.
void TMain::Afisareproiectiecucote1Click() { ShowProjection(-1, false); }

} // namespace zv
