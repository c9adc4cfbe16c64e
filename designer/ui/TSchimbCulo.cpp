#include "TSchimbCulo.h"

#include "DialogButtons.h"
#include "platform/Dialogs.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace zv {

namespace {
void Paint(QFrame* panel, Color c) {
    panel->setStyleSheet(QString("QFrame#%1 { background: rgb(%2, %3, %4); border: 1px solid black; }")
                             .arg(panel->objectName())
                             .arg(RedOf(c))
                             .arg(GreenOf(c))
                             .arg(BlueOf(c)));
}
} // namespace

TSchimbCulo::TSchimbCulo(QWidget* parent) : FormBase<QDialog>(parent) {
    setObjectName("SchimbCulo");
    setWindowTitle("Schimbare culoare");
    auto* top = new QVBoxLayout(this);
    auto* g = new QGridLayout;
    top->addLayout(g);
    auto panel = [&](const char* name, const char* label, int col) {
        auto* l = new QLabel(label, this);
        l->setAlignment(Qt::AlignCenter);
        g->addWidget(l, 0, col);
        auto* p = new QFrame(this);
        p->setObjectName(name);
        p->setMinimumSize(140, 110);
        p->setCursor(Qt::PointingHandCursor);
        p->installEventFilter(this);
        g->addWidget(p, 1, col);
        return p;
    };
    Panel1 = panel("Panel1", "Vechea culoare", 0);
    Panel2 = panel("Panel2", "Noua culoare", 1);
    AddOkCancelRow(this, top, OkButton, "OkButton", "Schimba culoare tuturor pieselor", CancelButton, "Abandon");
    OkButton->setToolTip("Schimba vechea culoare a pieselor la noua culoare");
    SetColors(0, 0);
}

void TSchimbCulo::SetColors(Color oldColor, Color newColor) {
    old_ = oldColor;
    new_ = newColor;
    Paint(Panel1, old_);
    Paint(Panel2, new_);
}

void TSchimbCulo::Panel1Click() {
    if (const auto c = Dialogs().Color(old_)) SetColors(*c, new_);
}

void TSchimbCulo::Panel2Click() {
    if (const auto c = Dialogs().Color(new_)) SetColors(old_, *c);
}

bool TSchimbCulo::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
        if (o == Panel1) Panel1Click();
        if (o == Panel2) Panel2Click();
        if (o == Panel1 || o == Panel2) return true;
    }
    return FormBase<QDialog>::eventFilter(o, e);
}

} // namespace zv
