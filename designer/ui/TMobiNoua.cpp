#include "TMobiNoua.h"

#include "Forms.h"
#include "Swatch.h"
#include "TMain.h"
#include "TPalPfl.h"
#include "platform/Canvas.h"
#include "platform/Dialogs.h"
#include "platform/Numbers.h"
#include "platform/Picture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>
#include <limits>

namespace zv {

namespace {
const char* const kPlacements[2] = {"Peste laterale", "Intre laterale"};

std::optional<double> ReadNumber(const QLineEdit* e) { return ParseRealDot(e->text().trimmed().toStdString()); }
} // namespace

TMobiNoua::TMobiNoua(QWidget* parent) : FormBase<QDialog>(parent) {
    setObjectName("MobiNoua");
    setWindowTitle("Mobila noua");
    auto* top = new QVBoxLayout(this);

    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(new QLabel("Denumire mobila:", this));
    Edit1 = new QLineEdit("Mobila", this);
    Edit1->setObjectName("Edit1");
    Edit1->setMaxLength(50);
    nameRow->addWidget(Edit1, 1);
    top->addLayout(nameRow);

    auto* middle = new QHBoxLayout;
    top->addLayout(middle);
    auto* dims = new QGroupBox("Dimensiuni (mm):", this);
    auto* g = new QGridLayout(dims);
    QLabel* labels[7] = {};
    QLineEdit** edits[7] = {&Edit2, &Edit3, &Edit4, &Edit5, &Edit6, &Edit7, &Edit8};
    const char* const texts[7] = {
        "Latime:", "Inaltime:", "Adancime:", "Grosime pal:", "Gros. pfl:", "Bordura cuie:", "Inaltime soclu:"};
    const char* const values[7] = {"800", "2000", "300", "18", "4", "10", "70"};
    for (int i = 0; i < 7; ++i) {
        labels[i] = new QLabel(texts[i], dims);
        labels[i]->setObjectName(QString("Label%1").arg(i + 2));
        *edits[i] = new QLineEdit(values[i], dims);
        (*edits[i])->setObjectName(QString("Edit%1").arg(i + 2));
        (*edits[i])->setMaximumWidth(90);
        g->addWidget(labels[i], i, 0);
        g->addWidget(*edits[i], i, 1);
    }
    Label8 = labels[6];
    Edit7->setToolTip("Latime zona fixat spate din pfl folosind cuie");
    labels[5]->setToolTip(Edit7->toolTip());
    middle->addWidget(dims);

    auto* choices = new QVBoxLayout;
    middle->addLayout(choices);
    RadioGroup1 = new RadioGroup("Spate", {"Aplicat", "Incastrat"}, this);
    RadioGroup1->setObjectName("RadioGroup1");
    RadioGroup1->SetItemIndex(0);
    choices->addWidget(RadioGroup1);
    auto* placing = new QGridLayout;
    auto combo = [&](const char* name, const char* label, int row, int index) {
        auto* c = new QComboBox(this);
        c->setObjectName(name);
        c->addItems({kPlacements[0], kPlacements[1]});
        c->setCurrentIndex(index);
        placing->addWidget(new QLabel(label, this), row, 0);
        placing->addWidget(c, row, 1);
        return c;
    };
    ComboBox1 = combo("ComboBox1", "Sus:", 0, 0);
    ComboBox2 = combo("ComboBox2", "Jos:", 1, 1);
    choices->addLayout(placing);
    RadioGroup2 = new RadioGroup("", {"Cu soclu", "Fara soclu"}, this);
    RadioGroup2->setObjectName("RadioGroup2");
    RadioGroup2->SetItemIndex(0);
    choices->addWidget(RadioGroup2);
    choices->addStretch(1);

    auto* boards = new QHBoxLayout;
    top->addLayout(boards);
    auto board = [&](const char* button, const char* text, const char* panel, const char* image, QPushButton*& b,
                     QFrame*& swatch, PictureBox*& pic) {
        b = new QPushButton(text, this);
        b->setObjectName(button);
        b->setToolTip("Setarea culorii mobilei");
        b->setAutoDefault(false);
        swatch = NewSwatch(this, panel, pic);
        swatch->setToolTip("Culoare mobila");
        PaintSwatch(swatch, kSilver);
        pic->setObjectName(image);
        boards->addWidget(b);
        boards->addWidget(swatch);
        boards->addSpacing(12);
    };
    board("BitBtn3", "Material mobila", "Panel3", "Image1", BitBtn3, Panel3, Image1);
    board("BitBtn5", "Material spate", "Panel4", "Image2", BitBtn5, Panel4, Image2);
    boards->addStretch(1);

    CheckBox2 = new QCheckBox("Textura aplicata repetat", this);
    CheckBox2->setObjectName("CheckBox2");
    CheckBox2->setChecked(true);
    CheckBox1 = new QCheckBox("Model textura rotit", this);
    CheckBox1->setObjectName("CheckBox1");
    for (QCheckBox* c : {CheckBox2, CheckBox1}) {
        c->setToolTip("Rotatie textura");
        top->addWidget(c);
    }

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    BitBtn1 = new QPushButton("Creaza &mobila", this);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton("&Abandoneaza", this);
    BitBtn2->setObjectName("BitBtn2");
    BitBtn2->setAutoDefault(false);
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    top->addLayout(buttons);

    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitBtn3, &QPushButton::clicked, this, [this] { BitBtn3Click(); });
    connect(BitBtn5, &QPushButton::clicked, this, [this] { BitBtn5Click(); });
    // Only what the user picks: code that sets a choice runs no handler.
    RadioGroup2->onClick = [this] { RadioGroup2Click(); };
    connect(ComboBox2, &QComboBox::activated, this, [this](int) { ComboBox2Change(); });
}

void TMobiNoua::FormShow() { CheckBox1->setChecked(false); }

void TMobiNoua::ShowPlinthChoice() {
    const bool plinth = RadioGroup2->ItemIndex() == 0;
    Edit8->setEnabled(plinth);
    Label8->setEnabled(plinth);
}

// "Cu soclu" puts the bottom between the sides: a plinth stands only under such a bottom.
void TMobiNoua::RadioGroup2Click() {
    if (RadioGroup2->ItemIndex() == 0) ComboBox2->setCurrentIndex(1);
    ShowPlinthChoice();
}

// A bottom over the sides leaves no room for a plinth. Setting the radio
// runs no handler, so the plinth field is disabled here as well.
void TMobiNoua::ComboBox2Change() {
    if (ComboBox2->currentIndex() == 0) RadioGroup2->SetItemIndex(1);
    ShowPlinthChoice();
}

bool TMobiNoua::ChooseBoard(Board which) {
    TMain* m = Forms().Main;
    if (!m || !Forms().PalPfl) return false;
    const bool back = which == Board::Back;
    Forms().PalPfl->setWindowTitle(back ? "Selectare pfl/pal pentru spatele mobilei" : "Selectare pal mobila");
    std::string& code = back ? BackCode : BodyCode;
    std::uint32_t& color = back ? BackColor : BodyColor;
    std::string& texture = back ? BackTexture : BodyTexture;
    QLineEdit* thicknessField = back ? Edit6 : Edit5;
    QFrame* swatch = back ? Panel4 : Panel3;
    PictureBox* pic = back ? Image2 : Image1;

    // An empty catalogue answers OK and leaves these as they are.
    std::string picture = texture;
    double thickness = ReadNumber(thicknessField).value_or(std::numeric_limits<double>::quiet_NaN());
    Color chosen = color;
    if (!m->PickPalPfl(code, picture, chosen, thickness)) return false;
    color = chosen;
    m->SetCurrentColor(color);
    PaintSwatch(swatch, color);
    pic->setVisible(false);
    swatch->setToolTip("Culoare mobila");

    texture.clear();
    if (QFileInfo(QString::fromStdString(picture)).isFile()) {
        QImage img;
        const PictureResult r = LoadPicture(picture, img);
        if (r.ok) {
            texture = picture;
            pic->canvas().SetSize(img.width(), img.height());
            pic->canvas().Image() = img.convertToFormat(QImage::Format_RGB32);
            pic->setVisible(true);
            pic->update();
            swatch->setToolTip("Textura mobila");
        } else {
            // Said once here; the pieces are drawn in the board's colour.
            ShowError(r.error);
        }
    }
    if (std::isfinite(thickness)) thicknessField->setText(QString::fromStdString(FormatFixedDot(thickness, 2)));
    return true;
}

std::optional<CarcassInput> TMobiNoua::ReadCarcass() const {
    CarcassInput s;
    s.name = Edit1->text().toStdString();
    const std::pair<const QLineEdit*, double*> fields[] = {{Edit2, &s.W}, {Edit3, &s.H}, {Edit4, &s.D},
                                                           {Edit5, &s.G}, {Edit6, &s.P}, {Edit7, &s.B}};
    for (const auto& [edit, out] : fields) {
        const auto v = ReadNumber(edit);
        if (!v) return std::nullopt;
        *out = *v;
    }
    s.S = 0;
    if (RadioGroup2->ItemIndex() == 0) {
        const auto v = ReadNumber(Edit8);
        if (!v) return std::nullopt;
        s.S = *v;
    }
    s.back = RadioGroup1->ItemIndex() == 1 ? BackType::Incastrat : BackType::Aplicat;
    s.topOver = ComboBox1->currentIndex() == 0;
    s.bottomOver = ComboBox2->currentIndex() == 0;
    return s;
}

CarcassMaterials TMobiNoua::Materials() const {
    CarcassMaterials m;
    m.bodyColor = BodyColor;
    m.backColor = BackColor;
    m.bodyCode = BodyCode;
    m.backCode = BackCode;
    m.bodyTexture = BodyTexture;
    m.backTexture = BackTexture;
    m.textureRotated = CheckBox1->isChecked();
    m.textureRepeated = CheckBox2->isChecked();
    return m;
}

} // namespace zv
