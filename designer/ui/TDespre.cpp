#include "TDespre.h"

#include <QFont>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace zv {

QImage AboutPicture() {
    QImage img(96, 96, QImage::Format_RGB32);
    img.fill(QColor(236, 240, 246));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Floor line and shadow.
    p.fillRect(QRectF(6, 84, 84, 3), QColor(170, 176, 186));
    // Carcass: a chest of three drawers in light oak, seen slightly from the side.
    const QColor edge(110, 72, 36);
    QPolygonF side({{70, 18}, {82, 12}, {82, 78}, {70, 84}});
    p.setPen(QPen(edge, 1));
    p.setBrush(QColor(178, 128, 74));
    p.drawPolygon(side);
    QPolygonF topFace({{16, 18}, {28, 12}, {82, 12}, {70, 18}});
    p.setBrush(QColor(222, 178, 120));
    p.drawPolygon(topFace);
    QLinearGradient wood(16, 18, 70, 84);
    wood.setColorAt(0, QColor(214, 164, 104));
    wood.setColorAt(1, QColor(192, 140, 82));
    p.setBrush(wood);
    p.drawRect(QRectF(16, 18, 54, 66));
    // Three drawer fronts with their handles.
    for (int i = 0; i < 3; ++i) {
        const QRectF front(20, 22 + i * 20.5, 46, 17.5);
        p.setBrush(QColor(226, 182, 126));
        p.drawRect(front);
        p.setBrush(QColor(90, 94, 102));
        p.drawRoundedRect(QRectF(36, front.center().y() - 1.5, 14, 3), 1.5, 1.5);
    }
    return img;
}

TDespre::TDespre(QWidget* parent) : FormBase<QDialog>(parent) {
    setObjectName("Despre");
    setWindowTitle("Despre");
    setModal(true);
    auto* top = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setPixmap(QPixmap::fromImage(AboutPicture()));
    row->addWidget(Image1, 0, Qt::AlignTop);
    auto* texts = new QVBoxLayout;
    Label1 = new QLabel("Proiectare mobila", this);
    Label1->setObjectName("Label1");
    QFont big = Label1->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    Label1->setFont(big);
    Label2 = new QLabel("Versiunea 5.30", this);
    Label2->setObjectName("Label2");
    Label3 = new QLabel("Aprilie 2013", this);
    Label3->setObjectName("Label3");
    texts->addWidget(Label1);
    texts->addWidget(Label2);
    texts->addWidget(Label3);
    texts->addStretch(1);
    row->addSpacing(12);
    row->addLayout(texts);
    top->addLayout(row);
    OkButton = new QPushButton("OK", this);
    OkButton->setObjectName("OkButton");
    OkButton->setDefault(true);
    top->addWidget(OkButton, 0, Qt::AlignHCenter);
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    setFixedSize(sizeHint().expandedTo(QSize(300, 150)));
}

} // namespace zv
