#include "TRedimensionarePiesa.h"

#include "Forms.h"
#include "TCarPies.h"
#include "TMain.h"
#include "TProiect.h"
#include "model/ProjectionEdit.h"
#include "platform/Numbers.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>

namespace zv {

TRedimensionarePiesa::TRedimensionarePiesa(QWidget* parent) : FormBase<QDialog>(parent) {
    setObjectName("RedimensionarePiesa");
    setWindowTitle("Dimensiuni piesa");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(260, 206);

    Label1 = new QLabel("Piesa (placa):", this);
    Label1->setObjectName("Label1");
    Label1->setGeometry(10, 10, 240, 16);
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName("ComboBox1");
    ComboBox1->setGeometry(10, 28, 240, 24);
    connect(ComboBox1, &QComboBox::activated, this, [this](int) { ComboBox1Change(); });

    Panel1 = new QFrame(this);
    Panel1->setObjectName("Panel1");
    Panel1->setFrameShape(QFrame::StyledPanel);
    Panel1->setToolTip("Dimensiuni piesa curenta");
    Panel1->setGeometry(10, 60, 240, 100);
    const char* names[3] = {"Latime:", "Inaltime:", "Adancime:"};
    QLabel** labels[3] = {&Label2, &Label3, &Label4};
    QLineEdit** edits[3] = {&Edit1, &Edit2, &Edit3};
    void (TRedimensionarePiesa::*changes[3])() = {
        &TRedimensionarePiesa::Edit1Change, &TRedimensionarePiesa::Edit2Change, &TRedimensionarePiesa::Edit3Change};
    for (int k = 0; k < 3; ++k) {
        auto* l = new QLabel(names[k], Panel1);
        l->setObjectName(QString("Label%1").arg(k + 2));
        l->setGeometry(10, 10 + 30 * k, 80, 22);
        auto* e = new QLineEdit("0", Panel1);
        e->setObjectName(QString("Edit%1").arg(k + 1));
        e->setGeometry(100, 10 + 30 * k, 128, 22);
        // What the user types, not what the showing writes.
        connect(e, &QLineEdit::textEdited, this, [this, h = changes[k]] { (this->*h)(); });
        e->installEventFilter(this);
        *labels[k] = l;
        *edits[k] = e;
        fields_[k] = e;
    }

    BitBtn1 = new QPushButton("&Inchide fereastra", this);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setGeometry(70, 170, 120, 26);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
}

void TRedimensionarePiesa::CopySizes() {
    const TCarPies* w = Forms().CarPies;
    if (!w) return;
    for (int k = 0; k < 3; ++k) fields_[k]->setText(w->Field(k)->text());
}

void TRedimensionarePiesa::FormShow() {
    if (QScreen* s = QGuiApplication::primaryScreen()) move(s->availableGeometry().center() - rect().center());
    snapshotTaken_ = false;
    const TMain* m = Forms().Main;
    if (!m) return;
    {
        // Emptied first: each piece once, however often the dialog opens.
        const QSignalBlocker quiet(ComboBox1);
        ComboBox1->clear();
        const Scene3D& s = m->model.scene;
        for (int i = 0; i < s.pieceCount; ++i) {
            const auto k = static_cast<std::size_t>(i);
            ComboBox1->addItem(QString::fromStdString(k < m->model.pieceNames.size() ? m->model.pieceNames[k] : ""));
        }
        ComboBox1->setCurrentIndex(s.ValidPiece(s.current) ? s.current : -1);
    }
    CopySizes();
}

void TRedimensionarePiesa::ComboBox1Change() {
    TCarPies* w = Forms().CarPies;
    TMain* m = Forms().Main;
    const int index = ComboBox1->currentIndex();
    if (!w || !m || !m->model.scene.ValidPiece(index)) return;
    // The current-piece window's own choice of a piece.
    w->ComboBox2->setCurrentIndex(index);
    w->ComboBox2Change();
    CopySizes();
}

void TRedimensionarePiesa::SizeTyped(int k) {
    TMain* m = Forms().Main;
    TCarPies* w = Forms().CarPies;
    if (!m || !w) return;
    const auto v = ParseField(fields_[k]->text().toStdString());
    // Only a size that changes the piece is an edit; the rest changes nothing.
    if (v && !SizeChangesPiece(m->model, m->model.scene.current, static_cast<Axis>(k), *v)) return;
    TProiect* p = Forms().Proiect;
    const bool first = !snapshotTaken_;
    if (first) undoButtonBefore_ = p && p->Button6->isEnabled();
    if (!w->TypeValue(k, fields_[k], first)) return;
    if (first) {
        snapshotTaken_ = true;
        if (p) p->SnapshotTaken();
    }
    if (p) p->Reproject();
}

void TRedimensionarePiesa::SizeLeft(int k) {
    TCarPies* w = Forms().CarPies;
    if (!w) return;
    const TCarPies::FieldLeft r = w->LeaveValue(k, fields_[k]);
    if (!r.refused) return;
    TProiect* p = Forms().Proiect;
    if (r.snapshotUndone) {
        snapshotTaken_ = false;
        if (p) p->Button6->setEnabled(undoButtonBefore_);
    }
    if (p) p->Reproject();
}

void TRedimensionarePiesa::FormHide() {
    // Closing leaves the field being typed in.
    for (int k = 0; k < 3; ++k) SizeLeft(k);
}

bool TRedimensionarePiesa::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::FocusOut) {
        const Qt::FocusReason why = static_cast<QFocusEvent*>(e)->reason();
        if (why != Qt::ActiveWindowFocusReason && why != Qt::PopupFocusReason) {
            for (int k = 0; k < 3; ++k)
                if (watched == fields_[k]) SizeLeft(k);
        }
    }
    return FormBase<QDialog>::eventFilter(watched, e);
}

} // namespace zv
