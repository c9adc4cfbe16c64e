#include "TAdaugaPalPfl.h"

#include "CatalogueGrid.h"
#include "platform/Dialogs.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

namespace zv {

void ColorPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), ToQColor(color));
    p.setPen(Qt::gray);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void ColorPanel::mousePressEvent(QMouseEvent*) {
    if (onClick) onClick();
}

std::string PickCataloguePicture(const std::string& current) {
    // The dialog may change the current folder; relative picture names depend on it.
    const QString folder = QDir::currentPath();
    FileDialogRequest r;
    r.title = "Selectare fisier cu poza";
    r.filter = "Fisiere bitmap sau jpeg (*.bmp;*.jpg)|*.bmp;*.jpg|Fisiere jpeg (*.bmp)|*.bmp|"
               "Fisiere jpeg (*.jpg)|*.jpg|Toate fisierele (*.*)|*.*";
    r.defaultExt = "jpg";
    r.initialDir = folder.toStdString();
    r.fileName = current;
    auto answer = Dialogs().OpenFile(r);
    QDir::setCurrent(folder);
    return answer ? answer->fileName : std::string();
}

namespace {
QLineEdit* Field(QWidget* parent, const char* name, const char* label, int y, int width) {
    auto* l = new QLabel(label, parent);
    l->setGeometry(12, y + 3, 110, 16);
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setGeometry(126, y, width, 22);
    return e;
}
} // namespace

void CatalogueEntryDialog::MakeButtons(int pictureY, int buttonsY) {
    Button1 = new QPushButton("....", this);
    Button1->setObjectName("Button1");
    Button1->setToolTip("Cautare fisier cu poza");
    Button1->setGeometry(392, pictureY, 34, 22);
    BitBtn1 = new QPushButton("OK", this);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setDefault(true);
    BitBtn1->setGeometry(126, buttonsY, 90, 27);
    BitBtn2 = new QPushButton("Abandonare", this);
    BitBtn2->setObjectName("BitBtn2");
    BitBtn2->setGeometry(230, buttonsY, 90, 27);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(BitBtn1, &QPushButton::clicked, this, [this] { OkClick(); });
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

void CatalogueEntryDialog::FormShow() {
    if (Edit1->isEnabled())
        Edit1->setFocus();
    else
        Edit2->setFocus();
}

void CatalogueEntryDialog::Button1Click() {
    const std::string f = PickCataloguePicture(Edit4->text().toStdString());
    if (!f.empty()) Edit4->setText(QString::fromStdString(f));
}

void CatalogueEntryDialog::OkClick() {
    if (!validate || validate()) accept();
}

TAdaugaPalPfl::TAdaugaPalPfl(QWidget* parent) : CatalogueEntryDialog(parent) {
    setObjectName("AdaugaPalPfl");
    setWindowTitle("Adauga pal/pfl");
    setFixedSize(440, 300);
    Edit1 = Field(this, "Edit1", "Cod:", 12, 100);
    Edit1->setMaxLength(10);
    Edit2 = Field(this, "Edit2", "Descriere:", 40, 300);
    Edit3 = Field(this, "Edit3", "Pret/mp:", 68, 100);
    Edit4 = Field(this, "Edit4", "Poza:", 96, 260);
    Edit5 = Field(this, "Edit5", "Grosime pal/pfl:", 124, 100);
    Edit6 = Field(this, "Edit6", "Pret cant/ml:", 152, 100);
    auto* lc = new QLabel("Culoare:", this);
    lc->setGeometry(12, 195, 110, 16);
    Panel1 = new ColorPanel(this);
    Panel1->setObjectName("Panel1");
    Panel1->setGeometry(126, 182, 41, 41);
    Panel1->setCursor(Qt::PointingHandCursor);
    Button2 = new QPushButton("&Selectare culoare din poza", this);
    Button2->setObjectName("Button2");
    Button2->setGeometry(180, 190, 200, 25);
    MakeButtons(96, 256);
    // The tab order follows the fields from the top.
    setTabOrder(Edit4, Button1);
    setTabOrder(Button1, Edit5);

    Panel1->onClick = [this] { Panel1Click(); };
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
}

void TAdaugaPalPfl::SetColor(Color c) {
    Panel1->color = c & 0xFFFFFFu;
    Panel1->update();
}

Color TAdaugaPalPfl::PanelColor() const { return Panel1->color; }

void TAdaugaPalPfl::Panel1Click() {
    if (auto c = Dialogs().Color(PanelColor())) SetColor(*c);
}

void TAdaugaPalPfl::Button2Click() {
    const std::string file = Edit4->text().toStdString();
    // A missing or unreadable file shows nothing and changes nothing.
    int picked = -1;
    if (ViewCataloguePicture(file, &picked) && picked >= 0) SetColor(static_cast<Color>(picked));
}

} // namespace zv
