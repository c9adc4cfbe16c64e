#include "platform/widgets/Modal.h"
#include "TMain.h"

#include "Forms.h"
#include "GLView.h"
#include "THelp.h"
#include "TCarPies.h"
#include "TMobiNoua.h"
#include "TPiesaNoua.h"
#include "CatalogueGrid.h"
#include "TFeronerie.h"
#include "TPalPfl.h"
#include "catalog/Catalogue.h"
#include "platform/Dialogs.h"
#include "platform/Text.h"
#include "platform/Launcher.h"
#include "model/MobilaFile.h"
#include "platform/IoError.h"
#include "export/Vrml.h"
#include "render/FurniturePreview.h"
#include "render/SoftRender.h"
#include "export/Deviz.h"
#include "catalog/Catalogue.h"
#include "TCalculareDeviz.h"
#include "TIntrodCamera.h"
#include "model/Room.h"
#include "TIncarcDate.h"

#include <GL/gl.h>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
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
    Inchideproiectcurent1 =
        item(Fisier1, "Inchideproiectcurent1", "Inchide proiect curent", &TMain::Inchideproiectcurent1Click);
    Fisier1->addSeparator();
    Listamateriale1 = item(Fisier1, "Listamateriale1", "Lista materiale", &TMain::Listamateriale1Click,
                           QKeySequence("Ctrl+M"));
    ExportapieseinExcel1 =
        item(Fisier1, "ExportapieseinExcel1", "Exporta piese in Excel", &TMain::ExportapieseinExcel1Click);
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
    Redimensionaremobila1 =
        item(Unelte1, "Redimensionaremobila1", "Redimensionare mobila", &TMain::Redimensionaremobila1Click);
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
    Afisareminiferestrecuproiectii2D1 =
        item(Setari1, "Afisareminiferestrecuproiectii2D1", "Afisare mini-ferestre cu proiectii 2D",
             &TMain::Afisareminiferestrecuproiectii2D1Click);
    Afisareminiferestrecuproiectii2D1->setCheckable(true);
    Afisareminiferestrecuproiectii2D1->setChecked(true);
    Redenumiremobila1 = item(Setari1, "Redenumiremobila1", "Redenumire mobila", &TMain::Redenumiremobila1Click);
    Afisaremodeledecupareconcave1 = Setari1->addAction("Afisare modele decupare concave");
    Afisaremodeledecupareconcave1->setObjectName("Afisaremodeledecupareconcave1");
    Afisaremodeledecupareconcave1->setCheckable(true);
    Afisaremodeledecupareconcave1->setChecked(true);
    Vizualizareinteriorexteriorpiese1 =
        item(Setari1, "Vizualizareinteriorexteriorpiese1", "Vizualizare interior / exterior piese",
             &TMain::Vizualizareinteriorexteriorpiese1Click);
    Fullscreen1 = item(Setari1, "Fullscreen1", "Toata fereastra", &TMain::Fullscreen1Click, QKeySequence("Ctrl+T"));
    Fullscreen1->setCheckable(true);

    Module1 = menu("Module1", "M&odule");
    Desenareconturmodel1 =
        item(Module1, "Desenareconturmodel1", "Desenare contur", &TMain::Desenareconturmodel1Click);
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
    RadioGroup1 = new RadioGroup("Mod", {"Translat.", "Redim."}, Panel5);
    RadioGroup1->setObjectName("RadioGroup1");
    RadioGroup1->SetItemIndex(0);
    RadioGroup1->onClick = [this] { RadioGroup1Click(); };
    BitBtn12 = button(Panel5, "BitBtn12", "Transl. &tang.", &TMain::BitBtn12Click);
    BitBtn18 = button(Panel5, "BitBtn18", "&Jur-imprejur", &TMain::BitBtn18Click);
    BitBtn14 = button(Panel5, "BitBtn14", "Reset &3D", &TMain::BitBtn14Click);
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
    connect(ComboBox3, &QComboBox::currentIndexChanged, this, [this](int) { ComboBox3Change(); });

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
    connect(Timer2, &QTimer::timeout, this, [this] { Timer2Timer(); });
    Timer3 = new QTimer(this);
    Timer3->setObjectName("Timer3");
    Timer3->setInterval(1000);
    connect(Timer3, &QTimer::timeout, this, [this] { Timer3Timer(); });

    designWidgets_ = {RadioGroup2, BitBtn4, BitBtn5, BitBtn6, BitBtn7, BitBtn8, BitBtn9, BitBtn10, BitBtn11,
                      BitBtn12, BitBtn14, BitBtn15, BitBtn16, BitBtn17, BitBtn18, RadioGroup1, Image4};
    designActions_ = {Salveazamobilacurenta1, Salveazacunumenou1, Inchideproiectcurent1, Listamateriale1,
                      Unelte1->menuAction(), Setari1->menuAction(), Pozitionarepiesepefoidepal1};
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
    const int top = !Panel1->isHidden() ? kPanelH + 5 : 0;
    Image4->setGeometry(kImage4Left, top, std::max(cw - kImage4Left - 1, 1), std::max(ch - top, 1));
    Image4->canvas().SetSize(std::max(Image4->width() - 1, 1), Image4->height());
    Panel1->raise();
    Panel2->raise();
    Panel3->raise();
    Panel6->raise();
}

// ---- creation and start-up ----

void TMain::FormCreate() {
    // A fresh contour tracer: direction 0, white background, black outline.
    GLView->Contours().Tracer().state = ContourTrace{};
    model.scene.Init();
    undo.scene.Init();
    model.scene.miniScale = 0.05;
    model.hasFileName = true;
    model.modified = false;
    model.name.clear();
    model.fileName.clear();
    last3DX = last3DY = 0;
    for (auto& d : viewDrag) d.lastX = d.lastY = 0;
    model.projParams.Reset();
    for (PictureBox* img : {Image1, Image2, Image3}) img->FitCanvas();
    ClearViewPictures();
    ComboBox3->setCurrentIndex(0);
    DisableDesignControls();
    model.ClearContourSlots();
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
        const std::string& arg = commandLineArgs.front();
        if (QFileInfo::exists(QString::fromStdString(arg))) {
            const std::string previous = model.fileName;
            model.fileName = arg;
            if (OpenFurniture()) AfterFileOpened();
            else model.fileName = previous;
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
    if (Afisareminiferestrecuproiectii2D1->isChecked() && !Fullscreen1->isChecked()) {
        for (QFrame* p : {Panel1, Panel2, Panel3}) p->setVisible(true);
        LayoutControls();
    }
    BitBtn4->setFocus();
}

void TMain::DisableDesignControls() {
    designOpen_ = false;
    for (QWidget* w : designWidgets_) w->setEnabled(false);
    for (QAction* a : designActions_) a->setEnabled(false);
    BitBtn13->setEnabled(false);
    ComboBox3->setFocus();
}

bool TMain::SoftRenderChosen() const { return RadioGroup2->ItemIndex() == 0; }

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
    BitBtn13->setEnabled(true);
}

void TMain::RestoreUndo() {
    zv::RestoreUndo(undo, model);
    UpdateCaption();
    BitBtn13->setEnabled(true);
}

void TMain::BitBtn13Click() {
    if (!BitBtn13->isEnabled()) return;
    SetModified(ModifiedAfterUndo(undo, model));
    RestoreUndo();
    RecomputeFurnitureSize();
    BitBtn13->setEnabled(false);
    EditResult r;
    r.texturesChanged = true;
    ShowModelChange(r);
}

void TMain::UpdateCaption() {
    setWindowTitle(QString::fromStdString("Proiectare mobila - " + model.name));
}

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

void TMain::ExportareinformatVRML1Click() {
    FileDialogRequest r;
    r.title = "Exportare in format VRML 1.00";
    r.filter = "Fisiere VRML (*.wrl)|*.wrl";
    r.defaultExt = "wrl";
    r.initialDir = startupFolder;
    const auto answer = Dialogs().SaveFile(r);
    if (!answer) return;
    const std::string error = WriteVrmlFile(model, answer->fileName);
    if (!error.empty()) {
        ShowError(error);
        return;
    }
    ShowInfo("Mobila a fost exportata in format VRML 1.00.");
}

void TMain::Listamateriale1Click() {
    const auto boards = ReadPalPflCatalogue(CataloguePath(startupFolder, kPalPflFile));
    const auto hardware = ReadFeronerieCatalogue(CataloguePath(startupFolder, kFeronerieFile));
    ShowInfo(FormatMaterialList(ListMaterials(model, boards.items, hardware.items)));
}

void TMain::BitBtn15Click() {
    TCalculareDeviz* d = Forms().CalculareDeviz;
    d->Memo1->clear();
    RunModal(*d);
}

void TMain::BuildTextureAtlas() {
    AtlasHooks hooks;
    hooks.showNotice = [] {
        if (Forms().IncarcDate) Forms().IncarcDate->ShowNow();
    };
    hooks.hideNotice = [] {
        if (Forms().IncarcDate) Forms().IncarcDate->hide();
    };
    hooks.pauseTimer = [this] {
        const bool running = Timer2->isActive();
        Timer2->stop();
        return running;
    };
    hooks.restoreTimer = [this](bool running) {
        if (running) Timer2->start();
    };
    AtlasOptions options;
    GLint maxTexture = 0;
    if (GLView->MakeCurrent()) glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxTexture);
    options.maxTextureSize = maxTexture;
    zv::BuildTextureAtlas(model, atlasPixels, hooks, options);
    GLView->LoadAtlas(atlasPixels);
}

void TMain::UpdatePieceTexture(int piece) {
    if (zv::UpdatePieceTexture(model, piece)) BuildTextureAtlas();
}

// A floor and three walls around the furniture, from the room dialog.
void TMain::Introduceremobilaincamera1Click() {
    if (!DesignOpen()) return;
    TIntrodCamera* d = Forms().IntrodCamera;
    if (RunModal(*d) != QDialog::Accepted) return;
    RoomParams p;
    std::string bad;
    if (!d->ReadParams(p, bad)) {
        ShowError("Valoare invalida pentru dimensiunile camerei.");
        return;
    }
    if (!RoomFits(model, p)) {
        ShowError("Camera nu poate fi creata: dimensiunile nu o permit sau mobila are prea multe piese.");
        return;
    }
    const int first = model.scene.pieceCount;
    ApplyEdit([&] {
        AddRoom(model, p);
        // The whole room in the view, not only the furniture.
        const Scene3D& s = model.scene;
        zv::FitViewScale(model.scene, Image4->width(), Image4->height(), s.MaxY() - s.MinY(), s.MaxX() - s.MinX());
        return EditResult{first, model.scene.pieceCount - first};
    });
}

// Arranging the room is the same work: the furniture placed in its room.
void TMain::Amenajarecamera1Click() { Introduceremobilaincamera1Click(); }

// The slideshow player in the "Demo" folder, which stays the current folder.
void TMain::Demonstratie1Click() {
    const QString demo = QString::fromStdString(startupFolder) + "/Demo";
    if (!QDir::setCurrent(demo)) {
        ShowError(IoErrorText(QDir(demo).exists() ? 5 : 3));
        return;
    }
    StartOuterProgram(OuterProgram::DemoZarvelo, {}); // whether it started is not examined
}

// ---- commands built by later work: present, doing nothing yet ----
// ---- furniture files ----

namespace {
const char* const kOpenFilter = "Fisiere proiecte mobila v4.00 (*.mo4)|*.mo4|Fisiere proiecte mobila v2.00 "
                                "(*.mo2)|*.mo2|Toate fisierele (*.*)|*.*";
const char* const kSaveFilter = "Fisiere proiecte mobila v4.00 (*.mo4)|*.mo4|Toate fisierele (*.*)|*.*";
const char* const kSaveQuestion = "Mobila curenta nu este salvata. Salvez ?";

// Filter 1 gives "mo4", 2 "mo2", any other none; only a name without an extension gets it.
void ApplyDefaultExtension(std::string& fileName, int filterIndex) {
    const char* ext = filterIndex == 1 ? "mo4" : filterIndex == 2 ? "mo2" : nullptr;
    if (!ext || fileName.empty()) return;
    const std::size_t slash = fileName.find_last_of("/\\");
    const std::size_t dot = fileName.rfind('.');
    if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) return;
    fileName += std::string(".") + ext;
}

// An old-layout name is saved under ".mo4".
std::string Mo4Name(std::string name) {
    if (name.size() >= 5 && QString::fromStdString(name.substr(name.size() - 4)).toLower() == ".mo2")
        name.back() = '4';
    return name;
}

bool FileExists(const std::string& name) { return QFileInfo(QString::fromStdString(name)).isFile(); }
} // namespace

void TMain::OpenDialog1SelectionChange(std::string& fileName, int filterIndex) {
    ApplyDefaultExtension(fileName, filterIndex);
}

void TMain::SaveDialog1SelectionChange(std::string& fileName, int filterIndex) {
    ApplyDefaultExtension(fileName, filterIndex);
}

bool TMain::SaveFurnitureFile(const std::string& fileName) {
    try {
        WriteMobilaFile(fileName, CaptureMobilaFile(model, ComboBox3->currentIndex()));
        return true;
    } catch (const IoError& e) {
        ShowError(e.what());
        return false;
    }
}

bool TMain::LoadFurnitureFile(const std::string& fileName) {
    // Read and checked whole before anything of the open furniture changes.
    MobilaFile f;
    try {
        f = ReadMobilaFile(fileName);
    } catch (const InvalidMobilaFile& e) {
        ShowError(e.what());
        return false;
    } catch (const IoError& e) {
        ShowError(e.what());
        return false;
    }
    ReplaceWithMobilaFile(f, model);
    const QSignalBlocker block(ComboBox3);
    ComboBox3->setCurrentIndex(f.displayMode);
    return true;
}

bool TMain::OpenFurniture() {
    if (!LoadFurnitureFile(model.fileName)) return false;
    BitBtn13->setEnabled(false);
    model.exteriorView = 1;
    EnableDesignControls();
    BuildTextureAtlas();
    model.scene.currentFillStyle = HatchChecked() ? 7 : 1;
    setWindowTitle(QString::fromStdString(model.name + " - " + model.fileName));
    if (TPiesaNoua* p = Forms().PiesaNoua) {
        p->ComboBox1->setCurrentIndex(1);
        if (p->ComboBox2->count() > 0) p->ComboBox2->setCurrentIndex(0);
    }
    FitViewScale();
    DrawProjections(0);
    Redraw3D();
    RefreshPieceWindow();
    model.hasFileName = true;
    SetModified(false);
    if (Forms().CarPies) Forms().CarPies->show();
    return true;
}

void TMain::AfterFileOpened() {
    const Scene3D& s = model.scene;
    const MobilaDimensions& d = model.dim;
    // The shelf lies in front of an applied back and reaches an inset one.
    const double width = model.backType == BackType::Aplicat ? d.D - d.P : d.D;
    if (TPiesaNoua* p = Forms().PiesaNoua)
        p->PresetShelf("Polita", s.MinX() + d.G, s.MinY() + (d.H - d.G) / 2, s.MinZ(), d.W - 2 * d.G, width, d.G);
    if (SoftRenderChosen()) {
        Redraw3D();
        DrawProjections(0);
    } else {
        Timer2->start();
        Timer3->start();
    }
    RefreshPieceWindow();
}

TMain::SaveOutcome TMain::SaveCurrent() {
    if (model.scene.pieceCount <= 0) return SaveOutcome::NothingToSave;
    if (!model.hasFileName) return SaveAsNew();
    const std::string name = Mo4Name(model.fileName);
    // An opened ".mo2" goes to its ".mo4": never over another file unasked.
    return SaveTo(name, name != model.fileName);
}

TMain::SaveOutcome TMain::SaveTo(const std::string& name, bool askOverwrite) {
    if (askOverwrite && FileExists(name) &&
        ShowMessage(MsgKind::Warning, "Exista fisier cu acest nume. Suprapun ?", MsgButtons::YesNo) != MsgResult::Yes)
        return SaveOutcome::Cancelled;
    // Written straight to its place: no empty file first, and the file state
    // changes only once the furniture is in it.
    if (!SaveFurnitureFile(name)) return SaveOutcome::Failed;
    model.fileName = name;
    model.hasFileName = true;
    ++model.saveCount;
    SetModified(false);
    ShowInfo("Mobila a fost salvata !");
    return SaveOutcome::Saved;
}

TMain::SaveOutcome TMain::SaveAsNew() {
    if (model.scene.pieceCount <= 0) return SaveOutcome::NothingToSave;
    FileDialogRequest req;
    req.title = "Salveaza mobila";
    req.filter = kSaveFilter;
    req.fileName = model.fileName;
    req.filterIndex = 1;
    // The extension comes from the filter (below), not from the dialog.
    const auto answer = Dialogs().SaveFile(req);
    if (!answer || answer->fileName.empty()) return SaveOutcome::Cancelled;
    std::string name = answer->fileName;
    SaveDialog1SelectionChange(name, answer->filterIndex);
    return SaveTo(Mo4Name(name), true);
}

bool TMain::FormCloseQuery() {
    if (!model.NeedsSaveQuestion()) return true;
    switch (ShowMessage(MsgKind::Warning, "Mobila curenta nu este salvata. Salvez inainte de parasirea programului ?",
                        MsgButtons::YesNoCancel)) {
    case MsgResult::Cancel: return false;
    // A failed save keeps the window; a cancelled save dialog lets it close.
    case MsgResult::Yes: return SaveCurrent() != SaveOutcome::Failed;
    default: return true;
    }
}
void TMain::Redraw3D() {
    if (!SoftRenderChosen()) return;
    Redraw3DImage(model.scene, Image4->canvas(), Image4->width(), Image4->height(), ComboBox3->currentIndex(),
                  model.exteriorView);
    Image4->update();
}

int TMain::MiniViewShown(int k) const {
    // The label names the view: "Fata:" 1, "Spate:" 2, "Stanga:" 3, "Dreapta:" 4, "Sus:" 5, "Jos:" 6.
    switch (k) {
    case 0: return Label1->text() == "Spate:" ? 2 : 1;
    case 1: return Label2->text() == "Dreapta:" ? 4 : 3;
    default: return Label3->text() == "Sus:" ? 5 : 6;
    }
}

void TMain::DrawProjections(int which) {
    PictureBox* images[3] = {Image1, Image2, Image3};
    for (int k = 0; k < 3; ++k) {
        if (which != 0 && which != k + 1) continue;
        PictureBox* img = images[k];
        RedrawProjectionImage(model.scene, img->canvas(), img->width(), img->height(), MiniViewShown(k),
                              model.projParams.x[k], model.projParams.y[k], ComboBox3->currentIndex());
        img->update();
    }
}

void TMain::DrawAxes() {
    zv::DrawAxes(Image4->canvas(), Image4->height());
    Image4->update();
}

void TMain::FitViewScale() {
    zv::FitViewScale(model.scene, Image4->width(), Image4->height(), model.dim.H, model.dim.W);
}
bool TMain::PickPalPfl(std::string& code, std::string& picture, Color& color, double& thickness) {
    TPalPfl* w = Forms().PalPfl;
    w->BitBtn2->show();
    w->PreselectCode = code;
    const bool chosen = RunModal(*w) == QDialog::Accepted;
    w->setWindowTitle("Pal/Pfl");
    if (!chosen) return false;
    CatalogueGrid* g = w->StringGrid1;
    const int row = g->SelectedRow();
    if (g->EntryCount() == 0 || row == 0) return true;
    code = g->Cell(row, 1);
    picture = g->Cell(row, 4);
    color = CellToColor(g->Cell(row, 6), 0);
    thickness = CellToReal(g->Cell(row, 7), 18.0);
    return true;
}

bool TMain::FindPalPflCode(const std::string& code, std::string& picture, Color& color, double& thickness) {
    // The grid holds what the last showing of the catalogue loaded.
    CatalogueGrid* g = Forms().PalPfl->StringGrid1;
    if (code.empty()) return false;
    for (int row = 1; row <= g->EntryCount(); ++row) {
        if (g->Cell(row, 1) != code) continue;
        picture = g->Cell(row, 4);
        color = CellToColor(g->Cell(row, 6), 0);
        thickness = CellToReal(g->Cell(row, 7), 18.0);
        return true;
    }
    return false;
}
void TMain::Nou1Click() {}
void TMain::Deschidefisier1Click() { OpenWithDialog(false); }

void TMain::OpenWithDialog(bool preview) {
    FileDialogRequest req;
    req.title = "Deschide proiect";
    req.filter = kOpenFilter;
    req.defaultExt = "mo4";
    req.filterIndex = 1;
    if (preview) req.preview = [](const std::string& path) { return FurniturePreview(path, 256, 212); };
    const auto answer = Dialogs().OpenFile(req);
    if (!answer) return;
    std::string name = answer->fileName;
    OpenDialog1SelectionChange(name, answer->filterIndex);
    if (!FileExists(name)) return;
    SetHatch(true);
    if (model.NeedsSaveQuestion() &&
        ShowMessage(MsgKind::Warning, kSaveQuestion, MsgButtons::YesNo) == MsgResult::Yes &&
        SaveCurrent() == SaveOutcome::Failed)
        return; // the user's furniture stays
    const std::string previous = model.fileName;
    model.fileName = name;
    if (!OpenFurniture()) {
        model.fileName = previous;
        return;
    }
    AfterFileOpened();
}
// The same command with a picture of the furniture under the cursor.
void TMain::Deschidefisiercupreview1Click() { OpenWithDialog(true); }
void TMain::Salveazamobilacurenta1Click() { SaveCurrent(); }
void TMain::Salveazacunumenou1Click() { SaveAsNew(); }
void TMain::Inchideproiectcurent1Click() {
    if (model.NeedsSaveQuestion() &&
        ShowMessage(MsgKind::Warning, kSaveQuestion, MsgButtons::YesNo) == MsgResult::Yes &&
        SaveCurrent() == SaveOutcome::Failed)
        return; // the user's furniture stays
    model.scene.Init();
    undo.scene.Init();
    model.scene.miniScale = 0.05;
    model.hasFileName = true;
    SetModified(false);
    model.name.clear();
    model.fileName.clear();
    last3DX = last3DY = 0;
    for (auto& d : viewDrag) d.lastX = d.lastY = 0;
    model.projParams.Reset();
    ClearViewPictures();
    {
        const QSignalBlocker block(ComboBox3);
        ComboBox3->setCurrentIndex(0);
    }
    DisableDesignControls();
    model.ClearContourSlots();
    if (Forms().CarPies) Forms().CarPies->hide();
}
void TMain::ExportapieseinExcel1Click() {}
void TMain::SalvareimagineinformatBMPsauJPG1Click() {}
void TMain::Adaugaremobiladintrunfisier1Click() {}
void TMain::Creareinteriorsertar1Click() {}
void TMain::Rotatiemobila1Click() {}
void TMain::Simetriemobila1Click() {}
void TMain::Redimensionaremobila1Click() {}
void TMain::Redimensionarejurimprejur1Click() {}
void TMain::Schimbarecodpalpfl1Click() {}
void TMain::Schimbareculoare1Click() {}
void TMain::Recalcularedimensinimobila1Click() {}
void TMain::Rotunjiredimensiunisipozitii1Click() {}
void TMain::Distantaintredouapiese1Click() {}
void TMain::Afisareproiectiecucote1Click() {}
void TMain::Listapalpfl1Click() {
    Forms().PalPfl->BitBtn2->hide();
    RunModal(*Forms().PalPfl);
}
void TMain::Listaferonerie1Click() {
    Forms().Feronerie->BitBtn2->hide();
    RunModal(*Forms().Feronerie);
}
void TMain::Afisareminiferestrecuproiectii2D1Click() {
    // Geometry comes from LayoutControls, set absolutely from the panels' state.
    const bool show = Panel1->isHidden();
    for (QFrame* p : {Panel1, Panel2, Panel3}) p->setVisible(show);
    LayoutControls();
    FitViewScale();
    Redraw3D();
}
void TMain::Redenumiremobila1Click() {}
void TMain::Vizualizareinteriorexteriorpiese1Click() {
    model.exteriorView = 1 - model.exteriorView;
    Redraw3D();
}
void TMain::Fullscreen1Click() {
    TCarPies* carPies = Forms().CarPies;
    QWidget* help = Forms().Help;
    if (Fullscreen1->isChecked()) {
        fullWindowSaved.hatch = HatchChecked();
        fullWindowSaved.pieceWindowVisible = carPies && carPies->isVisible();
        SetHatch(false);
        Panel5->hide();
        Panel6->hide();
        if (carPies) carPies->hide();
        if (help) help->hide();
    } else {
        Panel5->show();
        if (carPies) {
            carPies->setVisible(fullWindowSaved.pieceWindowVisible);
            SetHatch(fullWindowSaved.hatch);
        }
        if (Timer2->isActive()) Panel6->show();
        if (!Panel1->isHidden()) {
            // The mini views go; the 3D picture takes the height they leave,
            // its bitmap sized to the control.
            for (QFrame* p : {Panel1, Panel2, Panel3}) p->hide();
            Afisareminiferestrecuproiectii2D1->setChecked(false);
            LayoutControls();
        }
    }
}
namespace {
// Both drawing programs run the same procedure; the OpenGL timers rest while
// the user draws and start again only with "Rend hard".
void RunContourEditorFrom(TMain& w, ContourEditor editor) {
    ContourEditorHooks hooks;
    hooks.stopTimers = [&w] {
        w.Timer2->stop();
        w.Timer3->stop();
    };
    hooks.restartTimers = [&w] {
        if (!w.SoftRenderChosen()) {
            w.Timer2->start();
            w.Timer3->start();
        }
    };
    hooks.modelAssigned = [&w] {
        w.SetModified(true);
        w.RefreshPieceWindow();
    };
    RunContourEditor(editor, w.model, w.Unelte1->menuAction()->isEnabled(), w.startupFolder, hooks);
}
} // namespace

void TMain::Desenareconturmodel1Click() { RunContourEditorFrom(*this, ContourEditor::Trasalin); }
void TMain::DesenareconturcuPainBrush1Click() { RunContourEditorFrom(*this, ContourEditor::Paint); }
void TMain::Pozitionarepiesepefoidepal1Click() {}
void TMain::Ajutor2Click() {}
void TMain::Despre1Click() {}
void TMain::BitBtn1Click() {
    Label1->setText(Label1->text() == "Fata:" ? "Spate:" : "Fata:");
    DrawProjections(0);
}
void TMain::BitBtn2Click() {
    Label2->setText(Label2->text() == "Stanga:" ? "Dreapta:" : "Stanga:");
    DrawProjections(0);
}
void TMain::BitBtn3Click() {
    Label3->setText(Label3->text() == "Sus:" ? "Jos:" : "Sus:");
    DrawProjections(0);
}
void TMain::BitBtn4Click() {}
void TMain::BitBtn5Click() {}
void TMain::BitBtn6Click() {}
void TMain::BitBtn7Click() {}
void TMain::BitBtn8Click() {}
void TMain::BitBtn9Click() {}
void TMain::BitBtn10Click() {}
void TMain::BitBtn11Click() {}
void TMain::BitBtn12Click() {}
void TMain::BitBtn14Click() {}
void TMain::BitBtn17Click() {}
void TMain::BitBtn18Click() {}
void TMain::RadioGroup1Click() {}
void TMain::RadioGroup2Click() {
    if (RadioGroup2->ItemIndex() == 1) {
        Image4->hide();
        Timer1->stop();
        Timer2->start();
        Timer3->start();
        Panel6->show();
        GLView->setCursor(Qt::PointingHandCursor);
        ComboBox3->setItemText(1, "Sarmos");
        ComboBox3->setItemText(2, "Punctat");
    } else {
        Image4->show();
        Timer2->stop();
        Timer3->stop();
        ComboBox3->setItemText(1, "Fara iluminare");
        ComboBox3->setItemText(2, "Sarmos");
        Panel6->hide();
        GLView->setCursor(Qt::ArrowCursor);
        update();
        Timer1->start();
    }
}
void TMain::ComboBox3Change() {}
namespace {
int ButtonState(Qt::MouseButton b) {
    switch (b) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 3;
    default: return 0;
    }
}
// While a drag goes on the hatched redraw waits for a pause, so every drag
// step is one redraw; once the button is up it comes at once.
constexpr int kDragPauseMs = 150;
} // namespace

void TMain::Image4MouseDown(const PictureBox::MouseArgs& a) {
    pickX = a.x;
    pickY = a.y;
    mouse3DMode = ButtonState(a.button);
}

void TMain::Image4MouseMove(const PictureBox::MouseArgs& a) {
    if (last3DX == 0 && last3DY == 0) {
        last3DX = a.x;
        last3DY = a.y;
    }
    const int dx = a.x - last3DX, dy = a.y - last3DY;
    const bool shift = a.modifiers & Qt::ShiftModifier;
    Scene3D& s = model.scene;
    if (mouse3DMode == 1) {
        if (shift)
            s.rotZ += dx / 200.0;
        else
            s.rotY -= dx / 200.0;
        s.rotX -= dy / 200.0;
    } else if (mouse3DMode == 2) {
        if (shift)
            s.panY += dy;
        else
            s.panZ -= dy;
        s.panX += dx;
    }
    if (mouse3DMode == 1 || mouse3DMode == 2) {
        s.currentFillStyle = 1;
        Timer1->start(kDragPauseMs);
        Redraw3D();
        SetModified(true);
    }
    last3DX = a.x;
    last3DY = a.y;
}

void TMain::Image4MouseUp(const PictureBox::MouseArgs& a) {
    mouse3DMode = 0;
    last3DX = a.x;
    last3DY = a.y;
    if (Timer1->isActive()) Timer1->start(1);
}

void TMain::ImageMiniMouseDown(int view, const PictureBox::MouseArgs& a) {
    if (view < 0 || view > 2) return;
    viewDrag[view].button = ButtonState(a.button);
}

void TMain::ImageMiniMouseMove(int view, const PictureBox::MouseArgs& a) {
    if (view < 0 || view > 2) return;
    ViewDrag& d = viewDrag[view];
    if (!(a.buttons & Qt::LeftButton)) {
        d.button = 0;
        d.lastX = d.lastY = 0;
        return;
    }
    if (d.lastX == 0 && d.lastY == 0) {
        d.lastX = a.x;
        d.lastY = a.y;
    }
    if (d.button == 1 || d.button == 2) {
        model.projParams.x[view] += a.x - d.lastX;
        model.projParams.y[view] += d.lastY - a.y;
        Timer1->start(kDragPauseMs);
        DrawProjections(view + 1);
        SetModified(true);
        d.lastX = a.x;
        d.lastY = a.y;
    }
}

void TMain::ImageMiniMouseUp(int view, const PictureBox::MouseArgs& a) {
    if (view < 0 || view > 2) return;
    viewDrag[view].button = 0;
    viewDrag[view].lastX = a.x;
    viewDrag[view].lastY = a.y;
    if (Timer1->isActive()) Timer1->start(1);
}

void TMain::Timer1Timer() {
    model.scene.currentFillStyle = HatchChecked() ? 7 : 1;
    Timer1->stop();
    Timer1->setInterval(1); // a drag may have left its pause interval
    Redraw3D();
}
namespace {
// Tick of the redraw timer while there is nothing to draw or nowhere to show it.
constexpr int kIdleRedrawMs = 200;
} // namespace

void TMain::Timer2Timer() {
    // Hidden or minimised: nothing is drawn, and the timer slows down until
    // the window shows again.
    if (!GLView->Exposed()) {
        Timer2->setInterval(kIdleRedrawMs);
        return;
    }
    if (DesignOpen()) {
        Timer2->setInterval(1);
        glShowsFurniture_ = true;
        GLView->Redraw(); // the frame is counted where it is painted
    } else if (glShowsFurniture_) {
        glShowsFurniture_ = false;
        GLView->Redraw();
    } else {
        Timer2->setInterval(kIdleRedrawMs);
    }
}

void TMain::Timer3Timer() {
    Label6->setText("Frame/sec: " + QString::number(frameCounter));
    frameCounter = 0;
    GLView->Renderer().RecheckModelFiles();
}

GLFrameInputs TMain::GLInputs() const {
    GLFrameInputs in;
    in.scene = &model.scene;
    in.attrs = &model.attrs;
    in.textures = &model.textures;
    in.ambient = TrackBar1->value();
    in.ambientMax = TrackBar1->maximum();
    in.diffuse = TrackBar2->value();
    in.diffuseMax = TrackBar2->maximum();
    in.displayMode = ComboBox3->currentIndex();
    in.hatchCurrent = HatchChecked();
    in.concaveModels = Afisaremodeledecupareconcave1->isChecked();
    in.miniViewsShown = !Panel1->isHidden();
    in.exteriorView = model.exteriorView;
    return in;
}

void TMain::PaintGLFrame() {
    if (DesignOpen()) {
        ++frameCounter;
        GLView->Renderer().RenderScene(-1, GLInputs());
    } else {
        zv::ClearGLFrame(ComboBox3->currentIndex());
    }
}

void TMain::InitGL() {
    if (GLView->MakeCurrent()) zv::InitGL();
}

void TMain::FormPaint() {
    if (GLView->MakeCurrent()) SetupLights(lights);
    frameCounter = 0;
}

void TMain::RenderScene(int piece) {
    if (!GLView->MakeCurrent()) return;
    GLView->Renderer().RenderScene(piece, GLInputs());
    if (piece == -1) SwapGLBuffers();
}

void TMain::ClearGLFrame() {
    if (GLView->MakeCurrent()) zv::ClearGLFrame(ComboBox3->currentIndex());
}

void TMain::SwapGLBuffers() { GLView->Redraw(); }

void TMain::WindowShotGL2(QImage& bitmap) {
    if (GLView->MakeCurrent())
        zv::WindowShotGL2(bitmap);
    else
        bitmap = QImage();
}

// Rotation and pan on the OpenGL view follow the software view's rules, on the same fields.
void TMain::FormMouseDown(const PictureBox::MouseArgs& a) { Image4MouseDown(a); }
void TMain::FormMouseMove(const PictureBox::MouseArgs& a) { Image4MouseMove(a); }
void TMain::FormMouseUp(const PictureBox::MouseArgs& a) { Image4MouseUp(a); }

} // namespace zv
