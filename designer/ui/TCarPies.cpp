#include "TCarPies.h"

#include "TMain.h"
#include "Forms.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace zv {

TCarPies::TCarPies(QWidget* parent) : FormBase<QDialog>(parent) {
    setObjectName("CarPies");
    setWindowTitle("Caract. piesa curenta");
    setWindowFlag(Qt::Tool);
    setWindowFlag(Qt::WindowStaysOnTopHint);
    auto* lay = new QVBoxLayout(this);
    ComboBox2 = new QComboBox(this);
    ComboBox2->setObjectName("ComboBox2");
    lay->addWidget(ComboBox2);
    CheckBox2 = new QCheckBox("&Hasura", this);
    CheckBox2->setObjectName("CheckBox2");
    lay->addWidget(CheckBox2);
    // Code sets "&Hasura" too (start-up, open, full window); the fill style follows it.
    connect(CheckBox2, &QCheckBox::toggled, this, [](bool on) {
        if (TMain* m = Forms().Main) m->SetHatch(on);
    });
    Label11 = new QLabel("*", this);
    Label11->setObjectName("Label11");
    Label11->setStyleSheet("color: red; font-weight: bold;");
    Label11->setVisible(false);
    lay->addWidget(Label11);
}

void TCarPies::MirrorPieceNames() {
    TMain* m = Forms().Main;
    if (!m) return;
    const QSignalBlocker block(ComboBox2);
    ComboBox2->clear();
    for (const auto& n : m->model.pieceNames) ComboBox2->addItem(QString::fromStdString(n));
    const int cur = m->model.scene.current;
    ComboBox2->setCurrentIndex(cur >= 0 && cur < ComboBox2->count() ? cur : -1);
}

} // namespace zv

namespace zv {

void TCarPies::FormShow() {
    // The first showing puts the window at the main window's top right corner.
    if (++ShowCount != 1) return;
    if (TMain* m = Forms().Main) {
        adjustSize();
        move(m->x() + m->width() - width() - 25, m->y());
    }
}

} // namespace zv
