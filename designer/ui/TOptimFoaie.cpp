#include "TOptimFoaie.h"

#include "Forms.h"
#include "Swatch.h"
#include "TMain.h"
#include "TPalPfl.h"
#include "CatalogueGrid.h"
#include "export/FoaiePal.h"
#include "export/PieceList.h"
#include "platform/Canvas.h"
#include "platform/Dialogs.h"
#include "platform/Launcher.h"
#include "platform/Numbers.h"
#include "platform/Picture.h"
#include "platform/widgets/PictureBox.h"

#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zv {

namespace {
bool IsPictureFile(const std::string& name) {
    return !name.empty() && QFileInfo(QString::fromStdString(name)).isFile();
}
} // namespace

TOptimFoaie::TOptimFoaie(QWidget* parent) : FormBase<QDialog>(parent) {
    setObjectName("OptimFoaie");
    setWindowTitle("Optimizare piese pe foaie pal");
    auto* top = new QVBoxLayout(this);

    Panel1 = new QFrame(this);
    Panel1->setObjectName("Panel1");
    Panel1->setFrameShape(QFrame::StyledPanel);
    auto* pv = new QVBoxLayout(Panel1);
    Label1 = new QLabel("Caracteristici material:", Panel1);
    {
        QFont f = Label1->font();
        f.setBold(true);
        Label1->setFont(f);
        QPalette pal = Label1->palette();
        pal.setColor(QPalette::WindowText, Qt::red);
        Label1->setPalette(pal);
    }
    pv->addWidget(Label1);

    auto* row = new QHBoxLayout;
    Button1 = new QPushButton("Selectare", Panel1);
    Button1->setObjectName("Button1");
    row->addWidget(Button1);
    Panel2 = new QFrame(Panel1);
    Panel2->setObjectName("Panel2");
    Panel2->setAutoFillBackground(true);
    Panel2->setFrameShape(QFrame::Panel);
    Panel2->setFrameShadow(QFrame::Sunken);
    Panel2->setFixedSize(60, 60);
    Image1 = new PictureBox(Panel2);
    Image1->setObjectName("Image1");
    Image1->setGeometry(2, 2, 56, 56);
    Image1->stretch = true;
    Image1->setVisible(false);
    row->addWidget(Panel2);
    Button2 = new QPushButton("&Textura", Panel1);
    Button2->setObjectName("Button2");
    Button2->setVisible(false);
    row->addWidget(Button2);
    auto* thick = new QVBoxLayout;
    Label2 = new QLabel("Grosime (mm):", Panel1);
    Edit1 = new QLineEdit(Panel1);
    Edit1->setObjectName("Edit1");
    Edit1->setReadOnly(true);
    Edit1->setMaximumWidth(90);
    thick->addWidget(Label2);
    thick->addWidget(Edit1);
    row->addLayout(thick);
    pv->addLayout(row);
    Label3 = new QLabel(Panel1);
    Label3->setObjectName("Label3");
    pv->addWidget(Label3);
    top->addWidget(Panel1);

    auto* buttons = new QHBoxLayout;
    Button3 = new QPushButton("&Optimizare", this);
    Button3->setObjectName("Button3");
    {
        QFont f = Button3->font();
        f.setBold(true);
        Button3->setFont(f);
    }
    BitBtn1 = new QPushButton("&Inchide", this);
    BitBtn1->setObjectName("BitBtn1");
    buttons->addWidget(Button3);
    buttons->addWidget(BitBtn1);
    top->addLayout(buttons);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    connect(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
}

void TOptimFoaie::ShowMaterial(const std::string& code, std::uint32_t color, double thickness,
                               const std::string& picture) {
    // What the dialog shows is what it exports.
    ChosenCode = code;
    Label3->setText(QString::fromStdString("Cod material: " + (code.empty() ? std::string("(fara cod)") : code)));
    PaintSwatch(Panel2, color);
    if (TMain* m = Forms().Main) m->SetCurrentColor(color);
    Edit1->setText(QString::fromStdString(FormatField(thickness)));
    ShowPicture(picture);
}

void TOptimFoaie::ShowPicture(const std::string& picture) {
    PictureFileName = picture;
    Image1->setVisible(false);
    Image1->setToolTip(QString());
    QImage img;
    if (!IsPictureFile(picture) || !LoadPicture(picture, img).ok) return;
    Image1->canvas().SetSize(img.width(), img.height());
    Image1->canvas().Image() = img.convertToFormat(QImage::Format_RGB32);
    Image1->setToolTip(QString::fromStdString(picture));
    Image1->setVisible(true);
    Image1->update();
}

void TOptimFoaie::FormShow() {
    const TMain* m = Forms().Main;
    const Furniture& f = m->model;
    const int c = f.scene.current;
    if (!f.scene.ValidPiece(c)) return;
    const auto box = f.scene.PieceBox(c);
    double a = box.x1 - box.x0, b = box.y1 - box.y0, t = box.z1 - box.z0;
    SortDimensions(a, b, t);
    const auto i = static_cast<std::size_t>(c);
    ShowMaterial(f.attrs.materialCode[i], f.scene.color[i], t, f.attrs.textureFile[i]);
}

void TOptimFoaie::Button1Click() {
    TMain* m = Forms().Main;
    std::string code = ChosenCode, picture;
    Color color = m->CurrentColor();
    double thickness = 0;
    if (!m->PickPalPfl(code, picture, color, thickness)) return;
    // "Selectare" on an empty catalogue chose nothing.
    if (Forms().PalPfl->StringGrid1->EntryCount() == 0) return;
    ShowMaterial(code, color, thickness, picture);
}

void TOptimFoaie::Button2Click() {
    Image1->setVisible(false);
    FileDialogRequest r;
    r.title = "Textura pal";
    r.filter = "Fisiere cu imagini (*.jpg si *.bmp)|*.bmp;*.jpg|Format JPEG (*.jpg)|*.jpg|Format BITMAP "
               "(*.bmp)|*.bmp|Toate fisierele (*.*)|*.*";
    r.fileName = PictureFileName;
    const auto answer = Dialogs().OpenFile(r);
    if (!answer) return;
    ShowPicture(answer->fileName);
}

void TOptimFoaie::Button3Click() {
    TMain* m = Forms().Main;
    const Furniture& f = m->model;
    if (CountMaterialPieces(f, ChosenCode) == 0) {
        ShowInfo("Nu exista piese din materialul ales.");
        return;
    }
    const QString folder = QDir::currentPath();
    const std::string path = (folder + "/" + kFoaiePalFile).toStdString();
    const std::string error = WriteExportFile(path, FormatFoaiePal(f, ChosenCode));
    if (!error.empty()) {
        ShowError(error + " (" + path + ")");
        return;
    }
    // The launcher's order (the variable, the start-up folder, beside the
    // designer, the PATH); the optimiser runs where the file is.
    const std::string program = OuterProgramPath(OuterProgram::Rezlinor, m->startupFolder);
    if (StartFailed(StartProgram(program, {kFoaiePalFile}, folder.toStdString())))
        ShowError("Nu am gasit aplicatia " + program + ".");
}

} // namespace zv
