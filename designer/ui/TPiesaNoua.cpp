#include "TPiesaNoua.h"

#include "Forms.h"
#include "Swatch.h"
#include "TMain.h"
#include "TPalPfl.h"
#include "TSelePies.h"
#include "platform/Dialogs.h"
#include "platform/Numbers.h"
#include "platform/Picture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace zv {

namespace {
constexpr const char* kModelFilter = "Format BITMAP (*.bmp)|*.bmp|Toate fisierele (*.*)|*.*";
constexpr Color kSilver = 0xC0C0C0;

// A number typed into a position or size field. The fields show numbers with
// the system's separator, and the board's thickness with ".": both are read.
std::optional<double> FieldNumber(const QLineEdit* e) {
    const std::string s = e->text().trimmed().toStdString();
    if (auto v = ParseRealDot(s)) return v;
    return ParseRealSystem(s);
}

bool IsFile(const std::string& name) { return !name.empty() && QFileInfo(QString::fromStdString(name)).isFile(); }

QString Text(double v) { return QString::fromStdString(FormatGeneral(v)); }

// A control with its label on its left, in columns c and c + 1.
void AddLabelled(QGridLayout* g, int r, int c, const char* label, QWidget* w) {
    auto* l = new QLabel(label, w->parentWidget());
    l->setBuddy(w);
    g->addWidget(l, r, c);
    g->addWidget(w, r, c + 1);
}
} // namespace

TPiesaNoua::TPiesaNoua(QWidget* parent) : FormBase<QDialog>(parent) {
    setObjectName("PiesaNoua");
    setWindowTitle("Piesa Noua");
    auto* top = new QVBoxLayout(this);

    auto* head = new QGridLayout;
    top->addLayout(head);
    Edit7 = new QLineEdit("Polita", this);
    Edit7->setObjectName("Edit7");
    Edit7->setMaxLength(50);
    ComboBox2 = new QComboBox(this);
    ComboBox2->setObjectName("ComboBox2");
    for (const char* k : kPiesaKindTexts) ComboBox2->addItem(k);
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName("ComboBox1");
    for (const char* t : kEdgeBandTexts) ComboBox1->addItem(t);
    AddLabelled(head, 0, 0, "Pozitionare:", ComboBox2);
    AddLabelled(head, 1, 0, "Denumire piesa:", Edit7);
    AddLabelled(head, 2, 0, "Cant:", ComboBox1);

    // Position and sizes, side by side in two panels.
    auto* numbers = new QHBoxLayout;
    top->addLayout(numbers);
    auto panel = [&](const char* hint, std::initializer_list<std::pair<const char*, QLineEdit**>> rows) {
        auto* p = new QFrame(this);
        p->setFrameShape(QFrame::StyledPanel);
        p->setToolTip(hint);
        auto* g = new QGridLayout(p);
        int r = 0;
        for (const auto& [label, edit] : rows) {
            *edit = new QLineEdit("0", p);
            AddLabelled(g, r++, 0, label, *edit);
        }
        numbers->addWidget(p);
    };
    panel("Pozitie piesa (mm)", {{"Pozitie X:", &Edit1}, {"Pozitie Y:", &Edit2}, {"Pozitie Z:", &Edit3}});
    panel("Dimensiuni piesa (mm)", {{"Lungime:", &Edit4}, {"Latime:", &Edit5}, {"Grosime:", &Edit6}});
    QLineEdit* edits[] = {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6};
    for (int i = 0; i < 6; ++i) edits[i]->setObjectName(QString("Edit%1").arg(i + 1));

    // The contour model.
    auto* model = new QGridLayout;
    top->addLayout(model);
    model->addWidget(new QLabel("Fisier cu model (contur) piesa:", this), 0, 0, 1, 6);
    Edit8 = new QLineEdit(this);
    Edit8->setObjectName("Edit8");
    Edit8->setToolTip("Numele fisierului cu modelul aplicat piesei");
    Button1 = new QPushButton("...", this);
    Button1->setObjectName("Button1");
    Button1->setToolTip("Selectare fisier cu model");
    Button1->setFixedWidth(30);
    model->addWidget(Edit8, 1, 0, 1, 5);
    model->addWidget(Button1, 1, 5);
    auto combo = [&](const char* name, const char* hint, QStringList items) {
        auto* c = new QComboBox(this);
        c->setObjectName(name);
        c->setToolTip(hint);
        c->addItems(items);
        return c;
    };
    ComboBox3 = combo("ComboBox3", "Roatatia aplicata modelului", {"0 grade", "90 grade", "180 grade", "270 grade"});
    ComboBox4 = combo("ComboBox4", "Daca se aplica sau nu simetrie modelului", {"Fara simetrie", "Cu simetrie"});
    ComboBox5 = combo("ComboBox5", "Fata pe care se aplica modelul", {"0", "1", "2"});
    AddLabelled(model, 2, 0, "Rotatie:", ComboBox3);
    AddLabelled(model, 2, 2, "Simetrie:", ComboBox4);
    AddLabelled(model, 2, 4, "Fata:", ComboBox5);

    // The board: chooser button, swatch, texture flags; and the copy.
    auto* board = new QHBoxLayout;
    top->addLayout(board);
    BitBtn1 = new QPushButton("&Selectare material", this);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setToolTip("Alegerea culorii piesei");
    Panel1 = NewSwatch(this, "Panel1", Image1, 49);
    Panel1->setToolTip(BitBtn1->toolTip());
    Panel1->installEventFilter(this);
    Image1->setObjectName("Image1");
    Image1->setToolTip(BitBtn1->toolTip());
    Image1->onClick = [this] { BitBtn1Click(); };
    SetSwatchColor(kSilver);
    auto* flags = new QVBoxLayout;
    CheckBox2 = new QCheckBox("Repet", this);
    CheckBox2->setObjectName("CheckBox2");
    CheckBox2->setToolTip("Repetitie textura");
    CheckBox2->setChecked(true);
    CheckBox1 = new QCheckBox("Rot. text.", this);
    CheckBox1->setObjectName("CheckBox1");
    CheckBox1->setToolTip("Rotatie textura");
    flags->addWidget(CheckBox2);
    flags->addWidget(CheckBox1);
    BitBtn2 = new QPushButton("C&opiaza piesa", this);
    BitBtn2->setObjectName("BitBtn2");
    BitBtn2->setToolTip("Copiaza datele de la o alta piesa");
    board->addWidget(BitBtn1);
    board->addWidget(Panel1);
    board->addLayout(flags);
    board->addStretch();
    board->addWidget(BitBtn2);

    auto* buttons = new QHBoxLayout;
    top->addLayout(buttons);
    BitBtn3 = new QPushButton("Creaza &piesa", this);
    BitBtn3->setObjectName("BitBtn3");
    BitBtn3->setToolTip("Creaza aceasta piesa");
    BitBtn4 = new QPushButton("Abandon", this);
    BitBtn4->setObjectName("BitBtn4");
    BitBtn4->setToolTip("Abandoneaza crearea piesei");
    buttons->addStretch();
    buttons->addWidget(BitBtn3);
    buttons->addWidget(BitBtn4);

    // Enter creates the piece; the other buttons act only when clicked.
    for (QPushButton* b : {Button1, BitBtn1, BitBtn2, BitBtn4}) b->setAutoDefault(false);
    BitBtn3->setDefault(true);
    connect(BitBtn3, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn4, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    // Only a kind the user picks fills in its defaults: a kind set from code
    // (a copy, a preset) keeps the values that came with it.
    connect(ComboBox2, &QComboBox::activated, this, [this](int) { ComboBox2Change(); });

    ComboBox1->setCurrentIndex(1);
    ComboBox2->setCurrentIndex(KindPolita);
    ComboBox5->setCurrentIndex(0);
}

bool TPiesaNoua::eventFilter(QObject* o, QEvent* e) {
    if (o == Panel1 && e->type() == QEvent::MouseButtonRelease) BitBtn1Click();
    return FormBase<QDialog>::eventFilter(o, e);
}

void TPiesaNoua::SetSwatchColor(std::uint32_t color) { PaintSwatch(Panel1, color); }

void TPiesaNoua::ShowSwatchPicture(const std::string& file) {
    Image1->setVisible(false);
    QImage img;
    if (!IsFile(file) || !LoadPicture(file, img).ok) return;
    Image1->canvas().SetSize(img.width(), img.height());
    Image1->canvas().Image() = img.convertToFormat(QImage::Format_RGB32);
    Image1->setVisible(true);
    Image1->update();
}

void TPiesaNoua::TakeBoard(const std::string& code, std::uint32_t color, const std::string& picture, double thickness) {
    MaterialCode = code;
    if (TMain* m = Forms().Main) m->SetCurrentColor(color);
    TextureFile = picture;
    SetSwatchColor(color);
    ShowSwatchPicture(picture);
    Edit6->setText(QString::fromStdString(FormatFixedDot(thickness, 2)));
}

bool TPiesaNoua::BeginNewPiece() {
    BitBtn1->setText("Selectare\nmaterial\npiesa");
    CheckBox1->setChecked(false);
    Edit8->clear();
    ComboBox3->setCurrentIndex(0);
    ComboBox4->setCurrentIndex(0);
    TMain* m = Forms().Main;
    if (!m) return false;
    const Furniture& f = m->model;
    const int c = f.scene.current;
    MaterialCode = f.scene.ValidPiece(c) ? f.attrs.materialCode[static_cast<std::size_t>(c)] : std::string();
    // The catalogue opens on the current piece's board.
    std::string code = MaterialCode, picture = TextureFile;
    Color color = m->CurrentColor();
    double thickness = FieldNumber(Edit6).value_or(18.0);
    if (!m->PickPalPfl(code, picture, color, thickness)) return false;
    TakeBoard(code, color, picture, thickness);
    HardwareList.Clear();
    return true;
}

void TPiesaNoua::BitBtn1Click() {
    TMain* m = Forms().Main;
    if (!m) return;
    Forms().PalPfl->setWindowTitle("Selectare material piesa noua");
    // The catalogue opens on its first row; a cancel keeps the board chosen before.
    std::string code, picture = TextureFile;
    Color color = m->CurrentColor();
    double thickness = FieldNumber(Edit6).value_or(18.0);
    if (!m->PickPalPfl(code, picture, color, thickness)) return;
    TakeBoard(code, color, picture, thickness);
}

void TPiesaNoua::WriteFields(double x, double y, double z, double length, double width, double thickness) {
    Edit1->setText(Text(x));
    Edit2->setText(Text(y));
    Edit3->setText(Text(z));
    Edit4->setText(Text(length));
    Edit5->setText(Text(width));
    Edit6->setText(Text(thickness));
}

void TPiesaNoua::ComboBox2Change() {
    TMain* m = Forms().Main;
    if (!m) return;
    m->RecomputeFurnitureSize();
    const Furniture& f = m->model;
    NewPieceContext c;
    SetExtents(c, f.scene);
    c.G = f.dim.G;
    c.P = f.dim.P;
    c.S = f.dim.S;
    // A board missing from the catalogue is taken as thick as the furniture's chipboard.
    std::string picture;
    Color color = 0;
    c.t = f.dim.G;
    m->FindPalPflCode(MaterialCode, picture, color, c.t);
    c.back = f.backType;
    c.names = &f.pieceNames;
    c.startupFolder = m->startupFolder;
    Edit8->clear();
    const KindDefaults d = DefaultsForKind(ComboBox2->currentIndex(), c);
    Edit7->setText(QString::fromStdString(d.name));
    WriteFields(d.x, d.y, d.z, d.length, d.width, d.thickness);
    ComboBox1->setCurrentIndex(d.edgeBand);
    ComboBox5->setCurrentIndex(d.face);
    if (!d.modelFile.empty()) Edit8->setText(QString::fromStdString(d.modelFile));
}

void TPiesaNoua::BitBtn2Click() {
    TMain* m = Forms().Main;
    if (!m) return;
    const Furniture& f = m->model;
    const int k = Forms().SelePies->Choose(f.pieceNames, f.scene.current);
    if (!f.scene.ValidPiece(k)) return;
    const NewPiece p = CopyOfPiece(f, k);
    Edit7->setText(QString::fromStdString(p.name));
    Edit7->setFocus();
    ComboBox1->setCurrentIndex(std::clamp(p.slot.edgeBand, 0, 8));
    m->SetCurrentColor(p.color);
    SetSwatchColor(p.color);
    const CopiedLayout l = LayoutOfCopy(p.sx, p.sy, p.sz);
    ComboBox2->setCurrentIndex(l.kind);
    WriteFields(p.x, p.y, p.z, l.length, l.width, l.thickness);
    Edit8->setText(QString::fromStdString(p.slot.modelFile));
    ComboBox3->setCurrentIndex(std::min<int>(p.slot.modelRotation, 3));
    ComboBox4->setCurrentIndex(p.slot.modelMirror == 1 ? 1 : 0);
    ComboBox5->setCurrentIndex(std::min<int>(p.slot.modelFace, 2));
    TextureFile = p.slot.textureFile;
    ShowSwatchPicture(TextureFile);
    CheckBox1->setChecked(p.slot.textureRotated != 0);
    CheckBox2->setChecked(p.slot.textureRepeated != 0);
    MaterialCode = p.slot.materialCode;
    HardwareList = p.slot.hardware;
}

void TPiesaNoua::Button1Click() {
    FileDialogRequest r;
    r.title = "Selecteaza model";
    r.filter = kModelFilter;
    r.defaultExt = "bmp";
    if (const auto answer = Dialogs().OpenFile(r)) Edit8->setText(QString::fromStdString(answer->fileName));
}

void TPiesaNoua::Preset(int kind, const std::string& name, double x, double y, double z, double length, double width,
                        double thickness, int edgeBand, int face) {
    ComboBox1->setCurrentIndex(std::clamp(edgeBand, 0, 8));
    ComboBox2->setCurrentIndex(std::clamp(kind, 0, kPiesaKindCount - 1));
    ComboBox5->setCurrentIndex(std::clamp(face, 0, 2));
    Edit7->setText(QString::fromStdString(name));
    WriteFields(x, y, z, length, width, thickness);
}

void TPiesaNoua::PresetShelf(const std::string& name, double x, double y, double z, double length, double width,
                             double thickness) {
    Preset(KindPolita, name, x, y, z, length, width, thickness, 1, ComboBox5->currentIndex());
}

std::optional<NewPiece> TPiesaNoua::ReadPiece() const {
    double v[6];
    const QLineEdit* fields[6] = {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6};
    for (int i = 0; i < 6; ++i) {
        const auto n = FieldNumber(fields[i]);
        if (!n) return std::nullopt;
        v[i] = *n;
    }
    // A size of 0 or below makes a flat or inverted box.
    if (v[3] <= 0 || v[4] <= 0 || v[5] <= 0) return std::nullopt;
    NewPiece p;
    p.name = Edit7->text().toStdString();
    p.x = v[0];
    p.y = v[1];
    p.z = v[2];
    const BoxSizes b = BoxSizesForKind(std::max(ComboBox2->currentIndex(), 0), v[3], v[4], v[5]);
    p.sx = b.sx;
    p.sy = b.sy;
    p.sz = b.sz;
    if (!NewPieceWithinLimits(p)) return std::nullopt;
    PieceSlot& s = p.slot;
    s.edgeBand = std::max(ComboBox1->currentIndex(), 0);
    s.materialCode = MaterialCode;
    s.hardware = HardwareList;
    s.modelFile = Edit8->text().toStdString();
    s.modelRotation = static_cast<std::uint8_t>(std::max(ComboBox3->currentIndex(), 0));
    s.modelMirror = static_cast<std::uint8_t>(std::max(ComboBox4->currentIndex(), 0));
    s.modelFace = static_cast<std::uint8_t>(std::max(ComboBox5->currentIndex(), 0));
    // The texture only while the swatch shows the board's picture.
    s.textureFile = Image1->isVisibleTo(Panel1) ? TextureFile : std::string();
    s.textureRotated = CheckBox1->isChecked() ? 1 : 0;
    s.textureRepeated = CheckBox2->isChecked() ? 1 : 0;
    return p;
}

bool TPiesaNoua::PiesaExists(const std::string& prefix) const {
    const TMain* m = Forms().Main;
    return m && zv::PiesaExists(m->model.pieceNames, prefix);
}

} // namespace zv
