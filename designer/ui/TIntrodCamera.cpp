#include "TIntrodCamera.h"

#include "Swatch.h"
#include "Forms.h"
#include "Fields.h"
#include "TMain.h"
#include "platform/Dialogs.h"
#include "platform/Numbers.h"
#include "platform/Picture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace zv {

namespace {
constexpr const char* kPictureFilter = "Fisiere cu imagini (*.jpg si *.bmp)|*.bmp;*.jpg|Format JPEG (*.jpg)|*.jpg|"
                                       "Format BITMAP (*.bmp)|*.bmp|Toate fisierele (*.*)|*.*";

} // namespace

TIntrodCamera::TIntrodCamera(QWidget* parent) : FormBase<QDialog>(parent) {
    setObjectName("IntrodCamera");
    setWindowTitle("Introducere mobila in camera");
    auto* top = new QVBoxLayout(this);
    auto* surfaces = new QHBoxLayout;
    top->addLayout(surfaces);
    auto group = [&](const char* title, QGroupBox*& box, QPushButton*& tex, QPushButton*& col, QFrame*& swatch,
                     PictureBox*& pic, QCheckBox*& rot, QCheckBox*& rep, const char* texName, const char* colName,
                     const char* swName, const char* rotName, const char* repName) {
        box = new QGroupBox(title, this);
        auto* g = new QGridLayout(box);
        tex = new QPushButton("Textura", box);
        tex->setObjectName(texName);
        col = new QPushButton("Culoare", box);
        col->setObjectName(colName);
        swatch = NewSwatch(box, swName, pic);
        rot = new QCheckBox("Rot. textura", box);
        rot->setObjectName(rotName);
        rep = new QCheckBox("Repet", box);
        rep->setObjectName(repName);
        g->addWidget(tex, 0, 0);
        g->addWidget(col, 1, 0);
        g->addWidget(swatch, 0, 1, 2, 1);
        g->addWidget(rot, 2, 0, 1, 2);
        g->addWidget(rep, 3, 0, 1, 2);
        surfaces->addWidget(box);
    };
    group("Pereti", Panel1, BitBtn4, BitBtn3, Panel3, ImagePereti, CheckBox1, CheckBox3, "BitBtn4", "BitBtn3", "Panel3",
          "CheckBox1", "CheckBox3");
    group("Pardoseala", Panel2, BitBtn1, BitBtn2, Panel4, ImagePardoseala, CheckBox2, CheckBox4, "BitBtn1", "BitBtn2",
          "Panel4", "CheckBox2", "CheckBox4");
    PaintSwatch(Panel3, wallColor);
    PaintSwatch(Panel4, floorColor);

    auto fields = [&](const char* title,
                      std::initializer_list<std::tuple<const char*, const char*, QLineEdit**>> rows) {
        auto* box = new QGroupBox(title, this);
        auto* g = new QGridLayout(box);
        int r = 0;
        for (const auto& [label, value, edit] : rows) {
            g->addWidget(new QLabel(label, box), r, 0);
            *edit = new QLineEdit(value, box);
            g->addWidget(*edit, r, 1);
            ++r;
        }
        top->addWidget(box);
        return g;
    };
    fields("Dimensiuni camera (mm):", {{"Latime:", "4000", &Edit1},
                                       {"Inaltime:", "2500", &Edit2},
                                       {"Adancime:", "4000", &Edit3},
                                       {"Gros pereti:", "55", &Edit4}});
    QGridLayout* pos = fields("Pozitie mobila (mm):",
                              {{"Stanga:", "0", &Edit5}, {"Jos:", "0", &Edit6}, {"Spate:", "55", &Edit7}});
    QLineEdit* edits[] = {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit7};
    for (int i = 0; i < 7; ++i) edits[i]->setObjectName(QString("Edit%1").arg(i + 1));
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName("ComboBox1");
    ComboBox1->addItems({"------------", "centrat-spate", "stanga-spate", "dreapta-spate"});
    ComboBox1->setCurrentIndex(1);
    pos->addWidget(ComboBox1, 3, 0, 1, 2);

    auto* buttons = new QHBoxLayout;
    OkButton = new QPushButton("Creaza &camera", this);
    OkButton->setObjectName("OkButton");
    CancelButton = new QPushButton("&Abandoneaza", this);
    CancelButton->setObjectName("CancelButton");
    buttons->addWidget(OkButton);
    buttons->addWidget(CancelButton);
    top->addLayout(buttons);

    // Enter creates the room; the picture and colour buttons only on a click.
    for (QPushButton* b : {BitBtn4, BitBtn3, BitBtn1, BitBtn2, CancelButton}) b->setAutoDefault(false);
    OkButton->setDefault(true);
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitBtn4, &QPushButton::clicked, this, [this] { BitBtn4Click(); });
    connect(BitBtn3, &QPushButton::clicked, this, [this] { BitBtn3Click(); });
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
    connect(ComboBox1, &QComboBox::activated, this, [this](int) { ComboBox1Change(); });
    connect(Edit1, &QLineEdit::textEdited, this, [this] { Edit1Change(); });
    Edit5->installEventFilter(this);
}

bool TIntrodCamera::eventFilter(QObject* o, QEvent* e) {
    if (o == Edit5 && e->type() == QEvent::FocusIn) Edit5Enter();
    return FormBase<QDialog>::eventFilter(o, e);
}

void TIntrodCamera::ChooseTexture(bool walls) {
    FileDialogRequest r;
    r.title = walls ? "Textura pereti" : "Textura pardoseala";
    r.filter = kPictureFilter;
    if (TMain* m = Forms().Main) r.initialDir = m->startupFolder;
    const auto answer = Dialogs().OpenFile(r);
    if (!answer || !QFileInfo::exists(QString::fromStdString(answer->fileName))) return;
    PictureBox* pic = walls ? ImagePereti : ImagePardoseala;
    QImage img;
    const PictureResult res = LoadPicture(answer->fileName, img);
    if (!res.ok) {
        ShowError(res.error);
        return;
    }
    pic->canvas().SetSize(img.width(), img.height());
    pic->canvas().Image() = img.convertToFormat(QImage::Format_RGB32);
    pic->setVisible(true);
    pic->update();
    (walls ? wallTexture : floorTexture) = answer->fileName;
    (walls ? Panel1 : Panel2)->setToolTip(QString::fromStdString(answer->fileName));
}

void TIntrodCamera::ChooseColor(bool walls) {
    const auto c = Dialogs().Color(walls ? wallColor : floorColor);
    if (!c) return;
    PictureBox* pic = walls ? ImagePereti : ImagePardoseala;
    QFrame* swatch = walls ? Panel3 : Panel4;
    pic->setVisible(false);
    swatch->setToolTip(walls ? "Culoare pereti" : "Culoare pardoseala");
    // Only the dialog's own state: the furniture changes with "Creaza camera".
    (walls ? wallColor : floorColor) = *c & 0xFFFFFF;
    // A colour replaces the texture of that surface.
    (walls ? wallTexture : floorTexture).clear();
    PaintSwatch(swatch, *c & 0xFFFFFF);
}

void TIntrodCamera::BitBtn4Click() { ChooseTexture(true); }
void TIntrodCamera::BitBtn3Click() { ChooseColor(true); }
void TIntrodCamera::BitBtn1Click() { ChooseTexture(false); }
void TIntrodCamera::BitBtn2Click() { ChooseColor(false); }

void TIntrodCamera::ComboBox1Change() {
    const auto width = ParseRealSystem(Edit1->text().trimmed().toStdString());
    const auto wall = ParseRealSystem(Edit4->text().trimmed().toStdString());
    if (!width || !wall) return;
    TMain* m = Forms().Main;
    if (!m) return;
    const int preset = ComboBox1->currentIndex();
    if (preset < 1 || preset > 3) return;
    // The furniture's own width: a room made before does not count.
    double minX = 0, maxX = 0;
    FurnitureExtentX(m->model, minX, maxX);
    Edit5->setText(QString::fromStdString(FormatGeneral(RoomPresetLeft(preset, minX, maxX, *width, *wall, 0))));
}

// The preset shown is the preset applied: the dialog opens on "centrat-spate".
void TIntrodCamera::FormShow() { ComboBox1Change(); }

void TIntrodCamera::Edit1Change() { ComboBox1->setCurrentIndex(0); }
void TIntrodCamera::Edit5Enter() { ComboBox1->setCurrentIndex(0); }

std::optional<RoomParams> TIntrodCamera::ReadChecked(const Furniture& f) {
    QLineEdit* const edits[kRoomFields] = {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit7};
    RoomParams p;
    double* const out[kRoomFields] = {&p.width, &p.height, &p.depth, &p.wall, &p.left, &p.bottom, &p.back};
    if (!ReadCheckedFields(edits, out, kRoomFieldLabels, [&] { return CheckRoom(f, p); })) return std::nullopt;
    p.walls = {wallColor, wallTexture, CheckBox1->isChecked(), CheckBox3->isChecked()};
    p.floor = {floorColor, floorTexture, CheckBox2->isChecked(), CheckBox4->isChecked()};
    return p;
}

void TIntrodCamera::accept() {
    TMain* m = Forms().Main;
    if (m && !ReadChecked(m->model)) return;
    FormBase<QDialog>::accept();
}

} // namespace zv
