#include "TMain.h"

#include "Forms.h"
#include "GLView.h"
#include "TCarPies.h"
#include "platform/Dialogs.h"
#include "render/Contour.h"
#include "render/SoftRender.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QSignalBlocker>
#include <QSlider>
#include <QTimer>

namespace zv {

namespace {
// Positions of the mini-view panels along the top and of the 3D picture.
constexpr int kPanelLeft[3] = {89, 267, 446};
constexpr int kPanelW = 172, kPanelH = 150;
constexpr int kImage4Left = 89;
} // namespace

TMain::TMain(QWidget* parent) : FormBase<QMainWindow>(parent) {
    setObjectName("Main");
    setWindowTitle("Proiectare mobila");
    resize(800, 600);
    BuildMenus();
    BuildControls();
    FormCreate();
}

TMain::~TMain() = default;

void TMain::BuildMenus() {
    QMenuBar* mb = menuBar();
    auto menu = [&](const char* name, const char* text) {
        QMenu* m = mb->addMenu(text);
        m->setObjectName(name);
        return m;
    };
    auto item = [&](QMenu* m, const char* name, const char* text, void (TMain::*handler)(),
                    const QKeySequence& key = QKeySequence()) {
        QAction* a = m->addAction(text);
        a->setObjectName(name);
        if (!key.isEmpty()) a->setShortcut(key);
        connect(a, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
        return a;
    };
    Fisier1 = menu("Fisier1", "Fisier");
    Nou1 = item(Fisier1, "Nou1", "Mobila noua", &TMain::Nou1Click, QKeySequence("Ctrl+N"));
    Deschidefisier1 = item(Fisier1, "Deschidefisier1", "Deschide fisier", &TMain::Deschidefisier1Click,
                           QKeySequence("Ctrl+D"));
    Deschidefisiercupreview1 = item(Fisier1, "Deschidefisiercupreview1", "Deschide fisier cu preview",
                                    &TMain::Deschidefisiercupreview1Click, QKeySequence("Ctrl+P"));
    Salveazamobilacurenta1 = item(Fisier1, "Salveazamobilacurenta1", "Salveaza mobila curenta",
                                  &TMain::Salveazamobilacurenta1Click, QKeySequence("Ctrl+S"));
    Salveazacunumenou1 = item(Fisier1, "Salveazacunumenou1", "Salveaza cu nume nou", &TMain::Salveazacunumenou1Click);
    Inchideproiectcurent1 = item(Fisier1, "Inchideproiectcurent1", "Inchide proiect curent",
                                 &TMain::Inchideproiectcurent1Click);
    Fisier1->addSeparator();
    Listamateriale1 = item(Fisier1, "Listamateriale1", "Lista materiale", &TMain::Listamateriale1Click,
                           QKeySequence("Ctrl+M"));
    ExportapieseinExcel1 = item(Fisier1, "ExportapieseinExcel1", "Exporta piese in Excel",
                                &TMain::ExportapieseinExcel1Click);
    Fisier1->addSeparator();
    Exit1 = item(Fisier1, "Exit1", "Exit", &TMain::Exit1Click);

    Unelte1 = menu("Unelte1", "&Unelte");
    SalvareimagineinformatBMPsauJPG1 = item(Unelte1, "SalvareimagineinformatBMPsauJPG1",
                                            "Salvare mobila in format JPG sau BMP",
                                            &TMain::SalvareimagineinformatBMPsauJPG1Click);
    ExportareinformatVRML1 = item(Unelte1, "ExportareinformatVRML1", "Exportare in format VRML 1.00",
                                  &TMain::ExportareinformatVRML1Click);
    Adaugaremobiladintrunfisier1 = item(Unelte1, "Adaugaremobiladintrunfisier1", "Adaugare mobila dintr-un fisier",
                                        &TMain::Adaugaremobiladintrunfisier1Click);
    Creareinteriorsertar1 = item(Unelte1, "Creareinteriorsertar1", "Creare interior sertar piesa curenta",
                                 &TMain::Creareinteriorsertar1Click);
    Introduceremobilaincamera1 = item(Unelte1, "Introduceremobilaincamera1", "Introducere mobila in camera",
                                      &TMain::Introduceremobilaincamera1Click);
    Unelte1->addSeparator();
    Rotatiemobila1 = item(Unelte1, "Rotatiemobila1", "Rotatie OY mobila cu 90 de grade", &TMain::Rotatiemobila1Click);
    Simetriemobila1 = item(Unelte1, "Simetriemobila1", "Simetrie ZOY mobila", &TMain::Simetriemobila1Click);
    Redimensionaremobila1 = item(Unelte1, "Redimensionaremobila1", "Redimensionare mobila",
                                 &TMain::Redimensionaremobila1Click);
    Redimensionarejurimprejur1 = item(Unelte1, "Redimensionarejurimprejur1", "Micsorare jur-imprejur",
                                      &TMain::Redimensionarejurimprejur1Click);
    Schimbarecodpalpfl1 = item(Unelte1, "Schimbarecodpalpfl1", "Schimbare material (cod pal/pfl)",
                               &TMain::Schimbarecodpalpfl1Click);
    Schimbareculoare1 = item(Unelte1, "Schimbareculoare1", "Schimbare culoare", &TMain::Schimbareculoare1Click);
    Schimbareculoare1->setVisible(false);
    Recalcularedimensinimobila1 = item(Unelte1, "Recalcularedimensinimobila1", "Recalculare dimensiuni mobila",
                                       &TMain::Recalcularedimensinimobila1Click);
    Rotunjiredimensiunisipozitii1 = item(Unelte1, "Rotunjiredimensiunisipozitii1", "Rotunjire dimensiuni si pozitii",
                                         &TMain::Rotunjiredimensiunisipozitii1Click);
    Unelte1->addSeparator();
    Distantaintredouapiese1 = item(Unelte1, "Distantaintredouapiese1", "Distanta intre doua piese",
                                   &TMain::Distantaintredouapiese1Click);
    Afisareproiectiecucote1 = item(Unelte1, "Afisareproiectiecucote1", "Afisare proiectie cu cote",
                                   &TMain::Afisareproiectiecucote1Click);

    Materiale1 = menu("Materiale1", "&Materiale");
    Listapalpfl1 = item(Materiale1, "Listapalpfl1", "Pal/pfl", &TMain::Listapalpfl1Click);
    Listaferonerie1 = item(Materiale1, "Listaferonerie1", "Feronerie", &TMain::Listaferonerie1Click);

    Setari1 = menu("Setari1", "S&etari");
    Afisareminiferestrecuproiectii2D1 = item(Setari1, "Afisareminiferestrecuproiectii2D1",
                                             "Afisare mini-ferestre cu proiectii 2D",
                                             &TMain::Afisareminiferestrecuproiectii2D1Click);
    Afisareminiferestrecuproiectii2D1->setCheckable(true);
    Afisareminiferestrecuproiectii2D1->setChecked(true);
    Redenumiremobila1 = item(Setari1, "Redenumiremobila1", "Redenumire mobila", &TMain::Redenumiremobila1Click);
    Afisaremodeledecupareconcave1 = Setari1->addAction("Afisare modele decupare concave");
    Afisaremodeledecupareconcave1->setObjectName("Afisaremodeledecupareconcave1");
    Afisaremodeledecupareconcave1->setCheckable(true);
    Afisaremodeledecupareconcave1->setChecked(true);
    connect(Afisaremodeledecupareconcave1, &QAction::triggered, this, [this](bool on) { concaveModels_ = on; });
    Vizualizareinteriorexteriorpiese1 = item(Setari1, "Vizualizareinteriorexteriorpiese1",
                                             "Vizualizare interior / exterior piese",
                                             &TMain::Vizualizareinteriorexteriorpiese1Click);
    Fullscreen1 = item(Setari1, "Fullscreen1", "Toata fereastra", &TMain::Fullscreen1Click, QKeySequence("Ctrl+T"));
    Fullscreen1->setCheckable(true);

    Module1 = menu("Module1", "M&odule");
    Desenareconturmodel1 = item(Module1, "Desenareconturmodel1", "Desenare contur", &TMain::Desenareconturmodel1Click);
    DesenareconturcuPainBrush1 = item(Module1, "DesenareconturcuPainBrush1", "Desenare contur cu Paint Brush",
                                      &TMain::DesenareconturcuPainBrush1Click);
    Pozitionarepiesepefoidepal1 = item(Module1, "Pozitionarepiesepefoidepal1", "Pozitionare piese pe foi de pal",
                                       &TMain::Pozitionarepiesepefoidepal1Click);
    Amenajarecamera1 = item(Module1, "Amenajarecamera1", "Amenajare camera", &TMain::Amenajarecamera1Click);

    Ajutor1 = menu("Ajutor1", "Aj&utor");
    Ajutor2 = item(Ajutor1, "Ajutor2", "Ajutor", &TMain::Ajutor2Click, QKeySequence("F1"));
    Demonstratie1 = item(Ajutor1, "Demonstratie1", "Demonstratie", &TMain::Demonstratie1Click);
    Despre1 = item(Ajutor1, "Despre1", "Despre", &TMain::Despre1Click);
}

void TMain::BuildControls() {
    client = new QWidget(this);
    client->setObjectName("client");
    setCentralWidget(client);

    GLView = new OpenGLView(client);
    GLView->setCursor(Qt::PointingHandCursor);
    GLView->onInit = [this] {
        InitGL();
        FormPaint();
    };
    GLView->onResize = [](int w, int h) { SetupProjection(w, h); };
    GLView->onPaint = [this] { PaintGLFrame(); };
    GLView->onMouseDown = [this](const PictureBox::MouseArgs& a) { FormMouseDown(a); };
    GLView->onMouseMove = [this](const PictureBox::MouseArgs& a) { FormMouseMove(a); };
    GLView->onMouseUp = [this](const PictureBox::MouseArgs& a) { FormMouseUp(a); };
    GLView->onDoubleClick = [this](const PictureBox::MouseArgs& a) {
        pickX = a.x;
        pickY = a.y;
        FormDblClick();
    };
    GLView->Renderer().outlineSource = [this](int piece, bool triangles, double x1, double y1, double x2, double y2,
                                              PieceOutline& out) {
        ContourPolygon poly;
        if (!BuildContourModel(model, piece, triangles, x1, y1, x2, y2, GLView->Contours(), poly)) return false;
        out.u = poly.X;
        out.v = poly.Y;
        out.triangles.clear();
        for (const ContourTriangle& t : poly.triangles) out.triangles.insert(out.triangles.end(), {t.a, t.b, t.c});
        return true;
    };

    Panel5 = new QFrame(client);
    Panel5->setObjectName("Panel5");
    Panel5->setFrameShape(QFrame::StyledPanel);
    Panel5->setAutoFillBackground(true);
    {
        // The tool panel is narrow: a small font keeps every caption readable.
        QFont small = Panel5->font();
        small.setPointSize(7);
        Panel5->setFont(small);
    }
    auto button = [&](QWidget* parent, const char* name, const char* text, void (TMain::*handler)()) {
        auto* b = new QPushButton(text, parent);
        b->setObjectName(name);
        connect(b, &QPushButton::clicked, this, [this, handler] { (this->*handler)(); });
        return b;
    };
    BitBtn4 = button(Panel5, "BitBtn4", "Piesa &noua", &TMain::BitBtn4Click);
    BitBtn5 = button(Panel5, "BitBtn5", "&Sterge piesa", &TMain::BitBtn5Click);
    BitBtn6 = button(Panel5, "BitBtn6", "<", &TMain::BitBtn6Click);
    BitBtn7 = button(Panel5, "BitBtn7", ">", &TMain::BitBtn7Click);
    BitBtn8 = button(Panel5, "BitBtn8", "^", &TMain::BitBtn8Click);
    BitBtn9 = button(Panel5, "BitBtn9", "^", &TMain::BitBtn9Click);
    BitBtn10 = button(Panel5, "BitBtn10", "v", &TMain::BitBtn10Click);
    BitBtn11 = button(Panel5, "BitBtn11", "v", &TMain::BitBtn11Click);
    Edit7 = new QLineEdit("100", Panel5);
    Edit7->setObjectName("Edit7");
    Edit7->setToolTip("Valoarea cu care se fac translatiile si redimensionarile");
    BitBtn6->setToolTip("Translatare/redimensionare piesa curenta spre stanga (pe X)");
    BitBtn7->setToolTip("Translatare/redimensionare piesa curenta spre dreapta (pe X)");
    BitBtn8->setToolTip("Translatare/redimensionare piesa curenta in sus (pe Y)");
    BitBtn10->setToolTip("Translatare/redimensionare piesa curenta in jos (pe Y)");
    BitBtn9->setToolTip("Translatare/redimensionare piesa curenta in adancime (pe Z)");
    BitBtn11->setToolTip("Translatare/redimensionare piesa curenta in adancime (pe Z)");
    RadioGroup1 = new RadioGroup("Mod", {"Translat.", "Redim."}, Panel5);
    RadioGroup1->setObjectName("RadioGroup1");
    RadioGroup1->SetItemIndex(0);
    RadioGroup1->onClick = [this] { RadioGroup1Click(); };
    RadioGroup1->setToolTip("Comutare intre modurile translatii si redimensionari");
    BitBtn12 = button(Panel5, "BitBtn12", "Transl. &tang.", &TMain::BitBtn12Click);
    BitBtn12->setToolTip("Translatarea/redimensionarea piesei curente tangential cu o alta piesa");
    BitBtn18 = button(Panel5, "BitBtn18", "&Jur-imprejur", &TMain::BitBtn18Click);
    BitBtn18->setToolTip("Afisare/ascundere proiectii 2D");
    BitBtn14 = button(Panel5, "BitBtn14", "Reset &3D", &TMain::BitBtn14Click);
    BitBtn14->setToolTip("Anularea rotatiilor, translatiilor, scalarilor 3D");
    BitBtn16 = button(Panel5, "BitBtn16", "&Caract. piesa", &TMain::BitBtn16Click);
    BitBtn17 = button(Panel5, "BitBtn17", "Proiectare &2D", &TMain::BitBtn17Click);
    BitBtn13 = button(Panel5, "BitBtn13", "&Anulare", &TMain::BitBtn13Click);
    BitBtn13->setToolTip("Anularea ultimei modificari");
    BitBtn15 = button(Panel5, "BitBtn15", "Creare &deviz", &TMain::BitBtn15Click);
    RadioGroup2 = new RadioGroup("Randare", {"Rend soft", "Rend hard"}, Panel5);
    RadioGroup2->setObjectName("RadioGroup2");
    RadioGroup2->SetItemIndex(1);
    RadioGroup2->onClick = [this] { RadioGroup2Click(); };
    LabelTrack1 = new QLabel("Lumina ambient", Panel5);
    TrackBar1 = new QSlider(Qt::Horizontal, Panel5);
    TrackBar1->setObjectName("TrackBar1");
    TrackBar1->setRange(0, 40);
    TrackBar1->setValue(20);
    LabelTrack2 = new QLabel("Sursa lumina", Panel5);
    TrackBar2 = new QSlider(Qt::Horizontal, Panel5);
    TrackBar2->setObjectName("TrackBar2");
    TrackBar2->setRange(0, 40);
    TrackBar2->setValue(20);
    ComboBox3 = new QComboBox(Panel5);
    ComboBox3->setObjectName("ComboBox3");
    ComboBox3->addItems({"Cu iluminare", "Sarmos", "Puntat"});
    ComboBox3->setToolTip("Mod de afisare 2D si 3D");
    connect(ComboBox3, &QComboBox::activated, this, [this](int) { ComboBox3Change(); });

    const char* labels[3] = {"Fata:", "Stanga:", "Jos:"};
    const char* hints[3] = {"Proiectie in planul XOY", "Proiectie in planul YOZ", "Proiectie in planul ZOX"};
    const char* swaps[3] = {"fata/spate", "stanga/dreapta", "sus/jos"};
    QFrame** panels[3] = {&Panel1, &Panel2, &Panel3};
    QLabel** labs[3] = {&Label1, &Label2, &Label3};
    PictureBox** images[3] = {&Image1, &Image2, &Image3};
    QPushButton** swapButtons[3] = {&BitBtn1, &BitBtn2, &BitBtn3};
    void (TMain::*swapHandlers[3])() = {&TMain::BitBtn1Click, &TMain::BitBtn2Click, &TMain::BitBtn3Click};
    for (int k = 0; k < 3; ++k) {
        auto* p = new QFrame(client);
        p->setObjectName(QString("Panel%1").arg(k + 1));
        p->setFrameShape(QFrame::StyledPanel);
        p->setAutoFillBackground(true);
        p->setToolTip(hints[k]);
        p->setGeometry(kPanelLeft[k], 0, kPanelW, kPanelH);
        auto* l = new QLabel(labels[k], p);
        l->setObjectName(QString("Label%1").arg(k + 1));
        l->setGeometry(4, 3, 60, 16);
        auto* b = button(p, "", swaps[k], swapHandlers[k]);
        b->setObjectName(QString("BitBtn%1").arg(k + 1));
        b->setGeometry(kPanelW - 92, 1, 90, 20);
        auto* img = new PictureBox(p);
        img->setObjectName(QString("Image%1").arg(k + 1));
        img->setGeometry(2, 22, 168, 126);
        img->FitCanvas();
        const int view = k;
        img->onMouseDown = [this, view](const PictureBox::MouseArgs& a) { ImageMiniMouseDown(view, a); };
        img->onMouseMove = [this, view](const PictureBox::MouseArgs& a) { ImageMiniMouseMove(view, a); };
        img->onMouseUp = [this, view](const PictureBox::MouseArgs& a) { ImageMiniMouseUp(view, a); };
        void (TMain::*dblClicks[3])() = {&TMain::Image1DblClick, &TMain::Image2DblClick, &TMain::Image3DblClick};
        img->onDoubleClick = [this, h = dblClicks[k]](const PictureBox::MouseArgs&) { (this->*h)(); };
        p->setVisible(false);
        *panels[k] = p;
        *labs[k] = l;
        *images[k] = img;
        *swapButtons[k] = b;
    }

    Image4 = new PictureBox(client);
    Image4->setObjectName("Image4");
    Image4->onMouseDown = [this](const PictureBox::MouseArgs& a) { Image4MouseDown(a); };
    Image4->onMouseMove = [this](const PictureBox::MouseArgs& a) { Image4MouseMove(a); };
    Image4->onMouseUp = [this](const PictureBox::MouseArgs& a) { Image4MouseUp(a); };
    Image4->onDoubleClick = [this](const PictureBox::MouseArgs& a) {
        pickX = a.x;
        pickY = a.y;
        Image4DblClick();
    };
    Image4->setVisible(false);

    Panel6 = new QFrame(client);
    Panel6->setObjectName("Panel6");
    Panel6->setFrameShape(QFrame::StyledPanel);
    Panel6->setAutoFillBackground(true);
    Label6 = new QLabel("Frame/sec: ", Panel6);
    Label6->setObjectName("Label6");
    Label6->setGeometry(4, 2, 110, 16);

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(1);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
    Timer2 = new QTimer(this);
    Timer2->setObjectName("Timer2");
    Timer2->setInterval(1);
    Timer2->setTimerType(Qt::PreciseTimer); // ticks at the screen's refresh while drawing
    connect(Timer2, &QTimer::timeout, this, [this] { Timer2Timer(); });
    Timer3 = new QTimer(this);
    Timer3->setObjectName("Timer3");
    Timer3->setInterval(1000);
    connect(Timer3, &QTimer::timeout, this, [this] { Timer3Timer(); });

    designWidgets_ = {RadioGroup2, BitBtn4,  BitBtn5,  BitBtn6,  BitBtn7,  BitBtn8,  BitBtn9,     BitBtn10, BitBtn11,
                      BitBtn12,    BitBtn14, BitBtn15, BitBtn16, BitBtn17, BitBtn18, RadioGroup1, Image4};
    designActions_ = {Salveazamobilacurenta1, Salveazacunumenou1,    Inchideproiectcurent1,      Listamateriale1,
                      Unelte1->menuAction(),  Setari1->menuAction(), Pozitionarepiesepefoidepal1};
    LayoutControls();
}

void TMain::LayoutControls() {
    const int cw = std::max(client->width(), 1), ch = std::max(client->height(), 1);
    GLView->setGeometry(0, 0, cw, ch);
    Panel5->setGeometry(0, 0, 88, ch);
    int y = 4;
    auto place = [&](QWidget* w, int h, int x = 4, int width = 80) {
        w->setGeometry(x, y, width, h);
        y += h + 3;
    };
    place(BitBtn4, 24);
    place(BitBtn5, 24);
    BitBtn6->setGeometry(4, y, 38, 24);
    BitBtn7->setGeometry(46, y, 38, 24);
    y += 27;
    BitBtn8->setGeometry(4, y, 38, 24);
    BitBtn9->setGeometry(46, y, 38, 24);
    y += 27;
    BitBtn10->setGeometry(4, y, 38, 24);
    BitBtn11->setGeometry(46, y, 38, 24);
    y += 27;
    place(Edit7, 22);
    place(RadioGroup1, 52);
    place(BitBtn12, 24);
    place(BitBtn18, 24);
    place(BitBtn14, 24);
    place(BitBtn16, 24);
    place(BitBtn17, 24);
    place(BitBtn13, 24);
    place(BitBtn15, 24);
    place(RadioGroup2, 52);
    place(LabelTrack1, 16);
    place(TrackBar1, 18);
    place(LabelTrack2, 16);
    place(TrackBar2, 18);
    place(ComboBox3, 22);
    Panel6->setGeometry(std::max(cw - 121, 0), 0, 120, 20);
    // The 3D picture fills what the mini views leave.
    // The whole window takes the tool panel's column too.
    const int top = MiniViewsShown() ? kPanelH + 5 : 0;
    const int left = Panel5->isHidden() ? 0 : kImage4Left;
    Image4->setGeometry(left, top, std::max(cw - left - 1, 1), std::max(ch - top, 1));
    Image4->canvas().SetSize(std::max(Image4->width() - 1, 1), Image4->height());
    Panel1->raise();
    Panel2->raise();
    Panel3->raise();
    Panel6->raise();
}

// ---- creation and start-up ----

void TMain::FormCreate() { ResetToNoFurniture(); }

void TMain::ResetToNoFurniture() {
    // A fresh contour tracer: direction 0, white background, black outline.
    GLView->Contours().Tracer().state = ContourTrace{};
    model.ResetToNoFurniture();
    setWindowTitle("Proiectare mobila"); // no closed file stays named
    undo.scene.Init();
    SetModified(false); // the "*" goes with the flag
    last3DX = last3DY = 0;
    for (auto& d : viewDrag) d.lastX = d.lastY = 0;
    for (PictureBox* img : {Image1, Image2, Image3}) img->FitCanvas();
    ClearViewPictures();
    {
        const QSignalBlocker quiet(ComboBox3);
        ComboBox3->setCurrentIndex(0);
    }
    DisableDesignControls();
    if (Forms().CarPies) Forms().CarPies->hide();
}

// The mini views white; the 3D picture white with its frame, "3D" and the axes.
void TMain::ClearViewPictures() {
    for (PictureBox* img : {Image1, Image2, Image3}) {
        Canvas& c = img->canvas();
        c.penColor = 0xFFFFFF;
        c.SetBrushColor(0xFFFFFF);
        c.Rectangle(0, 0, c.Width(), c.Height());
        img->update();
    }
    {
        Canvas& c = Image4->canvas();
        c.penColor = 0;
        c.SetBrushColor(0xFFFFFF);
        c.Rectangle(0, 0, c.Width(), c.Height());
        c.fontColor = 0xFF0000;
        c.fontBold = true;
        c.TextOut(4, 4, "3D");
        c.fontBold = false;
        DrawAxes();
        Image4->update();
    }
}

void TMain::FormShow() {
    if (startedUp_) return;
    startedUp_ = true;
    model.dim.S = 0;
    startupFolder = QDir::currentPath().toStdString();
    SetHatch(true);
    model.SetSlotDefaults();
    if (commandLineArgs.size() == 1) {
        const QFileInfo arg(QString::fromStdString(commandLineArgs.front()));
        if (arg.exists()) {
            const std::string previous = model.fileName;
            // Absolute, so saving never depends on the current folder.
            model.fileName = arg.absoluteFilePath().toStdString();
            if (OpenFurniture())
                AfterFileOpened();
            else
                model.fileName = previous;
        } else {
            ShowMessage(MsgKind::Error, "Fisier inexistent");
        }
    } else if (commandLineArgs.size() > 1) {
        ShowMessage(MsgKind::Warning, "Numar incorect de parametri de executie ai programului.");
    }
}

void TMain::EnableDesignControls() {
    designOpen_ = true;
    for (QWidget* w : designWidgets_) w->setEnabled(true);
    for (QAction* a : designActions_) a->setEnabled(true);
    if (MiniViewsWanted() && !FullWindow()) ShowMiniViews(true);
    BitBtn4->setFocus();
}

void TMain::DisableDesignControls() {
    designOpen_ = false;
    for (QWidget* w : designWidgets_) w->setEnabled(false);
    for (QAction* a : designActions_) a->setEnabled(false);
    SetUndoPossible(false);
    ComboBox3->setFocus();
}

bool TMain::SoftRenderChosen() const { return RadioGroup2->ItemIndex() == 0; }

int TMain::DisplayMode() const { return ComboBox3->currentIndex(); }

void TMain::SetUndoPossible(bool on) {
    undoPossible_ = on;
    BitBtn13->setEnabled(on);
}

void TMain::ShowMiniViews(bool on) {
    miniViewsShown_ = on;
    for (QFrame* p : {Panel1, Panel2, Panel3}) p->setVisible(on);
    // Geometry comes from LayoutControls, set absolutely from this state.
    LayoutControls();
}

void TMain::SetMiniViewsWanted(bool on) {
    miniViewsWanted_ = on;
    Afisareminiferestrecuproiectii2D1->setChecked(on);
}

void TMain::ApplyEdit(const std::function<EditResult()>& change) {
    SaveUndo();
    ShowModelChange(change());
    SetModified(true);
}

void TMain::ShowModelChange(const EditResult& r) {
    // One atlas rebuild at most, however many pieces need a new slot.
    const int first = r.texturesChanged ? 0 : r.firstNewPiece;
    const int end = r.texturesChanged ? model.scene.pieceCount : r.firstNewPiece + r.newPieces;
    bool rebuild = false;
    for (int i = first; i < end; ++i) rebuild = zv::UpdatePieceTexture(model, i) || rebuild;
    if (rebuild) BuildTextureAtlas();
    if (r.extentsChanged) FitViewScale();
    DrawProjections(0);
    Redraw3D();
    RefreshPieceWindow();
}

void TMain::SaveUndo() {
    zv::SaveUndo(model, undo);
    SetUndoPossible(true);
}

void TMain::RestoreUndo() {
    zv::RestoreUndo(undo, model);
    UpdateCaption();
    SetUndoPossible(true);
}

void TMain::UpdateCaption() { setWindowTitle(QString::fromStdString("Proiectare mobila - " + model.name)); }

void TMain::Exit1Click() {
    // Ends at once, without the save question.
    closing_ = true;
    QApplication::exit(0);
}

void TMain::closeEvent(QCloseEvent* e) {
    if (closing_ || FormCloseQuery()) {
        e->accept();
        QApplication::exit(0);
    } else {
        e->ignore();
    }
}

void TMain::resizeEvent(QResizeEvent* e) {
    FormBase<QMainWindow>::resizeEvent(e);
    FormResize();
}

void TMain::FormResize() {
    LayoutControls();
    FitViewScale();
    Redraw3D();
}

} // namespace zv
