#include "TProiect.h"

#include "Forms.h"
#include "TMain.h"
#include "TRedimensionarePiesa.h"
#include "model/PieceAlign.h"
#include "model/ProjectionEdit.h"
#include "platform/Launcher.h"
#include "platform/Numbers.h"
#include "platform/Picture.h"
#include "platform/widgets/Modal.h"

#include <QGuiApplication>
#include <QResizeEvent>
#include <QScreen>
#include <QStyleHints>
#include <QTimer>
#include <algorithm>

namespace zv {

namespace {
constexpr int kImageWidth = 696, kImageHeight = 566; // at the design size of 800 x 600
constexpr int kColumnWidth = 100;

const char* const kBmpFilter = "Fisiere Bitmap (*.bmp)|*.bmp|Toate fisierele (*.*)|*.*";
const char* const kJpegFilter = "Fisiere JPEG (*.jpg)|*.jpg|Toate fisierele (*.*)|*.*";

const Furniture& Model() { return Forms().Main->model; }
TMain& Main() { return *Forms().Main; }

constexpr const char* kNoPieceHere = "Nu am gasit nicio piesa.";
constexpr const char* kNoPieceOnLevel = "Nu am gasit nici o piesa pe nivelul ";
} // namespace

TProiect::TProiect(QWidget* parent) : FormBase<QDialog>(parent) {
    setObjectName("Proiect");
    setWindowTitle("Proiectie");
    resize(800, 600);
    font.family = "MS Sans Serif";
    font.pixelHeight = 11;

    // The column of controls is narrow: a small font, as the window was laid out for.
    QFont small = QDialog::font();
    small.setPointSize(8);
    setFont(small);

    Image1 = new PictureBox(this);
    Image1->setObjectName("Image1");
    Image1->setToolTip("Deplasare piese cu buton stanga, selectare cu dublu click");
    Image1->setGeometry(0, 0, kImageWidth, kImageHeight);
    Image1->FitCanvas();

    auto button = [this](const char* name, const char* text, void (TProiect::*handler)()) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(name);
        if (handler) connect(b, &QPushButton::clicked, this, [this, handler] { (this->*handler)(); });
        return b;
    };
    auto check = [this](const char* name, const char* text, bool on, const char* hint, void (TProiect::*handler)()) {
        auto* c = new QCheckBox(text, this);
        c->setObjectName(name);
        c->setChecked(on);
        c->setToolTip(hint);
        connect(c, &QCheckBox::clicked, this, [this, handler] { (this->*handler)(); });
        return c;
    };
    auto spin = [this](const char* name, int value) {
        auto* s = new QSpinBox(this);
        s->setObjectName(name);
        s->setRange(1, 9);
        s->setValue(value);
        return s;
    };
    auto label = [this](const char* name, const char* text) {
        auto* l = new QLabel(text, this);
        l->setObjectName(name);
        return l;
    };

    RadioGroup1 = new RadioGroup("Proiectie", {"Jos", "Fata", "Dreapta"}, this);
    RadioGroup1->setObjectName("RadioGroup1");
    RadioGroup1->SetItemIndex(1);
    RadioGroup1->onClick = [this] { RadioGroup1Click(); };
    Button1 = button("Button1", "&Font", &TProiect::Button1Click);
    Button1->setToolTip("Setarea caracteristicilor de afisare a cotelor si denumirilor pieselor");
    CheckBox1 = check("CheckBox1", "Afis. &denumiri", false, "Afisare denumiri piese", &TProiect::CheckBox1Click);
    CheckBox2 = check("CheckBox2", "Afisare &cote", true, "Afisare cote piese", &TProiect::CheckBox2Click);
    CheckBox3 = check("CheckBox3", "Afis. &sarmos", false, "Afisare piese umplute sau goale (sarmos)",
                      &TProiect::CheckBox3Click);
    CheckBox4 = check("CheckBox4", "Afis. &decupat", true, "Afisare piese cu model de decupare",
                      &TProiect::CheckBox4Click);
    Label2 = label("Label2", "Nivel select:");
    SpinEdit4 = spin("SpinEdit4", 1);
    Label2->setEnabled(false);
    SpinEdit4->setEnabled(false);
    Label4 = label("Label4", "Linii cote:");
    SpinEdit1 = spin("SpinEdit1", 3);
    Label5 = label("Label5", "Col. cote:");
    SpinEdit2 = spin("SpinEdit2", 2);
    connect(SpinEdit1, &QSpinBox::valueChanged, this, [this] { SpinEdit1Change(); });
    connect(SpinEdit2, &QSpinBox::valueChanged, this, [this] { SpinEdit2Change(); });
    Button5 = button("Button5", "&Salvare &JPG", &TProiect::Button5Click);
    Button5->setToolTip("Salvarea desen in fisier JPEG");
    Button4 = button("Button4", "&Salvare &BMP", &TProiect::Button4Click);
    Button4->setToolTip("Salvarea desen in fisier Bitmap");
    RadioGroup2 = new RadioGroup("Translat./Redim.", {"Verticala", "Orizontala"}, this);
    RadioGroup2->setObjectName("RadioGroup2");
    RadioGroup2->SetItemIndex(0);
    Label1 = label("Label1", "Pas (mm):");
    Edit3 = new QLineEdit("1", this);
    Edit3->setObjectName("Edit3");
    RadioGroup2->onClick = [this] { RadioGroup2Click(); };
    Button2 = button("Button2", "Piesa &noua", &TProiect::Button2Click);
    Button3 = button("Button3", "S&terge piesa", &TProiect::Button3Click);
    Button3->setEnabled(false);
    Button7 = button("Button7", "&Dimensiuni piese", &TProiect::Button7Click);
    Button6 = button("Button6", "&Anulare", &TProiect::Button6Click);
    Image1->onMouseDown = [this](const PictureBox::MouseArgs& a) { Image1MouseDown(a); };
    Image1->onMouseMove = [this](const PictureBox::MouseArgs& a) { Image1MouseMove(a); };
    Image1->onMouseUp = [this](const PictureBox::MouseArgs& a) { Image1MouseUp(a); };
    Image1->onDoubleClick = [this](const PictureBox::MouseArgs& a) { Image1DblClick(a); };
    pressWarning_ = new QTimer(this);
    pressWarning_->setSingleShot(true);
    connect(pressWarning_, &QTimer::timeout, this, [this] { ShowWarning(pendingWarning_); });
    LayoutControls();
}

void TProiect::LayoutControls() {
    const int x = width() - kColumnWidth - 2, w = kColumnWidth;
    Image1->setGeometry(0, 0, std::max(1, width() - kColumnWidth - 4), std::max(1, height() - 34));
    int y = 4;
    auto place = [&](QWidget* c, int h) {
        c->setGeometry(x, y, w, h);
        y += h + 3;
    };
    place(RadioGroup1, 70);
    place(Button1, 24);
    place(CheckBox1, 18);
    place(CheckBox2, 18);
    place(CheckBox3, 18);
    place(CheckBox4, 18);
    // The labels take the width of the widest, so no text is cut and the fields line up.
    int labelWidth = 0;
    for (const QLabel* l : {Label2, Label4, Label5, Label1})
        labelWidth = std::max(labelWidth, l->fontMetrics().horizontalAdvance(l->text()) + 4);
    labelWidth = std::min(labelWidth, w - 32);
    auto pair = [&](QLabel* l, QWidget* c) {
        l->setGeometry(x, y + 3, labelWidth, 16);
        c->setGeometry(x + labelWidth, y, w - labelWidth, 22);
        y += 25;
    };
    pair(Label2, SpinEdit4);
    pair(Label4, SpinEdit1);
    pair(Label5, SpinEdit2);
    place(Button5, 24);
    place(Button4, 24);
    place(RadioGroup2, 52);
    pair(Label1, Edit3);
    place(Button2, 24);
    place(Button3, 24);
    place(Button7, 24);
    place(Button6, 24);
}

void TProiect::resizeEvent(QResizeEvent* e) {
    FormBase<QDialog>::resizeEvent(e);
    LayoutControls();
    // The picture follows the image's size.
    Image1->FitCanvas();
    if (isVisible()) RedrawProjection();
}

ProjectionOptions TProiect::Options() const {
    ProjectionOptions o;
    o.view = ProjectionView;
    o.names = CheckBox1->isChecked();
    o.figures = CheckBox2->isChecked();
    o.wireframe = CheckBox3->isChecked();
    o.cutouts = CheckBox4->isChecked();
    o.rows = ClampFigureLines(SpinEdit1->value());
    o.columns = ClampFigureLines(SpinEdit2->value());
    o.selected = selectedPiece;
    o.half = highlightedHalf;
    o.vertical = RadioGroup2->ItemIndex() != 1;
    o.font = font;
    return o;
}

// The layout is rebuilt by every drawing, so projecting is drawing.
void TProiect::ProjectPieces() {
    DropStaleSelection();
    picture = LayoutProjection(Model().scene, Options(), Image1->width(), Image1->height());
}

void TProiect::RedrawProjection() {
    const Furniture& f = Model();
    DropStaleSelection();
    const ProjectionOptions o = Options();
    Image1->FitCanvas();
    picture = LayoutProjection(f.scene, o, Image1->canvas().Width(), Image1->canvas().Height());
    PaintProjection(Image1->canvas(), f, picture, o, contours);
    Image1->update();
    // Messages after painting, each file's once per showing.
    for (const auto& m : contours.TakeMessages()) {
        if (!told_.insert(m.file + '\n' + m.message.text).second) continue;
        ShowMessage(m.message.kind, m.message.text);
    }
}

void TProiect::FormShow() {
    if (QScreen* s = QGuiApplication::primaryScreen()) move(s->availableGeometry().center() - rect().center());
    Button6->setEnabled(false);
    Button3->setEnabled(false);
    SpinEdit4->setValue(1);
    ClearSelection();
    drag.undoTaken = false;
    told_.clear();
    RadioGroup1->SetItemIndex(ProjectionView);
    Image1->FitCanvas();
    RedrawProjection();
}

void TProiect::RadioGroup1Click() {
    selectedPiece = -1;
    ProjectionView = std::clamp(RadioGroup1->ItemIndex(), 0, 2);
    RedrawProjection();
}

void TProiect::CheckBox1Click() { RedrawProjection(); }
void TProiect::CheckBox2Click() { RedrawProjection(); }
void TProiect::CheckBox4Click() { RedrawProjection(); }
void TProiect::CheckBox3Click() {
    RedrawProjection();
    Label2->setEnabled(CheckBox3->isChecked());
    SpinEdit4->setEnabled(CheckBox3->isChecked());
}
void TProiect::SpinEdit1Change() {
    if (CheckBox2->isChecked()) RedrawProjection();
}
void TProiect::SpinEdit2Change() {
    if (CheckBox2->isChecked()) RedrawProjection();
}

void TProiect::Button1Click() {
    if (auto chosen = Dialogs().Font(font)) font = *chosen;
    RedrawProjection();
}

void TProiect::Button5Click() { SavePictureAs(PictureKind::Jpeg); }
void TProiect::Button4Click() { SavePictureAs(PictureKind::Bmp); }

void TProiect::SavePictureAs(PictureKind kind) {
    FileDialogRequest r;
    const bool jpeg = kind == PictureKind::Jpeg;
    r.title = jpeg ? kProjectionJpegTitle : kProjectionBmpTitle;
    r.filter = jpeg ? kJpegFilter : kBmpFilter;
    r.defaultExt = jpeg ? "jpg" : "bmp";
    r.initialDir = Forms().Main->startupFolder;
    r.preview = [](const std::string& path) {
        QImage img;
        return LoadPicture(path, img).ok ? img : QImage();
    };
    const auto answer = Dialogs().SaveFile(r);
    if (!answer || answer->fileName.empty()) return;
    // The button decides the format, whatever the name ends with.
    const QImage& img = Image1->canvas().Image();
    const PictureResult saved = jpeg ? SaveJpeg(answer->fileName, img) : SaveBmp(answer->fileName, img);
    if (!saved.ok) {
        ShowError(saved.error);
        return;
    }
    StartOuterProgram(OuterProgram::Paint, {answer->fileName});
}

} // namespace zv

namespace zv {

// ---------------------------------------------------------------- mouse editing

void TProiect::Reproject() { RedrawProjection(); }

void TProiect::ClearSelection() { selectedPiece = secondPiece = pressedPiece = lastClickedPiece = -1; }

void TProiect::DropStaleSelection() {
    const int n = Model().scene.pieceCount;
    if (selectedPiece >= n) {
        selectedPiece = -1;
        Button3->setEnabled(false);
    }
    if (secondPiece >= n) secondPiece = -1;
    if (pressedPiece > n) pressedPiece = -1;
    if (lastClickedPiece > n) lastClickedPiece = -1;
}

void TProiect::Image1MouseDown(const PictureBox::MouseArgs& a) {
    if (pressedPiece >= 1) {
        // Another button during a press belongs to it. With no other button
        // held, the release of the last press never came (a message box
        // took it): that press ends here.
        if ((a.buttons & ~Qt::MouseButtons(a.button)) != Qt::NoButton) return;
        EndPress();
    }
    // A click that is not the second of a double-click: the last one's warning is dropped.
    pressWarning_->stop();
    const Scene3D& scene = Model().scene;
    drag.mode = a.modifiers.testFlag(Qt::ShiftModifier) ? 1 : 0;
    Image1->FitCanvas();
    const ProjectionOptions o = Options();
    // The same fit as the drawing.
    const ProjectionPicture p = LayoutProjection(scene, o, Image1->canvas().Width(), Image1->canvas().Height());
    drag.scale = p.fit.ok && p.fit.scale > 0 ? p.fit.scale : 0.001;
    drag.mouseX = a.x;
    drag.mouseY = a.y;
    pressedPiece = -1;
    const std::vector<int> hits = PiecesUnderPoint(scene, p, o.view, a.x, a.y);
    if (hits.empty()) {
        WarnUnlessDoubleClick(kNoPieceHere);
        return;
    }
    int level = 1;
    if (o.wireframe) {
        const QString text = SpinEdit4->text();
        level = ParseInt(text.trimmed().toStdString()).value_or(1);
        if (level < 1 || level > static_cast<int>(hits.size())) {
            WarnUnlessDoubleClick(kNoPieceOnLevel + text.toStdString() + ".");
            return;
        }
    }
    const int piece = hits[static_cast<std::size_t>(level - 1)];
    const auto k = static_cast<std::size_t>(piece);
    pressedPiece = piece + 1;
    edgeAtPress = EdgeAtPoint(p.rects[k], o.vertical, a.x, a.y);
    if (selectedPiece < 0) highlightedHalf = edgeAtPress;
    drag.hStart = PieceMinimum(scene, piece, ViewHorizontalAxis(o.view));
    drag.vStart = PieceMinimum(scene, piece, ViewVerticalAxis(o.view));
    drag.widthAtPress = p.layout.width[k];
    drag.heightAtPress = p.layout.height[k];
}

void TProiect::Image1MouseMove(const PictureBox::MouseArgs& a) {
    if (pressedPiece < 1) return;
    // Only the left button drags; other buttons change nothing and take no snapshot.
    if (!a.buttons.testFlag(Qt::LeftButton)) return;
    TMain& m = Main();
    ProjectionDragEdit d;
    d.piece = pressedPiece - 1;
    d.view = ProjectionView;
    d.vertical = RadioGroup2->ItemIndex() != 1;
    d.resize = a.modifiers.testFlag(Qt::ShiftModifier);
    d.hStart = drag.hStart;
    d.vStart = drag.vStart;
    d.widthAtPress = drag.widthAtPress;
    d.heightAtPress = drag.heightAtPress;
    const double step = DragStep(ParseField(Edit3->text().toStdString()));
    d.dh = WholeSteps(a.x - drag.mouseX, drag.scale, step);
    d.dv = WholeSteps(a.y - drag.mouseY, drag.scale, step);
    // A shaking click changes nothing and keeps the one undo level.
    if (drag.stopped || !DragChanges(m.model, d)) return;
    // A box past the limit: the piece stays where the drag last put it, and
    // the rest of this press changes nothing, so the user is told once.
    if (const std::string why = CheckProjectionDrag(m.model, d); !why.empty()) {
        drag.stopped = true;
        ShowWarning(why);
        return;
    }
    const auto change = [&] { return ApplyProjectionDrag(m.model, d); };
    if (drag.undoTaken) {
        m.ContinueEdit(change);
    } else {
        drag.undoTaken = true;
        m.ApplyEdit(change);
        SnapshotTaken();
    }
    Reproject();
}

void TProiect::Image1MouseUp(const PictureBox::MouseArgs&) { EndPress(); }

// A press on no piece says so once it is clear that no double-click follows:
// a double-click there ends the selection, and a message box would take its
// second click.
void TProiect::WarnUnlessDoubleClick(const std::string& text) {
    pendingWarning_ = text;
    pressWarning_->start(QGuiApplication::styleHints()->mouseDoubleClickInterval());
}

void TProiect::EndPress() {
    drag.undoTaken = false;
    drag.stopped = false;
    lastClickedPiece = pressedPiece;
    pressedPiece = -1;
}

// The double-click comes after the press and release of its first click and
// in place of the second press: it starts no press of its own.
void TProiect::Image1DblClick(const PictureBox::MouseArgs&) {
    pressWarning_->stop();
    TMain& m = Main();
    DropStaleSelection();
    secondPiece = -1;
    const int clicked = lastClickedPiece - 1;
    if (selectedPiece < 0 && lastClickedPiece >= 1) {
        selectedPiece = clicked;
        m.model.scene.current = clicked;
        m.RefreshPieceWindow();
        Button3->setEnabled(true);
        firstEdge = edgeAtPress;
        RedrawProjection();
    } else if (selectedPiece >= 0 && lastClickedPiece >= 1 && clicked != selectedPiece) {
        secondPiece = clicked;
        secondEdge = edgeAtPress;
        Button3->setEnabled(false);
    } else {
        selectedPiece = -1;
        Button3->setEnabled(false);
        RedrawProjection();
    }
    if (secondPiece >= 0) AlignSelected();
}

void TProiect::AlignSelected() {
    TMain& m = Main();
    const Axis axis = DragAxis(ProjectionView, RadioGroup2->ItemIndex() != 1);
    const TangentEdit t = ProjectionAlignment(selectedPiece, secondPiece, axis, firstEdge, secondEdge, drag.mode == 1);
    // Refused before the snapshot: the one undo level survives.
    if (const std::string why = CheckTangent(m.model, t); !why.empty()) {
        ShowWarning(why);
    } else {
        m.ApplyEdit([&] { return AlignTangent(m.model, t); });
        SnapshotTaken();
    }
    ClearSelection();
    Button3->setEnabled(false);
    Reproject();
}

void TProiect::RadioGroup2Click() {
    selectedPiece = -1;
    Button3->setEnabled(false);
    // No red half may stay without a selection.
    RedrawProjection();
}

void TProiect::Button2Click() {
    Main().BitBtn4Click();
    Reproject();
}

void TProiect::Button3Click() {
    TMain& m = Main();
    DropStaleSelection();
    // The piece shown selected is deleted, whatever piece became current since.
    if (!m.model.scene.ValidPiece(selectedPiece)) return;
    m.model.scene.current = selectedPiece;
    m.RefreshPieceWindow();
    const int before = m.model.scene.pieceCount;
    m.BitBtn5Click();
    if (m.model.scene.pieceCount < before) {
        ClearSelection();
        Button3->setEnabled(false);
    }
    Reproject();
}

void TProiect::Button7Click() {
    // The dialog takes the undo snapshot at the first size it applies.
    RunModal(*Forms().RedimensionarePiesa);
    Reproject();
}

void TProiect::Button6Click() {
    Button6->setEnabled(false);
    TMain& m = Main();
    if (m.UndoPossible()) m.BitBtn13Click();
    Reproject();
}

void TProiect::FormHide() {
    // A press whose release never came ends with the window, and its warning too.
    pressWarning_->stop();
    drag.undoTaken = false;
    drag.stopped = false;
    pressedPiece = -1;
    TMain* m = Forms().Main;
    if (!m) return;
    Scene3D& s = m->model.scene;
    for (int i = 0; i < s.pieceCount; ++i) s.UpdateObjectCentre(i);
    s.UpdateModelCentre();
    m->ShowModelChange({});
}

} // namespace zv
