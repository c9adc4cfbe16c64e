#include "TDistPiese.h"

#include "Forms.h"
#include "TMain.h"
#include "export/PieceList.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalBlocker>

namespace zv {

namespace {
// The system's fixed-pitch font; where the font set-up answers with a
// proportional one, the first installed fixed-pitch family, so the columns
// of the distances still line up.
QFont FixedPitchFont() {
    QFont f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (QFontInfo(f).fixedPitch()) return f;
    for (const QString& family : QFontDatabase::families()) {
        if (!QFontDatabase::isFixedPitch(family)) continue;
        QFont candidate(family, f.pointSize());
        if (QFontInfo(candidate).fixedPitch()) return candidate;
    }
    f.setStyleHint(QFont::Monospace);
    f.setFixedPitch(true);
    return f;
}
} // namespace

TDistPiese::TDistPiese(QWidget* parent) : FormBase<QDialog>(parent) {
    setObjectName("DistPiese");
    setWindowTitle("Calculare distante intre doua piese");
    auto* g = new QGridLayout(this);
    Label1 = new QLabel("Prima piesa:", this);
    Label2 = new QLabel("A doua piesa:", this);
    Label3 = new QLabel("Distantele intre cele doua  piese raportat la margini:", this);
    ComboBox1 = new QComboBox(this);
    ComboBox2 = new QComboBox(this);
    ComboBox1->setObjectName("ComboBox1");
    ComboBox2->setObjectName("ComboBox2");
    for (QComboBox* c : {ComboBox1, ComboBox2}) {
        c->setEditable(false);
        c->setMinimumWidth(220);
        connect(c, &QComboBox::currentIndexChanged, this, [this] { ComboBox1Change(); });
    }
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName("Memo1");
    Memo1->setReadOnly(true);
    Memo1->setFont(FixedPitchFont());
    Memo1->setMinimumSize(460, 300);
    g->addWidget(Label1, 0, 0);
    g->addWidget(Label2, 0, 1);
    g->addWidget(ComboBox1, 1, 0);
    g->addWidget(ComboBox2, 1, 1);
    g->addWidget(Label3, 2, 0, 1, 2);
    g->addWidget(Memo1, 3, 0, 1, 2);
}

void TDistPiese::FormShow() {
    const TMain* m = Forms().Main;
    const Scene3D& s = m->model.scene;
    {
        const QSignalBlocker b1(ComboBox1), b2(ComboBox2);
        ComboBox1->clear();
        ComboBox2->clear();
        const int n = std::min(s.pieceCount, kMaxPieces);
        for (int p = 0; p < n; ++p) {
            const auto& names = m->model.pieceNames;
            const QString name = p < static_cast<int>(names.size())
                                     ? QString::fromStdString(names[static_cast<std::size_t>(p)])
                                     : "";
            ComboBox1->addItem(name);
            ComboBox2->addItem(name);
        }
        if (n > 0) {
            ComboBox1->setCurrentIndex(s.ValidPiece(s.current) ? s.current : 0);
            ComboBox2->setCurrentIndex(0);
        }
    }
    ComboBox1Change();
}

void TDistPiese::ComboBox1Change() {
    const int a = ComboBox1->currentIndex(), b = ComboBox2->currentIndex();
    // No pieces: nothing to measure, and no piece is read.
    if (a < 0 || b < 0) {
        Memo1->clear();
        return;
    }
    Memo1->setPlainText(QString::fromStdString(FormatPieceDistances(Forms().Main->model, a, b)));
}

} // namespace zv
