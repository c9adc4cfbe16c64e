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
    int ProjectionView = 1;  // 0 "Jos", 1 "Fata", 2 "Dreapta"
    FontChoice font;         // names and figures
    int selectedPiece = -1;  // piece index, -1 none
    int highlightedHalf = 0;
    int pressedPiece = -1;   // entry number of the piece under a press, -1 none
    ProjectionContours contours;
    // The last drawing as laid out, for what reads the screen (picking).
    ProjectionPicture picture;

    // ---- operations ----
    ProjectionOptions Options() const;
    void ProjectPieces();
    void RedrawProjection();

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

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    enum class PictureKind { Bmp, Jpeg };
    void SavePictureAs(PictureKind kind);
    void LayoutControls();
    std::set<std::string> told_; // contour messages shown during this showing
};

} // namespace zv
