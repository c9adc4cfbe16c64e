#pragma once
// The projection window: the furniture drawn flat on one view with its
// dimension figures. It keeps no model: every drawing lays the pieces out
// again from the main window's scene.
#include "platform/Dialogs.h"
#include "platform/widgets/FormBase.h"
#include "platform/widgets/PictureBox.h"
#include "platform/widgets/RadioGroup.h"
#include "render/Projection.h"

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <set>
#include <string>

class QTimer;

namespace zv {

inline constexpr const char* kProjectionJpegTitle = "Salvare foaie in fisier JPG";
inline constexpr const char* kProjectionBmpTitle = "Salvare foaie in fisier BMP";

class TProiect : public FormBase<QDialog> {
    Q_OBJECT
public:
    explicit TProiect(QWidget* parent = nullptr);

    // ---- controls ----
    PictureBox* Image1;
    RadioGroup *RadioGroup1, *RadioGroup2;
    QPushButton *Button1, *Button2, *Button3, *Button4, *Button5, *Button6, *Button7;
    QCheckBox *CheckBox1, *CheckBox2, *CheckBox3, *CheckBox4;
    QLabel *Label1, *Label2, *Label4, *Label5;
    QSpinBox *SpinEdit1, *SpinEdit2, *SpinEdit4;
    QLineEdit* Edit3;

    // ---- state ----
    int ProjectionView = 1; // 0 "Jos", 1 "Fata", 2 "Dreapta"
    FontChoice font;        // names and figures
    // The selection and the press (entry numbers are piece index + 1).
    int pressedPiece = -1;     // entry number of the piece under the press in progress, -1 none
    int lastClickedPiece = -1; // entry number of the piece of the last completed press
    int selectedPiece = -1;    // piece index of the first piece of an alignment, -1 none
    int secondPiece = -1;      // piece index of the second piece, -1 none
    int highlightedHalf = 0;   // the half of the selected piece drawn red
    int edgeAtPress = 0;       // 0 the pressed piece's minimum edge on the drag axis, 1 its maximum
    int firstEdge = 0, secondEdge = 0;
    struct Drag {
        bool undoTaken = false; // the press has taken the undo snapshot
        bool stopped = false;   // the press met the box limit: its further moves change nothing
        int mode = 0;           // 1: Shift held at the press (the alignment stretches)
        double widthAtPress = 0, heightAtPress = 0;
        double scale = 1;
        double hStart = 0, vStart = 0; // the pressed piece's minima on the view's axes
        double mouseX = 0, mouseY = 0;
    } drag;
    ProjectionContours contours;
    // The last drawing as laid out, for what reads the screen (picking).
    ProjectionPicture picture;

    // ---- operations ----
    ProjectionOptions Options() const;
    void ProjectPieces();
    void RedrawProjection();
    // Contour state reset, then a new projection and drawing: after every edit.
    void Reproject();
    // The undo snapshot just taken by this window's editing: "&Anulare" can use it.
    void SnapshotTaken() { Button6->setEnabled(true); }

    // ---- event handlers ----
    void FormShow() override;
    void RadioGroup1Click();
    void CheckBox1Click();
    void CheckBox2Click();
    void CheckBox3Click();
    void CheckBox4Click();
    void SpinEdit1Change();
    void SpinEdit2Change();
    void Button1Click();
    void Button4Click(); // BMP
    void Button5Click(); // JPEG
    void Image1MouseDown(const PictureBox::MouseArgs& a);
    void Image1MouseMove(const PictureBox::MouseArgs& a);
    void Image1MouseUp(const PictureBox::MouseArgs& a);
    void Image1DblClick(const PictureBox::MouseArgs& a);
    void RadioGroup2Click();
    void Button2Click(); // "Piesa &noua"
    void Button3Click(); // "S&terge piesa"
    void Button7Click(); // "&Dimensiuni piese"
    void Button6Click(); // "&Anulare"
    void FormHide() override;

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    enum class PictureKind { Bmp, Jpeg };
    void SavePictureAs(PictureKind kind);
    void LayoutControls();
    // A press ended: by its release, or when its release was lost.
    void EndPress();
    // Selections and entries the model no longer holds are dropped.
    void DropStaleSelection();
    void ClearSelection();
    void AlignSelected();
    void WarnUnlessDoubleClick(const std::string& text);
    std::set<std::string> told_;     // contour messages shown during this showing
    QTimer* pressWarning_ = nullptr; // the warning of a press on no piece, waiting for a double-click
    std::string pendingWarning_;
};

} // namespace zv
