#include "TForm1.h"

#include "Jpeg.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QResizeEvent>
#include <QShowEvent>
#include <QTimer>
#include <algorithm>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>

namespace demo {

void Picture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    if (!image.isNull()) p.drawImage(rect(), image); // stretched to the window
}

namespace {
QPushButton* MakeButton(QWidget* parent, const char* name, const char* text, int x, int w, bool bold) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setGeometry(x, 0, w, 25);
    if (bold) {
        QFont f = b->font();
        f.setBold(true);
        b->setFont(f);
    }
    return b;
}
} // namespace

TForm1::TForm1(QWidget* parent) : QWidget(parent) {
    setObjectName("Form1");
    setWindowTitle("Demo Zarvelo v2.02");
    resize(808, 634);
    Image1 = new Picture(this);
    Image1->setObjectName("Image1");
    Button1 = MakeButton(this, "Button1", "<<", 0, 25, true);
    Button2 = MakeButton(this, "Button2", "<", 24, 25, false);
    BitBtn1 = MakeButton(this, "BitBtn1", "Pauza", 48, 49, true);
    Button4 = MakeButton(this, "Button4", ">", 96, 25, false);
    Button5 = MakeButton(this, "Button5", ">>", 120, 25, true);
    Panel1 = new QWidget(this);
    Panel1->setObjectName("Panel1");
    Panel1->setGeometry(144, 0, 94, 25);
    Panel1->setAutoFillBackground(true);
    Panel1->setStyleSheet("#Panel1 { background: aqua; }");
    {
        QFont f = Panel1->font();
        f.setPointSize(7); // a small panel: 94 pixels wide at design size
        Panel1->setFont(f);
    }
    // The labels as wide as their text in the font they are drawn with (the
    // panel's style sheet would otherwise give them the window's); the field
    // and "sec." move right, and the panel grows, only where the text needs it.
    const auto label = [this](const char* name, const char* text) {
        auto* l = new QLabel(text, Panel1);
        l->setObjectName(name);
        l->setFont(Panel1->font());
        l->ensurePolished();
        l->resize(l->fontMetrics().horizontalAdvance(l->text()) + 1, std::max(16, l->fontMetrics().height()));
        return l;
    };
    QLabel* l1 = label("Label1", "Interval:");
    l1->move(3, (25 - l1->height()) / 2 + 1);
    const int editX = std::max(43, l1->geometry().right() + 2);
    Edit1 = new QLineEdit("5", Panel1);
    Edit1->setObjectName("Edit1");
    Edit1->setGeometry(editX, 2, 25, 21);
    Edit1->setStyleSheet("background: #C0DCC0;");
    QLabel* l2 = label("Label2", "sec.");
    l2->move(editX + 27, l1->y());
    Panel1->resize(std::max(94, l2->geometry().right() + 3), 25);
    Panel2 = new QLabel("1", this);
    Panel2->setObjectName("Panel2");
    Panel2->setGeometry(Panel1->geometry().right() + 1, 0, 25, 25);
    Panel2->setAlignment(Qt::AlignCenter);
    Panel2->setFrameShape(QFrame::Panel);
    Panel2->setAutoFillBackground(true);
    {
        QFont f = Panel2->font();
        f.setBold(true);
        Panel2->setFont(f);
    }
    SetPauseButton(true);
    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(5000);

    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(Button4, &QPushButton::clicked, this, [this] { Button4Click(); });
    connect(Button5, &QPushButton::clicked, this, [this] { Button5Click(); });
    connect(Edit1, &QLineEdit::textChanged, this, [this] { Edit1Change(); });
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });

    showError = [this](const std::string& text) {
        QMessageBox::critical(this, windowTitle(), QString::fromStdString(text));
    };
}

void TForm1::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (!e->spontaneous() && !shown_) {
        shown_ = true;
        FormShow();
    }
}

void TForm1::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    Image1->setGeometry(0, 0, width(), height());
    Image1->lower();
}

int TForm1::Counter() const { return Panel2->text().toInt(); }
void TForm1::SetCounter(int n) { Panel2->setText(QString::number(n)); }

bool TForm1::SlideExists(int n) { return n >= 1 && QFileInfo::exists(QString::fromStdString(SlideFile(n))); }

void TForm1::SetPauseButton(bool running) {
    BitBtn1->setText(running ? "Pauza" : "Play");
    BitBtn1->setStyleSheet(running ? "color: #FF0000;" : "color: #008000;");
}

void TForm1::ShowSlide() {
    const int n = Counter();
    if (!SlideExists(n)) return;
    QImage img;
    std::string error;
    // Decoded no larger than the picture box needs: a huge photograph is
    // reduced by libjpeg as it is read, not held whole.
    const QSize box = (QSizeF(Image1->size()) * Image1->devicePixelRatioF()).toSize();
    if (!DecodeJpegFile(SlideFile(n), img, error, box)) {
        // One box at a time: ticks that arrive while it is open do not stack more.
        if (!reporting_ && showError) {
            reporting_ = true;
            showError(error);
            reporting_ = false;
        }
        return;
    }
    Image1->image = std::move(img);
    Image1->update();
}

void TForm1::FormShow() {
    Image1->image = QImage();
    Timer1->start();
    ShowSlide();
}

void TForm1::Button1Click() {
    SetCounter(1);
    ShowSlide();
}

void TForm1::Button2Click() {
    const int m = Counter() - 1;
    if (SlideExists(m)) SetCounter(m);
    ShowSlide();
}

void TForm1::Button4Click() {
    const int m = Counter() + 1;
    if (SlideExists(m)) SetCounter(m);
    ShowSlide();
}

void TForm1::Button5Click() {
    int m = Counter() + 1;
    while (SlideExists(m)) ++m;
    SetCounter(m - 1 >= 1 ? m - 1 : 1);
    ShowSlide();
}

void TForm1::Timer1Timer() {
    const int m = Counter() + 1;
    if (SlideExists(m)) {
        SetCounter(m);
        ShowSlide();
        return;
    }
    Timer1->stop();
    SetPauseButton(false);
    SetCounter(1);
}

void TForm1::BitBtn1Click() {
    if (BitBtn1->text() == "Pauza") {
        SetPauseButton(false);
        Timer1->stop();
    } else {
        SetPauseButton(true);
        Timer1->start();
        ShowSlide();
    }
}

void TForm1::Edit1Change() {
    // The system's decimal separator, as the user types it.
    const std::string text = Edit1->text().toStdString();
    const char sep = [] {
        const lconv* lc = std::localeconv();
        return lc && lc->decimal_point && *lc->decimal_point ? *lc->decimal_point : '.';
    }();
    std::string canon;
    for (char c : text) {
        if (c == sep)
            canon += '.';
        else if (c == '.' && sep != '.')
            return; // not a number in this locale
        else
            canon += c;
    }
    if (canon.empty()) return;
    double secs = 0;
    const char* b = canon.data() + (canon[0] == '+' ? 1 : 0);
    const auto [end, ec] = std::from_chars(b, canon.data() + canon.size(), secs);
    if (ec != std::errc() || end != canon.data() + canon.size() || !std::isfinite(secs)) return;
    const double ms = std::nearbyint(secs * 1000.0);
    // An interval of 0 or below, or one beyond what the timer takes, keeps the old one.
    if (ms < 1.0 || ms > 2147483647.0) return;
    Timer1->setInterval(static_cast<int>(ms));
}

} // namespace demo
