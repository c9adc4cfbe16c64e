// Pictures of the catalogue windows, the entry dialogs, the picture viewer,
// the room dialog, the estimate, a new carcass and the projection window with
// the sample data, to look at:
//   zv_screenshots <folder>        (run on an X server, e.g. under xvfb-run)
// Each modal window is shown as the program shows it, grabbed, and closed.
#include "model/MobilaFile.h"
#include "platform/Dialogs.h"
#include "platform/Numbers.h"
#include "render/Projection.h"
#include "platform/widgets/Application.h"
#include "platform/widgets/Modal.h"
#include "ui/CatalogueGrid.h"
#include "ui/Forms.h"
#include "ui/TAdaugaFeronerie.h"
#include "ui/TAdaugaPalPfl.h"
#include "ui/TCalculareDeviz.h"
#include "ui/TFeronerie.h"
#include "ui/TFeroneriePiesa.h"
#include "ui/TIncarcDate.h"
#include "ui/TIntrodCamera.h"
#include "ui/TMain.h"
#include "ui/TMobiNoua.h"
#include "ui/TProiect.h"
#include "ui/TRedimensionarePiesa.h"
#include "ui/TPalPfl.h"
#include "ui/TVizualizarePoza.h"

#include "support/ShownAnswer.h"

#include <QDir>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <iostream>

using namespace zv;

namespace {

QString g_out;

void Settle() {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

void Shoot(QWidget* w, const char* name) {
    Settle();
    const QString file = g_out + "/" + name + ".png";
    w->grab().save(file);
    std::cout << file.toStdString() << "\n";
}

// Lets the views draw for a while, as a user would wait.
void Wait(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 20);
}

// The whole screen, for a window seen over the main window.
void ShootScreen(const char* name) {
    Settle();
    const QString file = g_out + "/" + name + ".png";
    QGuiApplication::primaryScreen()->grabWindow(0).save(file);
    std::cout << file.toStdString() << "\n";
}

// Answers the next modal window: shows it, runs `act`, closes what is left open.
void WhenShown(ScopedModalScript& modal, std::function<void()> act) {
    modal.answers.push_back(ShownAnswer([act] {
        Settle();
        act();
    }));
}

// Answers the board chooser with the row of `code`.
std::function<int(QDialog&)> ChooseBoard(const std::string& code) {
    return [code](QDialog& d) {
        auto& w = static_cast<TPalPfl&>(d);
        w.show();
        const auto codes = w.StringGrid1->Column(1);
        const auto it = std::find(codes.begin(), codes.end(), code);
        if (it != codes.end()) w.StringGrid1->SelectRow(static_cast<int>(it - codes.begin()) + 1);
        w.hide();
        return int(QDialog::Accepted);
    };
}

// A new carcass from the sample boards: the dialog, then the main window in both views.
void ShootNewCarcass(TMain* main, ScopedModalScript& modal) {
    main->resize(1000, 760);
    modal.answers.push_back(ChooseBoard("PFL3ALB"));
    modal.answers.push_back(ChooseBoard("PAL18STJ"));
    WhenShown(modal, [] {
        Shoot(Forms().MobiNoua, "TMobiNoua");
        Forms().MobiNoua->accept();
    });
    main->Nou1->trigger();
    Wait(600);
    ShootScreen("screen_new_carcass");
    main->RadioGroup2->Button(0)->click();
    Wait(300);
    Shoot(main, "main_new_carcass_soft");
}

// The sample wardrobe in the projection window, filled with names and in
// wireframe with a half marked; and a small picture with many figures.
void ShootProjection(TMain* main, ScopedModalScript& modal) {
    ReplaceWithMobilaFile(ReadMobilaFile(ZV_DATA_DIR "/Dulap.mo4"), main->model);
    main->EnableDesignControls();
    TProiect& w = *Forms().Proiect;
    WhenShown(modal, [&] {
        w.CheckBox1->click(); // names on
        Shoot(&w, "proiectie_fata");
        w.CheckBox3->click(); // wireframe
        w.selectedPiece = 1;
        w.highlightedHalf = 1;
        w.RedrawProjection();
        Shoot(&w, "proiectie_sarmos");
        w.selectedPiece = -1;
        w.CheckBox3->click();
        w.CheckBox1->click();
    });
    main->BitBtn17->click();
    Canvas c(200, 150);
    ProjectionOptions o;
    o.rows = 9;
    o.columns = 9;
    o.font = w.font;
    PaintProjection(c, main->model, LayoutProjection(main->model.scene, o, 200, 150), o, w.contours);
    const QString file = g_out + "/proiectie_200x150.png";
    c.Image().save(file);
    std::cout << file.toStdString() << "\n";
}

// The three sample furnitures in the three views, at the window's font and a
// large one, so that every figure can be checked by eye.
void ShootProjectionFigures(TMain* main, ScopedModalScript& modal) {
    TProiect& w = *Forms().Proiect;
    const FontChoice usual = w.font;
    FontChoice large;
    large.family = "DejaVu Sans";
    large.pixelHeight = 22;
    large.bold = true;
    const char* views[3] = {"jos", "fata", "dreapta"};
    for (const char* sample : {"Dulap", "Comoda", "Biblioteca"}) {
        ReplaceWithMobilaFile(ReadMobilaFile(std::string(ZV_DATA_DIR "/") + sample + ".mo4"), main->model);
        main->EnableDesignControls();
        WhenShown(modal, [&] {
            const FontChoice* fonts[] = {&usual, &large};
            for (const FontChoice* font : fonts) {
                w.font = *font;
                for (int view = 0; view < 3; ++view) {
                    w.RadioGroup1->SetItemIndex(view);
                    w.RadioGroup1Click();
                    const QString name = QString("proiectie_%1_%2%3")
                                             .arg(QString(sample).toLower(), views[view],
                                                  font == &large ? "_mare" : "");
                    Shoot(&w, name.toUtf8().constData());
                }
            }
            w.font = usual;
        });
        main->BitBtn17->click();
    }
}

// A mouse event on the projection picture, as the platform delivers it.
void SendMouse(TProiect& w, QEvent::Type t, QPoint p, Qt::MouseButton b, Qt::MouseButtons held,
               Qt::KeyboardModifiers mods = {}) {
    QMouseEvent e(t, QPointF(p), w.Image1->mapToGlobal(QPointF(p)), b, held, mods);
    QApplication::sendEvent(w.Image1, &e);
}

void DoubleClick(TProiect& w, QPoint p) {
    SendMouse(w, QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
    SendMouse(w, QEvent::MouseButtonRelease, p, Qt::LeftButton, {});
    SendMouse(w, QEvent::MouseButtonDblClick, p, Qt::LeftButton, Qt::LeftButton);
    SendMouse(w, QEvent::MouseButtonRelease, p, Qt::LeftButton, {});
}

// A point of a piece's rectangle on the projection: fx from its left, fy from its top.
QPoint At(TMain* main, TProiect& w, int piece, double fx, double fy) {
    const ProjectionPicture pic = LayoutProjection(main->model.scene, w.Options(), w.Image1->width(),
                                                   w.Image1->height());
    const ProjectionRect r = pic.rects.at(static_cast<std::size_t>(piece));
    return {RoundEven(r.rx1 + fx * (r.rx2 - r.rx1)), RoundEven(r.ry1 + fy * (r.ry2 - r.ry1))};
}

// Editing the wardrobe with the mouse: a Shift-drag on the right side, a
// selection and an alignment in front, and the piece-sizes dialog.
void ShootProjectionEditing(TMain* main, ScopedModalScript& modal) {
    ReplaceWithMobilaFile(ReadMobilaFile(ZV_DATA_DIR "/Dulap.mo4"), main->model);
    main->EnableDesignControls();
    main->RefreshPieceWindow();
    TProiect& w = *Forms().Proiect;
    w.ProjectionView = 2;
    w.show();
    w.RedrawProjection();
    Settle();
    DoubleClick(w, At(main, w, 0, 0.5, 0.8));
    const QPoint p = At(main, w, 0, 0.5, 0.2);
    SendMouse(w, QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton, Qt::ShiftModifier);
    SendMouse(w, QEvent::MouseMove, p - QPoint(0, 60), Qt::NoButton, Qt::LeftButton, Qt::ShiftModifier);
    Shoot(&w, "proiectie_dreapta_shift");
    SendMouse(w, QEvent::MouseButtonRelease, p, Qt::LeftButton, {});
    w.RadioGroup1->SetItemIndex(1);
    w.RadioGroup1Click();
    DoubleClick(w, At(main, w, 0, 0.5, 0.9));
    Shoot(&w, "proiectie_fata_selectie");
    DoubleClick(w, At(main, w, 1, 0.5, 0.1));
    Shoot(&w, "proiectie_fata_aliniere");
    WhenShown(modal, [] { Shoot(Forms().RedimensionarePiesa, "TRedimensionarePiesa"); });
    w.Button7->click();
    w.hide();
}

} // namespace

int main(int argc, char** argv) {
    Application app(argc, argv);
    if (argc != 2) {
        std::cerr << "usage: zv_screenshots <folder>\n";
        return 2;
    }
    g_out = QDir(argv[1]).absolutePath();
    QDir().mkpath(g_out);
    QDir::setCurrent(ZV_DATA_DIR); // the catalogue pictures are named relative to it
    CreateForms();
    TMain* main = Forms().Main;
    main->startupFolder = ZV_DATA_DIR;
    ScopedDialogScript dialogs;
    ScopedModalScript modal;

    // The board catalogue as the chooser, and an entry typed wrong: the dialog
    // stays open with the message's field as typed.
    TPalPfl* palPfl = Forms().PalPfl;
    TAdaugaPalPfl* a = Forms().AdaugaPalPfl;
    WhenShown(modal, [&] {
        palPfl->StringGrid1->SelectRow(3);
        Shoot(palPfl, "TPalPfl");
        WhenShown(modal, [&] {
            a->Edit1->setText("PAL18GRI");
            a->Edit2->setText("Pal melaminat gri 18 mm");
            a->Edit3->setText("38,5");
            a->Edit4->setText("texturi/pal18_stejar.jpg");
            a->Edit5->setText("18");
            a->Edit6->setText("1.8");
            a->SetColor(6330052);
            a->BitBtn1->click();
            Shoot(a, "TAdaugaPalPfl");
        });
        palPfl->Button1->click();
        palPfl->BitBtn2->click();
    });
    std::string code = "PAL18NUC", picture;
    Color color = 0;
    double thick = 0;
    main->PickPalPfl(code, picture, color, thick);

    TFeronerie* feronerie = Forms().Feronerie;
    TAdaugaFeronerie* af = Forms().AdaugaFeronerie;
    WhenShown(modal, [&] {
        Shoot(feronerie, "TFeronerie");
        WhenShown(modal, [&] { Shoot(af, "TAdaugaFeronerie"); });
        feronerie->Button1->click();
    });
    main->Listaferonerie1Click();

    // A shelf with hardware, some of it no longer in the catalogue.
    main->model.scene.AddBox(0, 0, 0, 800, 18, 600);
    main->model.pieceNames = {"Polita"};
    main->model.scene.current = 0;
    main->EnableDesignControls();
    for (const char* c : {"MAN128", "BAL35", "PIC100", "SUR4X16", "NECUNOSCUT"})
        main->model.attrs.hardware[0].Add(c, 2);
    TFeroneriePiesa* piesa = Forms().FeroneriePiesa;
    WhenShown(modal, [&] { Shoot(piesa, "TFeroneriePiesa"); });
    RunModal(*piesa);

    TVizualizarePoza* v = Forms().VizualizarePoza;
    WhenShown(modal, [&] { Shoot(v, "TVizualizarePoza"); });
    ViewCataloguePicture("texturi/pal18_stejar.jpg");
    // A picture larger than the screen, seen whole.
    QImage big(3000, 2000, QImage::Format_RGB32);
    big.fill(QColor(200, 170, 120));
    for (int y = 0; y < big.height(); y += 100)
        for (int x = 0; x < big.width(); ++x) big.setPixel(x, y, qRgb(90, 60, 30));
    const QString bigFile = g_out + "/_mare.bmp";
    big.save(bigFile, "BMP");
    WhenShown(modal, [&] { ShootScreen("screen_VizualizarePoza_mare"); });
    ViewCataloguePicture(bigFile.toStdString());
    QFile::remove(bigFile);

    TIntrodCamera* room = Forms().IntrodCamera;
    WhenShown(modal, [&] { Shoot(room, "TIntrodCamera"); });
    main->Introduceremobilaincamera1Click();

    TCalculareDeviz* deviz = Forms().CalculareDeviz;
    main->model.attrs.materialCode[0] = "PAL18STJ";
    WhenShown(modal, [&] {
        deviz->BitBtn1->click();
        Shoot(deviz, "TCalculareDeviz");
    });
    main->BitBtn15Click();

    Forms().IncarcDate->ShowNow();
    Shoot(Forms().IncarcDate, "TIncarcDate");
    Forms().IncarcDate->hide();

    // The whole screen, the hardware catalogue opened from the menu over the main window.
    main->show();
    Settle();
    WhenShown(modal, [&] { ShootScreen("screen_Feronerie"); });
    main->Listaferonerie1->trigger();

    ShootNewCarcass(main, modal);
    ShootProjection(main, modal);
    ShootProjectionFigures(main, modal);
    ShootProjectionEditing(main, modal);

    for (const std::string& m : dialogs->Messages()) std::cout << "message: " << m << "\n";
    DestroyForms();
    return 0;
}
