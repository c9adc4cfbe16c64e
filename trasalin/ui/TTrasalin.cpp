#include "ui/TTrasalin.h"

#include "platform/Dialogs.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QStatusBar>
#include <QToolBar>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace trasalin {

namespace {

struct ToolText {
    Tool tool;
    const char* name;
    const char* hint;
};
constexpr ToolText kTools[] = {
    {Tool::Line, "&Linie", "Linie: trageti cu mouse-ul de la un capat la celalalt."},
    {Tool::Polyline, "Linie &franta",
     "Linie franta: clic in fiecare colt; clic pe primul punct inchide conturul, clic dreapta il lasa deschis."},
    {Tool::Ellipse, "&Cerc / elipsa", "Cerc / elipsa: trageti cu mouse-ul de la un colt la celalalt al chenarului."},
    {Tool::Arc, "&Arc prin trei puncte",
     "Arc prin trei puncte: clic la inceput, intr-un punct de pe arc si la sfarsit."},
    {Tool::RoundRect, "&Dreptunghi rotunjit", "Dreptunghi rotunjit: trageti de la un colt la celalalt."},
    {Tool::Freehand, "&Mana libera", "Mana libera: desenati tinand butonul mouse-ului apasat."},
    {Tool::Eraser, "&Radiera", "Radiera: stergeti tinand butonul mouse-ului apasat."},
};

const ToolText& TextOf(Tool t) {
    for (const ToolText& x : kTools)
        if (x.tool == t) return x;
    return kTools[0];
}

QString Plain(const char* menuText) { return QString::fromUtf8(menuText).remove('&'); }

} // namespace

// ---------------------------------------------------------------- the area

DrawArea::DrawArea(TTrasalin& owner) : QWidget(nullptr), owner_(owner) {
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

Pixel DrawArea::PixelAt(QPoint pos) const {
    const int z = owner_.zoom_;
    return {static_cast<int>(std::floor(static_cast<double>(pos.x()) / z)),
            static_cast<int>(std::floor(static_cast<double>(pos.y()) / z))};
}

QPoint DrawArea::CentreOf(Pixel p) const {
    const int z = owner_.zoom_;
    return {p.x * z + z / 2, p.y * z + z / 2};
}

void DrawArea::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    const int z = owner_.zoom_;
    const QImage& img = owner_.image_;
    p.fillRect(e->rect(), QColor(128, 128, 128));
    p.fillRect(QRect(0, 0, img.width() * z, img.height() * z), Qt::white);

    // The grid under the ink, through the centres of the pixels it snaps to.
    const int step = owner_.gridStep();
    if (owner_.grid_ && step * z >= 4) {
        p.setPen(QColor(150, 180, 255));
        for (int x = 0; x < img.width(); x += step) p.drawLine(x * z + z / 2, 0, x * z + z / 2, img.height() * z - 1);
        for (int y = 0; y < img.height(); y += step) p.drawLine(0, y * z + z / 2, img.width() * z - 1, y * z + z / 2);
    }
    p.drawImage(QRect(0, 0, img.width() * z, img.height() * z), img);

    const ToolSession& s = owner_.session_;
    const QColor shape = s.tool == Tool::Eraser ? QColor(255, 160, 160) : QColor(0, 90, 255);
    for (const Pixel& q : s.Preview())
        if (q.x >= 0 && q.y >= 0 && q.x < img.width() && q.y < img.height()) p.fillRect(q.x * z, q.y * z, z, z, shape);
    p.setPen(QColor(220, 0, 0));
    for (const Pixel& q : s.Points()) {
        const QPoint c = CentreOf(q);
        p.drawRect(c.x() - 3, c.y() - 3, 6, 6);
    }

    if (const auto& m = owner_.marker_) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(230, 0, 0), 2));
        const int r = std::max(10, 3 * z);
        p.drawEllipse(CentreOf(m->where), r, r);
        if (m->hasOther) p.drawEllipse(CentreOf(m->other), r, r);
    }
}

void DrawArea::mousePressEvent(QMouseEvent* e) { owner_.MouseDown(PixelAt(e->position().toPoint()), e->button()); }
void DrawArea::mouseMoveEvent(QMouseEvent* e) {
    owner_.MouseMove(PixelAt(e->position().toPoint()), (e->buttons() & Qt::LeftButton) != 0);
}
void DrawArea::mouseReleaseEvent(QMouseEvent* e) { owner_.MouseUp(PixelAt(e->position().toPoint()), e->button()); }
void DrawArea::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) owner_.MouseDoubleClick(PixelAt(e->position().toPoint()));
}
void DrawArea::leaveEvent(QEvent*) { owner_.MouseLeft(); }
void DrawArea::wheelEvent(QWheelEvent* e) {
    if (!(e->modifiers() & Qt::ControlModifier)) {
        e->ignore(); // the scroll area scrolls
        return;
    }
    owner_.StepZoom(e->angleDelta().y() > 0 ? +1 : -1);
    e->accept();
}

// ---------------------------------------------------------------- the window

TTrasalin::TTrasalin(QWidget* parent) : FormBase<QMainWindow>(parent) {
    setObjectName("Trasalin");
    area_ = new DrawArea(*this);
    area_->setObjectName("Image1");
    scroll_ = new QScrollArea(this);
    scroll_->setWidget(area_);
    scroll_->setAlignment(Qt::AlignCenter);
    scroll_->setBackgroundRole(QPalette::Dark);
    setCentralWidget(scroll_);
    position_ = new QLabel(this);
    position_->setObjectName("LabelPozitie");
    position_->setMinimumWidth(140);
    size_ = new QLabel(this);
    size_->setObjectName("LabelMarime");
    statusBar()->addPermanentWidget(size_);
    statusBar()->addPermanentWidget(position_);
    BuildMenus();
    BuildToolBar();
    resize(1000, 760);
    Reset(Bitmap(kDefaultWidth, kDefaultHeight), {});
    SetTool(Tool::Line);
}

void TTrasalin::BuildMenus() {
    QMenu* file = menuBar()->addMenu("&Fisier");
    file->addAction("&Nou...", this, [this] { Nou1Click(); })->setShortcut(QKeySequence::New);
    file->addAction("&Deschide...", this, [this] { Deschide1Click(); })->setShortcut(QKeySequence::Open);
    file->addAction("&Salveaza", this, [this] { Salveaza1Click(); })->setShortcut(QKeySequence::Save);
    file->addAction("Salveaza &ca...", this, [this] { SalveazaCa1Click(); });
    file->addSeparator();
    file->addAction("&Iesire", this, [this] { Iesire1Click(); });

    QMenu* edit = menuBar()->addMenu("&Editare");
    undo_ = edit->addAction("&Anulare", this, [this] { Anulare1Click(); });
    undo_->setShortcut(QKeySequence::Undo);
    redo_ = edit->addAction("&Refacere", this, [this] { Refacere1Click(); });
    redo_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});

    QMenu* view = menuBar()->addMenu("&Vedere");
    gridAction_ = view->addAction("&Grila");
    gridAction_->setCheckable(true);
    gridAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    connect(gridAction_, &QAction::triggered, this, [this](bool on) { Grila1Click(on); });
    snapAction_ = view->addAction("&Aliniere la grila");
    snapAction_->setCheckable(true);
    connect(snapAction_, &QAction::triggered, this, [this](bool on) { AliniereGrila1Click(on); });
    view->addSeparator();
    view->addAction("&Marire", this, [this] { Marire1Click(); })
        ->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    view->addAction("Mi&csorare", this, [this] { Micsorare1Click(); })
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    view->addAction("Marime &reala", this, [this] { MarimeReala1Click(); })
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));

    QMenu* tools = menuBar()->addMenu("&Unelte");
    auto* group = new QActionGroup(this);
    for (const ToolText& t : kTools) {
        QAction* a = tools->addAction(t.name);
        a->setCheckable(true);
        a->setStatusTip(t.hint);
        group->addAction(a);
        const Tool tool = t.tool;
        connect(a, &QAction::triggered, this, [this, tool] { SetTool(tool); });
        toolActions_[tool] = a;
    }
}

void TTrasalin::BuildToolBar() {
    QToolBar* bar = addToolBar("Unelte");
    bar->setObjectName("ToolBar1");
    bar->setMovable(false);
    for (const ToolText& t : kTools) {
        QAction* a = toolActions_.at(t.tool);
        bar->addAction(a);
        a->setIconText(Plain(t.name));
    }
    // The settings on a row of their own, so that no tool hides behind the
    // tool bar's overflow button in a narrow window.
    addToolBarBreak();
    bar = addToolBar("Setari");
    bar->setObjectName("ToolBar2");
    bar->setMovable(false);
    auto spin = [&](const char* label, const char* name, int lo, int hi, int value) {
        bar->addWidget(new QLabel(QString(" ") + label + " ", bar));
        auto* s = new QSpinBox(bar);
        s->setObjectName(name);
        s->setRange(lo, hi);
        s->setValue(value);
        bar->addWidget(s);
        return s;
    };
    radius_ = spin("Raza colt:", "SpinEdit1", 0, 2000, session_.cornerRadius);
    eraser_ = spin("Radiera:", "SpinEdit2", 1, 100, session_.eraserSize);
    step_ = spin("Pas grila:", "SpinEdit3", 2, 500, 10);
    connect(radius_, &QSpinBox::valueChanged, this, [this](int v) { session_.cornerRadius = v; });
    connect(eraser_, &QSpinBox::valueChanged, this, [this](int v) { session_.eraserSize = v; });
    connect(step_, &QSpinBox::valueChanged, this, [this](int) { area_->update(); });
    bar->addSeparator();
    bar->addAction(gridAction_);
    bar->addAction(snapAction_);
}

int TTrasalin::gridStep() const { return step_->value(); }
void TTrasalin::SetGridStep(int step) { step_->setValue(step); }
void TTrasalin::SetCornerRadius(int r) { radius_->setValue(r); }
void TTrasalin::SetEraserSize(int s) { eraser_->setValue(s); }

void TTrasalin::Start(const StartRequest& request) {
    if (!request.error.empty()) zv::ShowError(request.error);
    if (request.file.empty()) return;
    if (QFileInfo::exists(QString::fromStdString(request.file))) {
        LoadFile(request.file);
        return;
    }
    // A model that is still to be drawn: Save writes it under that name.
    Reset(Bitmap(kDefaultWidth, kDefaultHeight), request.file);
}

void TTrasalin::Reset(Bitmap b, const std::string& fileName) {
    session_.Cancel();
    marker_.reset();
    drawing_.Reset(std::move(b));
    fileName_ = fileName;
    const QSize room = scroll_->viewport()->size().expandedTo(QSize(900, 600));
    zoom_ = FittingZoom(drawing_.bitmap().Width(), drawing_.bitmap().Height(), room.width() - 20, room.height() - 20);
    PictureChanged();
}

bool TTrasalin::LoadFile(const std::string& path) {
    Bitmap b;
    const FileResult r = LoadDrawing(path, b);
    if (!r.ok) {
        zv::ShowError(r.error);
        return false;
    }
    Reset(std::move(b), path);
    return true;
}

void TTrasalin::PictureChanged() {
    // The ink alone, so the grid shows through the background.
    image_ = drawing_.bitmap().ToImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image_.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
        for (int x = 0; x < image_.width(); ++x)
            if (line[x] == 0xFFFFFFFFu) line[x] = 0;
    }
    area_->resize(image_.width() * zoom_, image_.height() * zoom_);
    size_->setText(QString("%1 x %2 puncte").arg(image_.width()).arg(image_.height()));
    UpdateTitle();
    UpdateActions();
    area_->update();
}

void TTrasalin::UpdateTitle() {
    const QString name = fileName_.empty() ? QString("(fara nume)")
                                           : QFileInfo(QString::fromStdString(fileName_)).fileName();
    setWindowTitle(QString(kTitle) + " - " + name + (drawing_.Modified() ? " *" : ""));
}

void TTrasalin::UpdateActions() {
    undo_->setEnabled(drawing_.CanUndo());
    redo_->setEnabled(drawing_.CanRedo());
}

bool TTrasalin::ConfirmDrop() {
    if (!drawing_.Modified()) return true;
    switch (zv::ShowMessage(zv::MsgKind::Confirmation, kNotSaved, zv::MsgButtons::YesNoCancel)) {
    case zv::MsgResult::Yes: return Salveaza1Click();
    case zv::MsgResult::No: return true;
    default: return false;
    }
}

void TTrasalin::Nou1Click() {
    if (!ConfirmDrop()) return;
    const auto text = zv::InputBox("Desen nou", kNewSizePrompt,
                                   std::to_string(kDefaultWidth) + " x " + std::to_string(kDefaultHeight));
    if (!text) return;
    const auto size = ParseDrawingSize(*text);
    if (!size) {
        zv::ShowError(kBadSize);
        return;
    }
    Reset(Bitmap(size->first, size->second), {});
}

void TTrasalin::Deschide1Click() {
    if (!ConfirmDrop()) return;
    zv::FileDialogRequest req;
    req.title = "Deschide desen";
    req.filter = kBmpFilter;
    req.defaultExt = "bmp";
    if (!fileName_.empty()) req.initialDir = QFileInfo(QString::fromStdString(fileName_)).absolutePath().toStdString();
    const auto answer = zv::Dialogs().OpenFile(req);
    if (!answer || answer->fileName.empty()) return;
    LoadFile(QFileInfo(QString::fromStdString(answer->fileName)).absoluteFilePath().toStdString());
}

bool TTrasalin::Salveaza1Click() {
    if (fileName_.empty()) return SalveazaCa1Click();
    return SaveTo(fileName_);
}

bool TTrasalin::SalveazaCa1Click() {
    zv::FileDialogRequest req;
    req.title = "Salveaza desenul";
    req.filter = kBmpFilter;
    req.defaultExt = "bmp";
    if (!fileName_.empty()) {
        const QFileInfo fi(QString::fromStdString(fileName_));
        req.initialDir = fi.absolutePath().toStdString();
        req.fileName = fi.fileName().toStdString();
    }
    const auto answer = zv::Dialogs().SaveFile(req);
    if (!answer || answer->fileName.empty()) return false;
    return SaveTo(QFileInfo(QString::fromStdString(answer->fileName)).absoluteFilePath().toStdString());
}

bool TTrasalin::SaveTo(const std::string& path) {
    session_.Cancel();
    const OutlineReport report = CheckOutline(drawing_.bitmap());
    if (!report.Ok()) {
        marker_ = report;
        if (report.fault != OutlineFault::Empty) {
            const QPoint c = area_->CentreOf(report.where);
            scroll_->ensureVisible(c.x(), c.y(), 80, 80);
        }
        area_->update();
        const std::string text = report.Text() + "\n" + kSaveAnyway;
        if (zv::ShowMessage(zv::MsgKind::Warning, text, zv::MsgButtons::YesNo) != zv::MsgResult::Yes) return false;
    } else {
        marker_.reset();
        area_->update();
    }
    const FileResult r = SaveDrawing(path, drawing_.bitmap());
    if (!r.ok) {
        zv::ShowError(r.error);
        return false;
    }
    fileName_ = path;
    drawing_.MarkSaved();
    UpdateTitle();
    return true;
}

void TTrasalin::Anulare1Click() {
    session_.Cancel();
    if (drawing_.Undo()) marker_.reset();
    PictureChanged();
}

void TTrasalin::Refacere1Click() {
    session_.Cancel();
    if (drawing_.Redo()) marker_.reset();
    PictureChanged();
}

void TTrasalin::Grila1Click(bool on) {
    grid_ = on;
    gridAction_->setChecked(on);
    area_->update();
}

void TTrasalin::AliniereGrila1Click(bool on) {
    snap_ = on;
    snapAction_->setChecked(on);
    if (mouse_) MouseMove(*mouse_, false);
}

void TTrasalin::SetZoom(int z) {
    z = std::clamp(z, kZoomSteps[0], kZoomSteps[std::size(kZoomSteps) - 1]);
    if (z == zoom_) return;
    // The same part of the picture stays in the middle of the view.
    QScrollBar* h = scroll_->horizontalScrollBar();
    QScrollBar* v = scroll_->verticalScrollBar();
    const QSize view = scroll_->viewport()->size();
    const double cx = (h->value() + view.width() / 2.0) / zoom_, cy = (v->value() + view.height() / 2.0) / zoom_;
    zoom_ = z;
    PictureChanged();
    h->setValue(static_cast<int>(cx * zoom_ - view.width() / 2.0));
    v->setValue(static_cast<int>(cy * zoom_ - view.height() / 2.0));
}

void TTrasalin::StepZoom(int direction) {
    const int* first = std::begin(kZoomSteps);
    const int* last = std::end(kZoomSteps);
    const int* at = std::lower_bound(first, last, zoom_);
    if (direction > 0) {
        if (at != last && *at == zoom_) ++at;
        if (at != last) SetZoom(*at);
    } else if (at != first) {
        SetZoom(*(at - 1));
    }
}

void TTrasalin::SetTool(Tool t) {
    session_.SetTool(t);
    toolActions_.at(t)->setChecked(true);
    statusBar()->showMessage(TextOf(t).hint);
    area_->update();
}

Pixel TTrasalin::Snapped(Pixel p) const { return snap_ ? SnapToGrid(p, gridStep()) : p; }

QString TTrasalin::PositionText() const {
    if (!mouse_) return {};
    return QString("x = %1, y = %2").arg(mouse_->x).arg(mouse_->y);
}

void TTrasalin::Commit(const std::optional<Stroke>& s) {
    if (s && drawing_.Apply(s->pixels, s->ink) > 0) marker_.reset();
    PictureChanged();
}

void TTrasalin::MouseDown(Pixel p, Qt::MouseButton button) {
    const Pixel q = Snapped(p);
    if (button == Qt::RightButton) {
        Commit(session_.Finish());
        return;
    }
    if (button != Qt::LeftButton) return;
    // A click this near the first corner closes the polyline: a few screen
    // points, whatever the zoom.
    session_.closeDistance = std::max(0, 4 / zoom_);
    if (snap_) session_.closeDistance = 0;
    Commit(session_.Press(q));
}

void TTrasalin::MouseMove(Pixel p, bool held) {
    const Pixel q = Snapped(p);
    mouse_ = q;
    position_->setText(PositionText());
    session_.Move(q, held);
    area_->update();
}

void TTrasalin::MouseUp(Pixel p, Qt::MouseButton button) {
    if (button != Qt::LeftButton) return;
    Commit(session_.Release(Snapped(p)));
}

// The second click of a double click ends a polyline; for the other tools it
// is a click like any other (two quick clicks of an arc).
void TTrasalin::MouseDoubleClick(Pixel p) {
    if (session_.tool == Tool::Polyline)
        Commit(session_.Finish());
    else
        MouseDown(p, Qt::LeftButton);
}

void TTrasalin::MouseLeft() {
    mouse_.reset();
    position_->setText({});
}

void TTrasalin::closeEvent(QCloseEvent* e) {
    if (ConfirmDrop())
        e->accept();
    else
        e->ignore();
}

void TTrasalin::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape) {
        session_.Cancel();
        area_->update();
        return;
    }
    QMainWindow::keyPressEvent(e);
}

} // namespace trasalin
