#pragma once
// The main window: owns the furniture model for the whole run and
// coordinates the commands; the work itself lives in the lower layers.
#include "model/EditResult.h"
#include "model/Mobila.h"
#include "model/PieceEdit.h"
#include "model/UndoSnapshot.h"
#include "platform/widgets/FormBase.h"
#include "platform/widgets/PictureBox.h"
#include "platform/widgets/RadioGroup.h"
#include "render/TextureAtlas.h"
#include "render/GLRender.h"

#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QSlider;
class QTimer;
class QFrame;
class QImage;

namespace zv {

class OpenGLView;

// Where a run of typing started: the furniture and the undo level before its first change.
struct EditRunStart {
    UndoSnapshot model, undo;
    bool undoPossible = false;
};

class TMain : public FormBase<QMainWindow> {
    Q_OBJECT
public:
    explicit TMain(QWidget* parent = nullptr);
    ~TMain() override;

    // ---- the model ----
    Furniture model;
    UndoSnapshot undo;
    std::string startupFolder;
    AtlasPixels atlasPixels;                  // the atlas as last handed to OpenGL
    std::vector<std::string> commandLineArgs; // arguments after the program name

    // ---- view and interaction fields ----
    int mouse3DMode = 0; // 0 none, 1 rotate, 2 pan, 3 middle
    int last3DX = 0, last3DY = 0;
    int pickX = 0, pickY = 0;
    struct ViewDrag {
        int button = 0, lastX = 0, lastY = 0;
    } viewDrag[3];
    int frameCounter = 0;
    struct FullWindowSaved {
        bool hatch = false, pieceWindowVisible = false;
    } fullWindowSaved;

    // ---- controls ----
    QMenu *Fisier1, *Unelte1, *Materiale1, *Setari1, *Module1, *Ajutor1;
    QAction *Nou1, *Deschidefisier1, *Deschidefisiercupreview1, *Salveazamobilacurenta1, *Salveazacunumenou1,
        *Inchideproiectcurent1, *Listamateriale1, *ExportapieseinExcel1, *Exit1;
    QAction *SalvareimagineinformatBMPsauJPG1, *ExportareinformatVRML1, *Adaugaremobiladintrunfisier1,
        *Creareinteriorsertar1, *Introduceremobilaincamera1, *Rotatiemobila1, *Simetriemobila1, *Redimensionaremobila1,
        *Redimensionarejurimprejur1, *Schimbarecodpalpfl1, *Schimbareculoare1, *Recalcularedimensinimobila1,
        *Rotunjiredimensiunisipozitii1, *Distantaintredouapiese1, *Afisareproiectiecucote1;
    QAction *Listapalpfl1, *Listaferonerie1;
    QAction *Afisareminiferestrecuproiectii2D1, *Redenumiremobila1, *Afisaremodeledecupareconcave1,
        *Vizualizareinteriorexteriorpiese1, *Fullscreen1;
    QAction *Desenareconturmodel1, *DesenareconturcuPainBrush1, *Pozitionarepiesepefoidepal1, *Amenajarecamera1;
    QAction *Ajutor2, *Demonstratie1, *Despre1;

    QWidget* client;                  // the client area; the OpenGL view fills it
    OpenGLView* GLView;               // the OpenGL drawing surface (behind the panels)
    QFrame* Panel5;                   // left tool panel
    QFrame *Panel1, *Panel2, *Panel3; // mini views
    QLabel *Label1, *Label2, *Label3;
    PictureBox *Image1, *Image2, *Image3, *Image4;
    QPushButton *BitBtn1, *BitBtn2, *BitBtn3; // "fata/spate", "stanga/dreapta", "sus/jos"
    QPushButton *BitBtn4, *BitBtn5, *BitBtn6, *BitBtn7, *BitBtn8, *BitBtn9, *BitBtn10, *BitBtn11, *BitBtn12, *BitBtn13,
        *BitBtn14, *BitBtn15, *BitBtn16, *BitBtn17, *BitBtn18;
    QLineEdit* Edit7;
    RadioGroup* RadioGroup1; // "Translat.", "Redim."
    RadioGroup* RadioGroup2; // "Rend soft", "Rend hard"
    QSlider *TrackBar1, *TrackBar2;
    QLabel *LabelTrack1, *LabelTrack2;
    QComboBox* ComboBox3;
    QFrame* Panel6; // frame rate
    QLabel* Label6;
    QTimer *Timer1, *Timer2, *Timer3;

    // ---- shared operations ----
    int SortDimensions(double& a, double& b, double& c) { return zv::SortDimensions(a, b, c); }
    void RecomputeFurnitureSize() { zv::RecomputeFurnitureSize(model.scene, model.dim); }
    void EnableDesignControls();
    void DisableDesignControls();
    bool SoftRenderChosen() const;
    // ---- the window's own state: read through these, the widgets mirror it ----
    // Whether a furniture is open (the design controls are enabled).
    bool DesignOpen() const { return designOpen_; }
    // Whether "&Anulare" has a snapshot to restore; the button follows.
    bool UndoPossible() const { return undoPossible_; }
    void SetUndoPossible(bool on);
    // The three mini-view panels on screen; panels and layout follow.
    bool MiniViewsShown() const { return miniViewsShown_; }
    void ShowMiniViews(bool on);
    // "Afisare mini-ferestre cu proiectii 2D" ticked: an opened furniture brings the mini views up.
    bool MiniViewsWanted() const { return miniViewsWanted_; }
    void SetMiniViewsWanted(bool on);
    // "Toata fereastra": the tool panel and the side windows hidden.
    bool FullWindow() const { return fullWindow_; }
    // "Afisare modele decupare concave": contour models cut concave outlines.
    bool ConcaveModels() const { return concaveModels_; }
    // The display mode: the item index of ComboBox3, shared by every view.
    int DisplayMode() const;
    // The current piece drawn cross-hatched ("&Hasura" of the current-piece window).
    bool HatchChecked() const { return hatchOn_; }
    void SetHatch(bool on);
    // The modified flag and its "*".
    void SetModified(bool on = true);
    // Every editing command: snapshot, change, redraw, refresh of the
    // current-piece window, modified flag. A command that refuses must do so
    // before calling this, so the one undo level survives.
    void ApplyEdit(const std::function<EditResult()>& change);
    // Shows what an edit or an undo touched: textures, fit, mini views, 3D
    // view and the current-piece window. The one refresh path.
    void ShowModelChange(const EditResult& r);
    void SaveUndo();
    void RestoreUndo();
    void Redraw3D();
    void DrawProjections(int which);
    void DrawAxes();
    void FitViewScale();
    // The view that mini view k (0..2) shows: 1 "Fata:", 2 "Spate:", 3 "Stanga:",
    // 4 "Dreapta:", 5 "Sus:", 6 "Jos:".
    int MiniViewShown(int k) const { return k >= 0 && k < 3 ? miniView_[k] : 0; }
    // Mini view k turns to the opposite side; its label follows.
    void SwapMiniView(int k);
    void RefreshPieceWindow();
    void UpdateCaption();
    void BuildTextureAtlas();
    void UpdatePieceTexture(int piece);
    bool PickPalPfl(std::string& code, std::string& picture, Color& color, double& thickness);
    bool FindPalPflCode(const std::string& code, std::string& picture, Color& color, double& thickness);
    // Opens the file named by model.fileName (command line, "Deschide fisier").
    // False when the file was refused: the open furniture is left as it was.
    bool OpenFurniture();
    bool LoadFurnitureFile(const std::string& fileName);
    bool SaveFurnitureFile(const std::string& fileName);
    // What a save command came to; a Yes to a save question goes on unless it failed.
    enum class SaveOutcome { Saved, Cancelled, Failed, NothingToSave };
    SaveOutcome SaveCurrent(); // "Salveaza mobila curenta"
    SaveOutcome SaveAsNew();   // "Salveaza cu nume nou"
    // Writes the furniture to `name` (asking first over an existing file when
    // askOverwrite) and marks it saved.
    SaveOutcome SaveTo(const std::string& name, bool askOverwrite);
    // Default extension of the file dialogs by the chosen filter, for a name typed without one.
    static void OpenDialog1SelectionChange(std::string& fileName, int filterIndex);
    static void SaveDialog1SelectionChange(std::string& fileName, int filterIndex);
    // After a file is opened: the new-piece dialog preset for a first shelf,
    // the views brought up, the current-piece window refreshed.
    void AfterFileOpened();
    // The open dialog of "Deschide fisier": the chosen name when it is an
    // existing file, after the filter's default extension.
    std::optional<std::string> ChooseFurnitureFile(bool preview);

    // ---- event handlers ----
    void FormCreate();
    void FormShow() override;
    bool FormCloseQuery();
    void Exit1Click();
    void Nou1Click();
    void Deschidefisier1Click();
    void Deschidefisiercupreview1Click();
    void Salveazamobilacurenta1Click();
    void Salveazacunumenou1Click();
    void Inchideproiectcurent1Click();
    void Listamateriale1Click();
    void ExportapieseinExcel1Click();
    void SalvareimagineinformatBMPsauJPG1Click();
    void ExportareinformatVRML1Click();
    void Adaugaremobiladintrunfisier1Click();
    void Creareinteriorsertar1Click();
    void Introduceremobilaincamera1Click();
    void Rotatiemobila1Click();
    void Simetriemobila1Click();
    void Redimensionaremobila1Click();
    void Redimensionarejurimprejur1Click();
    void Schimbarecodpalpfl1Click();
    void Schimbareculoare1Click();
    void Recalcularedimensinimobila1Click();
    void Rotunjiredimensiunisipozitii1Click();
    void Distantaintredouapiese1Click();
    void Afisareproiectiecucote1Click();
    void Listapalpfl1Click();
    void Listaferonerie1Click();
    void Afisareminiferestrecuproiectii2D1Click();
    void Redenumiremobila1Click();
    void Vizualizareinteriorexteriorpiese1Click();
    void Fullscreen1Click();
    void Desenareconturmodel1Click();
    void DesenareconturcuPainBrush1Click();
    void Pozitionarepiesepefoidepal1Click();
    void Amenajarecamera1Click();
    void Ajutor2Click();
    void Demonstratie1Click();
    void Despre1Click();
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void BitBtn4Click();
    void BitBtn5Click();
    void BitBtn6Click();
    void BitBtn7Click();
    void BitBtn8Click();
    void BitBtn9Click();
    void BitBtn10Click();
    void BitBtn11Click();
    void BitBtn12Click();
    void BitBtn13Click();
    void BitBtn14Click();
    void BitBtn15Click();
    void BitBtn16Click();
    void BitBtn17Click();
    void BitBtn18Click();
    void RadioGroup1Click();
    void RadioGroup2Click();
    void ComboBox3Change();
    void Image4MouseDown(const PictureBox::MouseArgs& a);
    void Image4MouseMove(const PictureBox::MouseArgs& a);
    void Image4MouseUp(const PictureBox::MouseArgs& a);
    void ImageMiniMouseDown(int view, const PictureBox::MouseArgs& a);
    void ImageMiniMouseMove(int view, const PictureBox::MouseArgs& a);
    void ImageMiniMouseUp(int view, const PictureBox::MouseArgs& a);
    void Timer1Timer();
    void Timer2Timer();
    void Timer3Timer();
    void FormResize();

    // ---- projection window ----
    // Shows the projection window modally on a view (-1: the last one shown);
    // with pauseTimers the OpenGL timers rest meanwhile and start again only
    // with "Rend hard".
    void ShowProjection(int view, bool pauseTimers);
    void Image1DblClick(); // "Fata:"
    void Image2DblClick(); // "Stanga:"
    void Image3DblClick(); // "Jos:"

    // ---- the OpenGL view ----
    LightArrays lights{};
    void InitGL();
    void FormPaint();
    void ResetLightArrays() { zv::ResetLightArrays(lights); }
    // piece >= 0 draws that piece alone into the back buffer, -2 all pieces
    // the same way; -1 clears, draws everything and shows the frame.
    void RenderScene(int piece);
    void ClearGLFrame();
    void SwapGLBuffers();
    // The drawn frame: rows top first, bytes red first.
    void WindowShotGL2(QImage& bitmap);
    static void CalcNormal(const float p1[3], const float p2[3], const float p3[3], float out[3]) {
        zv::CalcNormal(p1, p2, p3, out);
    }
    GLFrameInputs GLInputs() const;
    void FormMouseDown(const PictureBox::MouseArgs& a);
    void FormMouseMove(const PictureBox::MouseArgs& a);
    void FormMouseUp(const PictureBox::MouseArgs& a);

    // ---- new furniture ----
    // The new-piece dialog preset for a first shelf inside the new carcass
    // (FirstShelfPreset of model/Carcass.h), from the extents just recomputed.
    void PresetFirstShelf();
    // ---- the current-piece window ----
    // The current colour: the current-piece window's colour dialog holds it;
    // every board choice and every refresh sets it, new pieces take it.
    Color CurrentColor() const;
    void SetCurrentColor(Color c);
    // The keystrokes after the first of one run of typing in a field: the
    // change shown and marked, without a new snapshot, so the run is one edit.
    void ContinueEdit(const std::function<EditResult()>& change);
    // A run of typing about to make its first change; a text refused at its
    // end takes it back whole, the undo level the user had included.
    std::unique_ptr<EditRunStart> StartEditRun() const;
    void TakeBackEditRun(const EditRunStart& start);
    // A board chosen from the catalogue given to pieces, inside an edit (the
    // caller takes the snapshot): the current colour, each piece's code and
    // colour, and the board's picture as their texture when it can be read; a
    // picture that cannot be read gives one message and leaves the colour.
    EditResult ApplyPieceMaterial(const std::vector<int>& pieces, const std::string& code, const std::string& picture,
                                  Color color);

    // ---- piece editing ----
    // The arrows: the current piece moved, or its maximum side stretched, by
    // the step of Edit7 along the axis, `sign` giving the direction.
    void StepCurrentPiece(Axis axis, int sign);
    // The shrink dialog opened beside the main window, not modal.
    void ShowShrinkDialog();
    // The shrink dialog's piece list: the chosen piece made current.
    void ChooseShrinkPiece(int piece);
    // The shrink dialog's button: the current piece's ticked sides moved in.
    void ShrinkChosenPiece();
    // Double clicks in the OpenGL view and the software view: the piece under
    // the pick point becomes current; nothing changes where there is none.
    void FormDblClick();
    void Image4DblClick();
    // The piece the OpenGL view shows at (x, y) in widget pixels, or -1.
    int PickGL(int x, int y);
    // ---- exports ----
    // The board rule of the piece list (export/BoardPiece.h).
    static bool IsBoardPiece(double a, double b, double c);
    // Reads the OpenGL view's frame and saves it as BMP (asBitmap) or JPEG,
    // whatever the name ends with, then opens it in the paint program. False,
    // with a message, when nothing was captured or the file was not written.
    bool GetOGL_BMP(bool asBitmap, const std::string& fileName);

protected:
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void OpenWithDialog(bool preview);
    void ClearViewPictures();
    // The window with no furniture: start-up and "Inchide proiect curent".
    void ResetToNoFurniture();
    void BuildMenus();
    void BuildControls();
    void LayoutControls();
    std::vector<QWidget*> designWidgets_;
    std::vector<QAction*> designActions_;
    bool closing_ = false;
    bool designOpen_ = false;
    bool hatchOn_ = false;
    bool undoPossible_ = false;
    bool miniViewsShown_ = false;
    bool miniViewsWanted_ = true;
    bool fullWindow_ = false;
    bool concaveModels_ = true;
    int miniView_[3] = {1, 3, 6};
    bool startedUp_ = false; // FormShow runs once for the whole run
    void PaintGLFrame();
    bool glShowsFurniture_ = true; // the OpenGL view may still show a furniture
};

} // namespace zv
