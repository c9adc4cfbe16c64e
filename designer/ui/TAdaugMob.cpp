#include "TAdaugMob.h"

#include "DialogButtons.h"
#include "Fields.h"
#include "platform/Dialogs.h"
#include "platform/Numbers.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <algorithm>

namespace zv {

TAdaugMob::TAdaugMob(QWidget* parent) : FormBase<QDialog>(parent) {
    setObjectName("AdaugMob");
    setWindowTitle("Adaugare mobila");
    auto* top = new QVBoxLayout(this);
    top->setSizeConstraint(QLayout::SetFixedSize);
    auto* g = new QGridLayout;
    top->addLayout(g);
    g->addWidget(new QLabel("Fisier:", this), 0, 0);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName("Edit1");
    Edit1->setReadOnly(true);
    Edit1->setMinimumWidth(320);
    Edit1->setStyleSheet("QLineEdit { background: #d4d0c8; }");
    g->addWidget(Edit1, 0, 1);
    g->addWidget(new QLabel("Pozitie:", this), 1, 0);
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName("ComboBox1");
    ComboBox1->addItems({"stanga", "dreapta", "sus", "jos", "fata-stanga", "fata-dreapta"});
    g->addWidget(ComboBox1, 1, 1);
    g->addWidget(new QLabel("Rotatie:", this), 2, 0);
    ComboBox2 = new QComboBox(this);
    ComboBox2->setObjectName("ComboBox2");
    ComboBox2->addItems({"0 grade", "90 grade", "180 grade", "270 grade"});
    g->addWidget(ComboBox2, 2, 1);

    auto* box = new QGroupBox("Pozitie", this);
    auto* b = new QGridLayout(box);
    QLineEdit** edits[3] = {&Edit2, &Edit3, &Edit4};
    const char* labels[3] = {"X:", "Y:", "Z:"};
    for (int i = 0; i < 3; ++i) {
        b->addWidget(new QLabel(labels[i], box), 0, 2 * i);
        auto* e = new QLineEdit("0", box);
        e->setObjectName(QString("Edit%1").arg(i + 2));
        b->addWidget(e, 0, 2 * i + 1);
        *edits[i] = e;
    }
    top->addWidget(box);
    AddOkCancelRow(this, top, BitBtn1, "BitBtn1", "Adauga mobila", BitBtn2, "Abandoneaza");
    BitBtn2->setObjectName("BitBtn2");
    // Only what the user chooses stages again; code setting a value does not.
    connect(ComboBox1, &QComboBox::activated, this, [this] { ComboBox1Change(); });
    connect(ComboBox2, &QComboBox::activated, this, [this] { ComboBox2Change(); });
    FormCreate();
}

void TAdaugMob::FormCreate() {
    ComboBox1->setCurrentIndex(static_cast<int>(AddPosition::Dreapta));
    ComboBox2->setCurrentIndex(0);
}

void TAdaugMob::Begin(const std::string& fileName, MobilaFile file, const Furniture& current) {
    Edit1->setText(QString::fromStdString(fileName));
    file_ = std::move(file);
    current_ = &current;
    ComboBox1Change();
}

void TAdaugMob::End() {
    current_ = nullptr;
    file_ = MobilaFile{};
    staged_ = StagedFurniture{};
}

void TAdaugMob::ComboBox1Change() {
    if (!current_) return;
    const int pos = std::clamp(ComboBox1->currentIndex(), 0, static_cast<int>(AddPosition::FataDreapta));
    staged_ = StageFurniture(file_, std::max(ComboBox2->currentIndex(), 0), static_cast<AddPosition>(pos), *current_);
    AddedPointCount = staged_.addedPointCount;
    AddedPieceCount = staged_.addedPieceCount;
    Edit2->setText(QString::fromStdString(FormatField(staged_.offsets.x)));
    Edit3->setText(QString::fromStdString(FormatField(staged_.offsets.y)));
    Edit4->setText(QString::fromStdString(FormatField(staged_.offsets.z)));
}

std::optional<AddOffsets> TAdaugMob::ReadOffsets() const {
    const auto v = ReadThreeFields(Edit2, Edit3, Edit4);
    if (!v) return std::nullopt;
    return AddOffsets{(*v)[0], (*v)[1], (*v)[2]};
}

void TAdaugMob::accept() {
    const std::optional<AddOffsets> off = ReadOffsets();
    if (!off) {
        ShowError(kBadAddOffset);
        return;
    }
    if (current_) {
        if (const std::string why = AddLimitRefusal(*current_, staged_.file, *off); !why.empty()) {
            ShowError(why);
            Edit2->setFocus();
            return;
        }
    }
    FormBase<QDialog>::accept();
}

} // namespace zv
