#include "TCreareSertar.h"

#include "Swatch.h"
#include "Forms.h"
#include "Fields.h"
#include "TMain.h"
#include "TPalPfl.h"
#include "platform/Dialogs.h"
#include "platform/Numbers.h"
#include "platform/Picture.h"
#include "platform/widgets/RadioGroup.h"

#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zv {

namespace {
constexpr const char* kPictureFilter = "Fisiere cu imagini (*.jpg si *.bmp)|*.bmp;*.jpg|Format JPEG (*.jpg)|*.jpg|"
                                       "Format BITMAP (*.bmp)|*.bmp|Toate fisierele (*.*)|*.*";

} // namespace

TCreareSertar::TCreareSertar(QWidget* parent) : FormBase<QDialog>(parent) {
    setObjectName("CreareSertar");
    setWindowTitle("Creare sertar");
    auto* top = new QVBoxLayout(this);

    auto edit = [this](QGridLayout* g, int row, const char* label, QLineEdit*& e, const char* name) {
        g->addWidget(new QLabel(label, this), row, 0);
        e = new QLineEdit(this);
        e->setObjectName(name);
        g->addWidget(e, row, 1);
    };

    auto* inner = new QGroupBox("CARACTERISTICI INTERIOR SERTAR:", this);
    auto* gi = new QGridLayout(inner);
    edit(gi, 0, "Adancime sertar (fara fata):", Edit1, "Edit1");
    edit(gi, 1, "Carton peste laterale (mm):", Edit10, "Edit10");
    edit(gi, 2, "Grosime carton (jos):", Edit2, "Edit2");
    edit(gi, 3, "Grosime laterale:", Edit3, "Edit3");
    RadioGroup1 = new RadioGroup("Spate", {"Intre laterale", "Peste laterale"}, inner);
    RadioGroup1->setObjectName("RadioGroup1");
    RadioGroup1->SetItemIndex(0);
    gi->addWidget(RadioGroup1, 0, 2, 4, 1);
    top->addWidget(inner);

    auto* material = new QGroupBox("Material interior sertar", this);
    auto* gm = new QGridLayout(material);
    auto board = [&](int col, const char* caption, const char* name, QPushButton*& b, QFrame*& swatch,
                     const char* swName, PictureBox*& pic) {
        b = new QPushButton(caption, material);
        b->setObjectName(name);
        swatch = NewSwatch(material, swName, pic);
        gm->addWidget(b, 0, col);
        gm->addWidget(swatch, 0, col + 1);
    };
    board(0, "Jos", "BitBtn16", BitBtn16, Panel5, "Panel5", Image1);
    board(2, "Laterale", "BitBtn3", BitBtn3, Panel8, "Panel8", Image2);
    Button5 = new QPushButton("&Textura", material);
    Button5->setObjectName("Button5");
    gm->addWidget(Button5, 0, 4);
    PaintSwatch(Panel5, bottomColor);
    PaintSwatch(Panel8, sideColor);
    top->addWidget(material);

    auto* lower = new QHBoxLayout;
    auto* dist = new QGroupBox("Distantele fata de marginile fetei sertarului:", this);
    auto* gd = new QGridLayout(dist);
    edit(gd, 0, "Stanga:", Edit4, "Edit4");
    edit(gd, 1, "Dreapta:", Edit5, "Edit5");
    edit(gd, 2, "Sus:", Edit6, "Edit6");
    edit(gd, 3, "Jos:", Edit7, "Edit7");
    lower->addWidget(dist);
    auto* front = new QGroupBox("Dimeniuni fata sertar:", this);
    auto* gf = new QGridLayout(front);
    edit(gf, 0, "Latime:", Edit8, "Edit8");
    edit(gf, 1, "Inaltime:", Edit9, "Edit9");
    gf->setRowStretch(2, 1);
    lower->addWidget(front);
    top->addLayout(lower);

    auto* buttons = new QHBoxLayout;
    OkButton = new QPushButton("Creare &interior sertar", this);
    OkButton->setObjectName("OkButton");
    CancelButton = new QPushButton("&Abandonare", this);
    CancelButton->setObjectName("CancelButton");
    buttons->addWidget(OkButton);
    buttons->addWidget(CancelButton);
    top->addLayout(buttons);

    for (QPushButton* b : {BitBtn16, BitBtn3, Button5, CancelButton}) b->setAutoDefault(false);
    OkButton->setDefault(true);
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitBtn16, &QPushButton::clicked, this, [this] { BitBtn16Click(); });
    connect(BitBtn3, &QPushButton::clicked, this, [this] { BitBtn3Click(); });
    connect(Button5, &QPushButton::clicked, this, [this] { Button5Click(); });
}

bool TCreareSertar::ShowPicture(PictureBox* pic, const std::string& file) {
    QImage img;
    const PictureResult r = LoadPicture(file, img);
    if (!r.ok) {
        ShowError(r.error);
        return false;
    }
    pic->canvas().SetSize(img.width(), img.height());
    pic->canvas().Image() = img.convertToFormat(QImage::Format_RGB32);
    pic->setVisible(true);
    pic->update();
    return true;
}

void TCreareSertar::ChooseBoard(bool bottom) {
    TMain* m = Forms().Main;
    if (!m || !Forms().PalPfl) return;
    Forms().PalPfl->setWindowTitle(bottom ? "Selectare pfl/pal jos" : "Selectare pal laterale");
    std::string& code = bottom ? bottomCode : sideCode;
    std::string picture = bottom ? bottomPicture : sidePicture;
    Color color = bottom ? bottomColor : sideColor;
    QLineEdit* thicknessField = bottom ? Edit2 : Edit3;
    double thickness = ParseField(thicknessField->text().toStdString()).value_or(0.0);
    std::string chosen = code;
    if (!m->PickPalPfl(chosen, picture, color, thickness)) return;
    code = chosen;
    (bottom ? bottomPicture : sidePicture) = picture;
    (bottom ? bottomColor : sideColor) = color;
    thicknessField->setText(QString::fromStdString(FormatFixedDot(thickness, 2)));
    QFrame* swatch = bottom ? Panel5 : Panel8;
    PictureBox* pic = bottom ? Image1 : Image2;
    PaintSwatch(swatch, color);
    swatch->setToolTip("Culoarea palului pentru interiorul sertarului");
    pic->setVisible(false);
    if (QFileInfo(QString::fromStdString(picture)).isFile() && ShowPicture(pic, picture))
        swatch->setToolTip(QString::fromStdString(picture + ": " + code));
}

void TCreareSertar::BitBtn16Click() { ChooseBoard(true); }
void TCreareSertar::BitBtn3Click() { ChooseBoard(false); }

void TCreareSertar::Button5Click() {
    FileDialogRequest r;
    r.title = "Textura piesa";
    r.filter = kPictureFilter;
    r.fileName = sidePicture;
    if (TMain* m = Forms().Main) r.initialDir = m->startupFolder;
    const auto answer = Dialogs().OpenFile(r);
    if (!answer || !QFileInfo(QString::fromStdString(answer->fileName)).isFile()) return;
    sidePicture = answer->fileName;
    if (ShowPicture(Image2, sidePicture)) Panel8->setToolTip(QString::fromStdString(sidePicture));
}

std::optional<DrawerInput> TCreareSertar::ReadChecked(const Furniture& f) {
    if (!f.scene.ValidPiece(f.scene.current)) return std::nullopt;
    DrawerInput in;
    // In the order of the fields' names in the model.
    QLineEdit* const edits[kDrawerFields] = {Edit1, Edit10, Edit2, Edit3, Edit4, Edit5, Edit6, Edit7, Edit8, Edit9};
    double* const out[kDrawerFields] = {&in.depth, &in.overlap, &in.bottomThickness, &in.sideThickness, &in.left,
                                        &in.right, &in.top,     &in.bottom,          &in.width,         &in.height};
    const auto check = [&] {
        // Behind the front: from its lower left corner, at its back face.
        const Scene3D::Box front = f.scene.PieceBox(f.scene.current);
        in.x = front.x0;
        in.y = front.y0;
        in.z = front.z1;
        return CheckDrawer(in);
    };
    if (!ReadCheckedFields(edits, out, kDrawerFieldLabels, check)) return std::nullopt;
    in.backOverSides = RadioGroup1->ItemIndex() == 1;
    return in;
}

void TCreareSertar::accept() {
    TMain* m = Forms().Main;
    if (m && !ReadChecked(m->model)) return;
    FormBase<QDialog>::accept();
}

} // namespace zv
