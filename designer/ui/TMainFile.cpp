// The file menu ("Fisier"): new, open, save, close, the material list and
// the piece-list export; the save question on closing.
#include "TMain.h"
#include "model/NewPiece.h"

#include "Forms.h"
#include "TCarPies.h"
#include "TPiesaNoua.h"
#include "catalog/Catalogue.h"
#include "export/ExportName.h"
#include "export/Deviz.h"
#include "export/PieceList.h"
#include "model/MobilaFile.h"
#include "platform/Dialogs.h"
#include "platform/IoError.h"
#include "platform/Launcher.h"
#include "render/FurniturePreview.h"

#include <QComboBox>
#include <QFileInfo>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>

namespace zv {

// ---- furniture files ----

namespace {
const char* const kOpenFilter = "Fisiere proiecte mobila v4.00 (*.mo4)|*.mo4|Fisiere proiecte mobila v2.00 "
                                "(*.mo2)|*.mo2|Toate fisierele (*.*)|*.*";
const char* const kSaveFilter = "Fisiere proiecte mobila v4.00 (*.mo4)|*.mo4|Toate fisierele (*.*)|*.*";
const char* const kSaveQuestion = "Mobila curenta nu este salvata. Salvez ?";

// Filter 1 gives "mo4", 2 "mo2", any other none; only a name without an extension gets it.
void ApplyDefaultExtension(std::string& fileName, int filterIndex) {
    const char* ext = filterIndex == 1 ? "mo4" : filterIndex == 2 ? "mo2" : nullptr;
    if (!ext || fileName.empty()) return;
    const std::size_t slash = fileName.find_last_of("/\\");
    const std::size_t dot = fileName.rfind('.');
    if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) return;
    fileName += std::string(".") + ext;
}

// An old-layout name is saved under ".mo4".
std::string Mo4Name(std::string name) {
    if (name.size() >= 5 && QString::fromStdString(name.substr(name.size() - 4)).toLower() == ".mo2") name.back() = '4';
    return name;
}

bool FileExists(const std::string& name) { return QFileInfo(QString::fromStdString(name)).isFile(); }

// The caption of an opened or saved furniture: its name and its file.
QString FileCaption(const Furniture& f) { return QString::fromStdString(f.name + " - " + f.fileName); }
} // namespace

void TMain::OpenDialog1SelectionChange(std::string& fileName, int filterIndex) {
    ApplyDefaultExtension(fileName, filterIndex);
}

void TMain::SaveDialog1SelectionChange(std::string& fileName, int filterIndex) {
    ApplyDefaultExtension(fileName, filterIndex);
}

bool TMain::SaveFurnitureFile(const std::string& fileName) {
    try {
        WriteMobilaFile(fileName, CaptureMobilaFile(model, DisplayMode()));
        return true;
    } catch (const IoError& e) {
        ShowError(e.what());
        return false;
    }
}

bool TMain::LoadFurnitureFile(const std::string& fileName) {
    // Read and checked whole before anything of the open furniture changes.
    MobilaFile f;
    try {
        f = ReadMobilaFile(fileName);
    } catch (const InvalidMobilaFile& e) {
        ShowError(e.what());
        return false;
    } catch (const IoError& e) {
        ShowError(e.what());
        return false;
    }
    ReplaceWithMobilaFile(f, model);
    const QSignalBlocker block(ComboBox3);
    ComboBox3->setCurrentIndex(f.displayMode);
    return true;
}

bool TMain::OpenFurniture() {
    if (!LoadFurnitureFile(model.fileName)) return false;
    // The plinth is not stored: take it from the opened furniture's own pieces.
    model.dim.S = PlinthFromPieces(model);
    SetUndoPossible(false);
    model.exteriorView = 1;
    EnableDesignControls();
    BuildTextureAtlas();
    model.scene.currentFillStyle = HatchChecked() ? 7 : 1;
    setWindowTitle(FileCaption(model));
    if (TPiesaNoua* p = Forms().PiesaNoua) {
        p->ComboBox1->setCurrentIndex(1);
        if (p->ComboBox2->count() > 0) p->ComboBox2->setCurrentIndex(0);
    }
    FitViewScale();
    DrawProjections(0);
    Redraw3D();
    RefreshPieceWindow();
    model.hasFileName = true;
    SetModified(false);
    if (Forms().CarPies) Forms().CarPies->show();
    return true;
}

void TMain::AfterFileOpened() {
    const Scene3D& s = model.scene;
    const MobilaDimensions& d = model.dim;
    // The shelf lies in front of an applied back and reaches an inset one.
    const double width = model.backType == BackType::Aplicat ? d.D - d.P : d.D;
    if (TPiesaNoua* p = Forms().PiesaNoua)
        p->PresetShelf("Polita", s.MinX() + d.G, s.MinY() + (d.H - d.G) / 2, s.MinZ(), d.W - 2 * d.G, width, d.G);
    if (SoftRenderChosen()) {
        Redraw3D();
        DrawProjections(0);
    } else {
        Timer2->start();
        Timer3->start();
    }
    RefreshPieceWindow();
}

TMain::SaveOutcome TMain::SaveCurrent() {
    if (model.scene.pieceCount <= 0) return SaveOutcome::NothingToSave;
    if (!model.hasFileName) return SaveAsNew();
    const std::string name = Mo4Name(model.fileName);
    // An opened ".mo2" goes to its ".mo4": never over another file unasked.
    return SaveTo(name, name != model.fileName);
}

TMain::SaveOutcome TMain::SaveTo(const std::string& name, bool askOverwrite) {
    if (askOverwrite && FileExists(name) &&
        ShowMessage(MsgKind::Warning, "Exista fisier cu acest nume. Suprapun ?", MsgButtons::YesNo) != MsgResult::Yes)
        return SaveOutcome::Cancelled;
    // Written beside the target and renamed into place, so a failed write
    // leaves the old file whole; the file state changes only once the
    // furniture is in the file.
    if (!SaveFurnitureFile(name)) return SaveOutcome::Failed;
    model.fileName = name;
    model.hasFileName = true;
    ++model.saveCount;
    SetModified(false);
    setWindowTitle(FileCaption(model)); // a save to a new name shows the new file
    ShowInfo("Mobila a fost salvata !");
    return SaveOutcome::Saved;
}

TMain::SaveOutcome TMain::SaveAsNew() {
    if (model.scene.pieceCount <= 0) return SaveOutcome::NothingToSave;
    FileDialogRequest req;
    req.title = "Salveaza mobila";
    req.filter = kSaveFilter;
    req.fileName = model.fileName;
    req.filterIndex = 1;
    // The extension comes from the filter (below), not from the dialog.
    const auto answer = Dialogs().SaveFile(req);
    if (!answer || answer->fileName.empty()) return SaveOutcome::Cancelled;
    std::string name = answer->fileName;
    SaveDialog1SelectionChange(name, answer->filterIndex);
    return SaveTo(Mo4Name(name), true);
}

bool TMain::FormCloseQuery() {
    if (!model.NeedsSaveQuestion()) return true;
    switch (ShowMessage(MsgKind::Warning, "Mobila curenta nu este salvata. Salvez inainte de parasirea programului ?",
                        MsgButtons::YesNoCancel)) {
    case MsgResult::Cancel: return false;
    // A failed save keeps the window; a cancelled save dialog lets it close.
    case MsgResult::Yes: return SaveCurrent() != SaveOutcome::Failed;
    default: return true;
    }
}

void TMain::Deschidefisier1Click() { OpenWithDialog(false); }

std::optional<std::string> TMain::ChooseFurnitureFile(bool preview) {
    FileDialogRequest req;
    req.title = "Deschide proiect";
    req.filter = kOpenFilter;
    req.defaultExt = "mo4";
    req.filterIndex = 1;
    if (preview) req.preview = [](const std::string& path) { return FurniturePreview(path, 256, 212); };
    const auto answer = Dialogs().OpenFile(req);
    if (!answer) return std::nullopt;
    std::string name = answer->fileName;
    OpenDialog1SelectionChange(name, answer->filterIndex);
    if (!FileExists(name)) return std::nullopt;
    return name;
}

void TMain::OpenWithDialog(bool preview) {
    const std::optional<std::string> chosen = ChooseFurnitureFile(preview);
    if (!chosen) return;
    const std::string& name = *chosen;
    SetHatch(true);
    if (model.NeedsSaveQuestion() &&
        ShowMessage(MsgKind::Warning, kSaveQuestion, MsgButtons::YesNo) == MsgResult::Yes &&
        SaveCurrent() == SaveOutcome::Failed)
        return; // the user's furniture stays
    const std::string previous = model.fileName;
    model.fileName = name;
    if (!OpenFurniture()) {
        model.fileName = previous;
        return;
    }
    AfterFileOpened();
}

// The same command with a picture of the furniture under the cursor.
void TMain::Deschidefisiercupreview1Click() { OpenWithDialog(true); }
void TMain::Salveazamobilacurenta1Click() { SaveCurrent(); }
void TMain::Salveazacunumenou1Click() { SaveAsNew(); }

void TMain::Inchideproiectcurent1Click() {
    if (model.NeedsSaveQuestion() &&
        ShowMessage(MsgKind::Warning, kSaveQuestion, MsgButtons::YesNo) == MsgResult::Yes &&
        SaveCurrent() == SaveOutcome::Failed)
        return; // the user's furniture stays
    ResetToNoFurniture();
}

void TMain::Listamateriale1Click() {
    const auto boards = ReadPalPflCatalogue(CataloguePath(startupFolder, kPalPflFile));
    const auto hardware = ReadFeronerieCatalogue(CataloguePath(startupFolder, kFeronerieFile));
    ShowInfo(FormatMaterialList(ListMaterials(model, boards.items, hardware.items)));
}

bool TMain::IsBoardPiece(double a, double b, double c) { return zv::IsBoardPiece(a, b, c); }

// The board pieces as a tab-separated list, opened in the spreadsheet program.
void TMain::ExportapieseinExcel1Click() {
    if (model.scene.pointCount <= 0) return;
    FileDialogRequest r; // SaveDialog2
    r.title = "Export in format Excel";
    r.filter = "Fisiere Excel (*.xls)|*.xls|Toate fisierele (*.*)|*.*";
    r.defaultExt = "xls";
    r.fileName = ExportFileName(model.name, " - Excel");
    const auto answer = Dialogs().SaveFile(r);
    if (!answer) return;
    const std::string& file = answer->fileName;
    if (QFileInfo::exists(QString::fromStdString(file)) && !AskYesNo("Exista fisier cu acest nume. Suprapun ?")) return;
    const std::string error = WriteExportFile(file, FormatPieceList(model));
    if (!error.empty()) {
        ShowError(error + " (" + file + ")");
        return;
    }
    StartOuterProgram(OuterProgram::Spreadsheet, {file});
}

} // namespace zv
