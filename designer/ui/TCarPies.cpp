#include "TCarPies.h"

#include "CatalogueGrid.h"
#include "Forms.h"
#include "TFeroneriePiesa.h"
#include "TMain.h"
#include "TPalPfl.h"
#include "model/PieceEdit.h"
#include "platform/Dialogs.h"
#include "platform/Numbers.h"
#include "platform/widgets/Modal.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <sys/stat.h>

#include <algorithm>

namespace zv {

namespace {
constexpr int kClientWidth = 120, kClientHeight = 545;
} // namespace

TCarPies::TCarPies(QWidget* parent) : FormBase<QDialog>(parent) {
    setObjectName("CarPies");
    setWindowTitle("Caract. piesa curenta");
    setWindowFlag(Qt::Tool);
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(kClientWidth, kClientHeight);
    {
        // A narrow window: a small font keeps every caption inside it.
        QFont small = font();
        small.setPointSize(8);
        setFont(small);
    }
    BuildControls();
    // The model may be edited in another program while it is shown here.
    modelWatch_ = new QFileSystemWatcher(this);
    modelSettle_ = new QTimer(this);
    modelSettle_->setSingleShot(true);
    modelSettle_->setInterval(150);
    connect(modelSettle_, &QTimer::timeout, this, [this] { CheckPreviewFile(); });
    connect(modelWatch_, &QFileSystemWatcher::fileChanged, modelSettle_, qOverload<>(&QTimer::start));
    connect(modelWatch_, &QFileSystemWatcher::directoryChanged, modelSettle_, qOverload<>(&QTimer::start));
}

TCarPies::~TCarPies() = default;

void TCarPies::BuildControls() {
    auto label = [](QWidget* parent, const char* name, const char* text, QRect r) {
        auto* l = new QLabel(text, parent);
        l->setObjectName(name);
        l->setGeometry(r);
        return l;
    };
    auto button = [this](QWidget* parent, const char* name, const char* text, const char* hint, QRect r,
                         void (TCarPies::*handler)()) {
        auto* b = new QPushButton(text, parent);
        b->setObjectName(name);
        b->setToolTip(hint);
        b->setGeometry(r);
        connect(b, &QPushButton::clicked, this, [this, handler] { (this->*handler)(); });
        return b;
    };
    auto check = [this](QWidget* parent, const char* name, const char* text, const char* hint, QRect r,
                        void (TCarPies::*handler)()) {
        auto* c = new QCheckBox(text, parent);
        c->setObjectName(name);
        c->setToolTip(hint);
        c->setGeometry(r);
        connect(c, &QCheckBox::clicked, this, [this, handler] { (this->*handler)(); });
        return c;
    };

    Label11 = label(this, "Label11", "*", QRect(3, 0, 20, 12));
    {
        QFont f = Label11->font();
        f.setPixelSize(9);
        f.setBold(true);
        Label11->setFont(f);
        QPalette pal = Label11->palette();
        pal.setColor(QPalette::WindowText, Qt::red);
        Label11->setPalette(pal);
    }
    Label11->setVisible(false);

    Panel1 = new QFrame(this);
    Panel1->setObjectName("Panel1");
    Panel1->setFrameShape(QFrame::StyledPanel);
    Panel1->setToolTip("Caracteristici piesa curenta");
    Panel1->setGeometry(0, 12, kClientWidth, 318);

    ComboBox2 = new QComboBox(Panel1);
    ComboBox2->setObjectName("ComboBox2");
    ComboBox2->setToolTip("Selectarea unei piese");
    ComboBox2->setGeometry(3, 3, 114, 22);
    // Only the user's choice changes the current piece; filling the list does not.
    connect(ComboBox2, &QComboBox::activated, this, [this](int) { ComboBox2Change(); });

    BitBtn17 = button(Panel1, "BitBtn17", "&Redenumire piesa", "Redenumirea piesei curente", QRect(3, 28, 114, 24),
                      &TCarPies::BitBtn17Click);
    BitBtn16 = button(Panel1, "BitBtn16", "Material piesa", "Setarea culorii piesei", QRect(3, 55, 60, 53),
                      &TCarPies::BitBtn16Click);

    Panel8 = new QFrame(Panel1);
    Panel8->setObjectName("Panel8");
    Panel8->setFrameShape(QFrame::Panel);
    Panel8->setFrameShadow(QFrame::Sunken);
    Panel8->setToolTip("Setarea culorii piesei");
    Panel8->setAutoFillBackground(true);
    Panel8->setGeometry(65, 55, 53, 53);
    Image2 = new PictureBox(Panel8);
    Image2->setObjectName("Image2");
    Image2->setGeometry(2, 2, 49, 49);
    Image2->stretch = true;
    Image2->setVisible(false);

    CheckBox3 = check(Panel1, "CheckBox3", "Repet", "Aplicarea textura repetata", QRect(2, 111, 55, 18),
                      &TCarPies::CheckBox3Click);
    CheckBox3->setChecked(true);
    CheckBox1 = check(Panel1, "CheckBox1", "Rot text", "Rotire textura", QRect(57, 111, 63, 18),
                      &TCarPies::CheckBox1Click);

    QLineEdit** edits[6] = {&Edit1, &Edit2, &Edit3, &Edit4, &Edit5, &Edit6};
    QLabel** labels[6] = {&Label3, &Label4, &Label5, &Label6, &Label7, &Label8};
    const char* texts[6] = {"Lat.:", "Inalt.:", "Adanc:", "Poz. X:", "Poz. Y:", "Poz. Z:"};
    void (TCarPies::*changes[6])() = {&TCarPies::Edit1Change, &TCarPies::Edit2Change, &TCarPies::Edit3Change,
                                      &TCarPies::Edit4Change, &TCarPies::Edit5Change, &TCarPies::Edit6Change};
    for (int panel = 0; panel < 2; ++panel) {
        auto* p = new QFrame(Panel1);
        p->setObjectName(panel == 0 ? "Panel6" : "Panel7");
        p->setFrameShape(QFrame::StyledPanel);
        p->setToolTip(panel == 0 ? "Dimensiuni piesa curenta" : "Pozitie piesa curenta");
        p->setGeometry(2, 132 + panel * 76, 116, 74);
        (panel == 0 ? Panel6 : Panel7) = p;
        for (int row = 0; row < 3; ++row) {
            const int k = panel * 3 + row;
            *labels[k] = label(p, QString("Label%1").arg(k + 3).toLatin1().constData(), texts[k],
                               QRect(4, 4 + row * 23, 42, 20));
            auto* e = new QLineEdit("0", p);
            e->setObjectName(QString("Edit%1").arg(k + 1));
            e->setGeometry(46, 3 + row * 23, 66, 21);
            // What the user types, not what the refresh writes, drives the model.
            connect(e, &QLineEdit::textEdited, this, [this, h = changes[k]] { (this->*h)(); });
            e->installEventFilter(this);
            *edits[k] = e;
            fields_[k] = e;
        }
    }

    Label1 = label(Panel1, "Label1", "Cant:", QRect(4, 288, 30, 22));
    ComboBox1 = new QComboBox(Panel1);
    ComboBox1->setObjectName("ComboBox1");
    ComboBox1->setGeometry(34, 288, 83, 22);
    for (const char* t : kEdgeBandTexts) ComboBox1->addItem(t);
    connect(ComboBox1, &QComboBox::activated, this, [this](int) { ComboBox1Change(); });

    Label2 = label(this, "Label2", "Nume fisier", QRect(2, 333, 116, 16));
    {
        QPalette pal = Label2->palette();
        pal.setColor(QPalette::WindowText, Qt::red);
        Label2->setPalette(pal);
    }
    Image1 = new PictureBox(this);
    Image1->setObjectName("Image1");
    Image1->setToolTip("Dati click stanga pentru a modifica/crea conturul de decupare, click dreapta pentru a "
                       "elimina conturul");
    Image1->setGeometry(2, 350, 116, 116);
    Image1->FitCanvas();
    Image1->canvas().Clear(0xFFFFFF);
    Image1->onMouseDown = [this](const PictureBox::MouseArgs& a) { Image1MouseDown(a); };

    Button1 = button(this, "Button1", "Rot", "Rotatie model cu 90 de grade", QRect(2, 469, 38, 23),
                     &TCarPies::Button1Click);
    Button2 = button(this, "Button2", "Sim", "Simetricul modelului", QRect(41, 469, 38, 23), &TCarPies::Button2Click);
    Button3 = button(this, "Button3", "Fata", "Fata piesei pe care se aplica modelul", QRect(80, 469, 38, 23),
                     &TCarPies::Button3Click);
    Button4 = button(this, "Button4", "Fisier", "Incarcarea unui model din fisier", QRect(2, 495, 50, 23),
                     &TCarPies::Button4Click);
    {
        QFont f = Button4->font();
        f.setBold(true);
        Button4->setFont(f);
    }
    Button6 = button(this, "Button6", "Feroner&ie", "Feronerie pentru piesa curenta", QRect(54, 495, 64, 23),
                     &TCarPies::Button6Click);
    // Code sets "&Hasura" too (start-up, open, full window): the fill style follows it.
    CheckBox2 = new QCheckBox("&Hasura", this);
    CheckBox2->setObjectName("CheckBox2");
    CheckBox2->setToolTip("Afisarea piesei curente hasurata");
    CheckBox2->setGeometry(4, 522, 112, 20);
    CheckBox2->setChecked(true);
    connect(CheckBox2, &QCheckBox::toggled, this, [this](bool) { CheckBox2Click(); });
}

bool TCarPies::FileOnDisk(const std::string& name) {
    return !name.empty() && QFileInfo(QString::fromStdString(name)).isFile();
}

TMain* TCarPies::Main() const { return Forms().Main; }

int TCarPies::Piece() const {
    const TMain* m = Main();
    if (!m) return -1;
    const int c = m->model.scene.current;
    return m->model.scene.ValidPiece(c) ? c : -1;
}

void TCarPies::FormShow() {
    ++ShowCount;
    BitBtn16->setText("Selectare\nmaterial\npiesa");
    if (const int c = Piece(); c >= 0) {
        const PiesaAttributes& a = Main()->model.attrs;
        CheckBox1->setChecked(a.textureRotated[static_cast<std::size_t>(c)] != 0);
        CheckBox3->setChecked(a.textureRepeated[static_cast<std::size_t>(c)] != 0);
    }
    CheckPreviewFile();
    // Only the first showing places the window, at the main window's top right corner.
    if (ShowCount != 1) return;
    if (TMain* m = Main()) move(m->x() + m->width() - width() - 25, m->y());
}

void TCarPies::FormActivate() { CheckPreviewFile(); }

TCarPies::FileState TCarPies::StateOf(const std::string& file) {
    FileState st;
    st.file = file;
    struct stat info {};
    if (!file.empty() && ::stat(file.c_str(), &info) == 0 && S_ISREG(info.st_mode)) {
        st.stamp = static_cast<long long>(info.st_mtim.tv_sec) * 1000000000LL + info.st_mtim.tv_nsec;
        st.size = static_cast<long long>(info.st_size);
    }
    return st;
}

void TCarPies::PreviewDrawnFrom(const std::string& file) {
    preview_ = StateOf(file);
    // The folder too: a program may save by writing a new file over the old one.
    QStringList paths;
    if (!file.empty()) {
        const QFileInfo info(QString::fromStdString(file));
        if (info.absoluteDir().exists()) paths << info.absolutePath();
        if (info.isFile()) paths << info.absoluteFilePath();
    }
    QStringList watched = modelWatch_->files() + modelWatch_->directories();
    std::sort(paths.begin(), paths.end());
    std::sort(watched.begin(), watched.end());
    if (paths == watched) return;
    if (!watched.isEmpty()) modelWatch_->removePaths(watched);
    if (!paths.isEmpty()) modelWatch_->addPaths(paths);
}

void TCarPies::CheckPreviewFile() {
    TMain* m = Main();
    const int c = Piece();
    if (!m || c < 0 || !isVisible()) return;
    if (StateOf(m->model.attrs.modelFile[static_cast<std::size_t>(c)]) != preview_) m->RefreshPieceWindow();
}

void TCarPies::RefreshStarted() {
    if (!typing_) EndTypingRun();
}

// ---- the piece list and its name ----

void TCarPies::ComboBox2Change() {
    TMain* m = Main();
    const int index = ComboBox2->currentIndex();
    if (!m || !m->model.scene.ValidPiece(index)) return;
    m->model.scene.current = index;
    m->ShowModelChange(EditResult{});
    m->SetModified(true);
}

void TCarPies::BitBtn17Click() {
    TMain* m = Main();
    const int c = Piece();
    if (c < 0) return;
    const auto k = static_cast<std::size_t>(c);
    const std::string current = k < m->model.pieceNames.size() ? m->model.pieceNames[k] : std::string();
    const auto name = InputBox("Redenumire piesa", "Noul nume: ", current);
    if (!name) return;
    m->ApplyEdit([&] { return RenamePiece(m->model, c, *name); });
}

// ---- sizes and position ----

void TCarPies::FieldChange(int k) { TypeValue(k, fields_[k], true); }

bool TCarPies::TypeValue(int k, QLineEdit* source, bool snapshot) {
    TMain* m = Main();
    const int c = Piece();
    if (c < 0 || k < 0 || k > 5) return false;
    const auto v = ParseField(source->text().toStdString());
    // Not a number yet, or refused: nothing while typing; leaving the field says so.
    if (!v || !PieceFieldAccepted(m->model.scene, c, static_cast<Axis>(k % 3), k >= 3, *v)) return false;
    // One run of typing in a field is one edit with one snapshot.
    const bool first = run_ != source;
    if (first) {
        EndTypingRun();
        runStart_ = m->StartEditRun();
        runTookSnapshot_ = snapshot;
    }
    if (source != fields_[k]) fields_[k]->setText(source->text()); // textEdited does not fire for this
    ApplyField(k, *v, first && snapshot);
    run_ = source;
    return true;
}

void TCarPies::ApplyField(int k, double v, bool snapshot) {
    TMain* m = Main();
    const int c = Piece();
    const Axis axis = static_cast<Axis>(k % 3);
    const auto change = [&] {
        return k < 3 ? SetPieceSize(m->model, c, axis, v) : SetPiecePosition(m->model, c, axis, v);
    };
    typing_ = fields_[k];
    if (snapshot)
        m->ApplyEdit(change);
    else
        m->ContinueEdit(change);
    typing_ = nullptr;
}

void TCarPies::EndTypingRun() {
    run_ = nullptr;
    runStart_.reset();
    runTookSnapshot_ = false;
}

TCarPies::FieldLeft TCarPies::TakeBackRun(QLineEdit* source) {
    FieldLeft r;
    r.refused = true;
    if (run_ != source || !runStart_) return r;
    const std::unique_ptr<EditRunStart> start = std::move(runStart_);
    r.snapshotUndone = runTookSnapshot_;
    EndTypingRun();
    Main()->TakeBackEditRun(*start);
    return r;
}

void TCarPies::ShowPieceValue(int k, QLineEdit* source) {
    Main()->RefreshPieceWindow();
    if (source != fields_[k]) source->setText(fields_[k]->text());
}

TCarPies::FieldLeft TCarPies::LeaveValue(int k, QLineEdit* source) {
    TMain* m = Main();
    const int c = Piece();
    if (c < 0 || k < 0 || k > 5) {
        EndTypingRun();
        return {};
    }
    const auto v = ParseField(source->text().toStdString());
    if (!v) {
        if (run_ == source) EndTypingRun();
        source->setText("0");
        return {};
    }
    const Scene3D::Box b = m->model.scene.PieceBox(c);
    const double shown[6] = {b.x1 - b.x0, b.y1 - b.y0, b.z1 - b.z0, b.x0, b.y0, b.z0};
    // A field left as the piece shows it refuses nothing, whatever the piece holds.
    const bool untouched = source->text().toStdString() == FormatField(shown[k]);
    if (untouched || PieceFieldAccepted(m->model.scene, c, static_cast<Axis>(k % 3), k >= 3, *v)) {
        if (run_ == source) EndTypingRun();
        return {};
    }
    const FieldLeft r = TakeBackRun(source);
    ShowPieceValue(k, source);
    ShowError(k < 3 ? kPieceSizeRefused : kPiecePositionRefused);
    return r;
}

TCarPies::FieldLeft TCarPies::DropValue(int k, QLineEdit* source) {
    if (Piece() < 0 || k < 0 || k > 5) return {};
    const FieldLeft r = TakeBackRun(source);
    ShowPieceValue(k, source);
    return r;
}

void TCarPies::FieldExit(int k) { LeaveValue(k, fields_[k]); }

bool TCarPies::eventFilter(QObject* watched, QEvent* e) {
    const auto field = [&] {
        for (int k = 0; k < 6; ++k)
            if (watched == fields_[k]) return k;
        return -1;
    };
    if (e->type() == QEvent::FocusOut) {
        const Qt::FocusReason why = static_cast<QFocusEvent*>(e)->reason();
        // Another window or a context menu taking the focus does not leave the field.
        if (why != Qt::ActiveWindowFocusReason && why != Qt::PopupFocusReason) {
            if (const int k = field(); k >= 0) FieldExit(k);
        }
    } else if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape) {
        // Escape drops what was typed in the field; the window stays open.
        if (const int k = field(); k >= 0) {
            DropValue(k, fields_[k]);
            return true;
        }
    }
    return FormBase<QDialog>::eventFilter(watched, e);
}

// ---- material, edge banding, texture ----

void TCarPies::BitBtn16Click() {
    TMain* m = Main();
    const int c = Piece();
    if (c < 0) return;
    std::string code, picture;
    Color color = ColorDialog1;
    double thickness = 0;
    if (!m->PickPalPfl(code, picture, color, thickness)) return;
    // "&Selecteaza" on an empty catalogue chose nothing.
    if (Forms().PalPfl->StringGrid1->EntryCount() == 0) return;
    m->ApplyEdit([&] { return m->ApplyPieceMaterial({c}, code, picture, color); });
}

void TCarPies::ComboBox1Change() {
    TMain* m = Main();
    const int c = Piece();
    const int code = ComboBox1->currentIndex();
    if (c < 0 || code < 0) return;
    m->ApplyEdit([&] { return SetPieceEdgeBand(m->model, c, code); });
}

void TCarPies::CheckBox1Click() {
    TMain* m = Main();
    const int c = Piece();
    if (c < 0) return;
    const bool on = CheckBox1->isChecked();
    m->ApplyEdit([&] { return SetPieceTextureRotated(m->model, c, on); });
}

void TCarPies::CheckBox3Click() {
    TMain* m = Main();
    const int c = Piece();
    if (c < 0) return;
    const bool on = CheckBox3->isChecked();
    m->ApplyEdit([&] { return SetPieceTextureRepeated(m->model, c, on); });
}

PictureResult TCarPies::TexturePicture(const std::string& file, QImage& out) {
    struct stat st {};
    const bool found = ::stat(file.c_str(), &st) == 0;
    const long long stamp = found ? static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec : -1;
    const long long size = found ? static_cast<long long>(st.st_size) : -1;
    CachedPicture& t = texture_;
    if (t.file != file || t.stamp != stamp || t.size != size) {
        t = CachedPicture{};
        t.file = file;
        t.stamp = stamp;
        t.size = size;
        QImage full;
        t.result = LoadPicture(file, full);
        if (t.result.ok && (full.isNull() || full.width() <= 0 || full.height() <= 0))
            t.result = {false, "Fisier fara imagine: " + file};
        // The swatch is small: keep only what it shows.
        if (t.result.ok)
            t.picture = full.scaled(Image2->width() * 2, Image2->height() * 2, Qt::IgnoreAspectRatio,
                                    Qt::SmoothTransformation);
    }
    out = t.picture;
    return t.result;
}

bool TCarPies::TextureFailureShown(const std::string& file) const {
    return texture_.file == file && texture_.failureShown;
}

void TCarPies::MarkTextureFailureShown(const std::string& file) {
    if (texture_.file == file) texture_.failureShown = true;
}

// ---- the contour model ----

void TCarPies::Button4Click() {
    TMain* m = Main();
    const int c = Piece();
    if (c < 0) return;
    const std::string& current = m->model.attrs.modelFile[static_cast<std::size_t>(c)];
    OpenPictureDialog1FileName = FileOnDisk(current) ? current : std::string();
    FileDialogRequest req;
    req.title = "Selectare model";
    req.filter = "Format BITMAP (*.bmp)|*.bmp|Toate fisierele (*.*)|*.*";
    req.defaultExt = "bmp";
    req.fileName = OpenPictureDialog1FileName;
    const auto answer = Dialogs().OpenFile(req);
    if (!answer || !FileOnDisk(answer->fileName)) return;
    OpenPictureDialog1FileName = answer->fileName;
    m->ApplyEdit([&] { return SetPieceModelFile(m->model, c, answer->fileName); });
}

void TCarPies::Button1Click() {
    TMain* m = Main();
    if (const int c = Piece(); c >= 0) m->ApplyEdit([&] { return TurnPieceModel(m->model, c); });
}

void TCarPies::Button2Click() {
    TMain* m = Main();
    if (const int c = Piece(); c >= 0) m->ApplyEdit([&] { return MirrorPieceModel(m->model, c); });
}

void TCarPies::Button3Click() {
    TMain* m = Main();
    if (const int c = Piece(); c >= 0) m->ApplyEdit([&] { return NextPieceModelFace(m->model, c); });
}

void TCarPies::Image1MouseDown(const PictureBox::MouseArgs& a) {
    TMain* m = Main();
    const int c = Piece();
    if (c < 0) return;
    if (a.buttons & Qt::LeftButton) {
        m->Desenareconturmodel1Click();
        return;
    }
    if (m->model.attrs.modelFile[static_cast<std::size_t>(c)].empty()) return;
    if (!AskYesNo("Elimin modelul de pe placa?")) return;
    m->ApplyEdit([&] { return RemovePieceModel(m->model, c); });
}

// ---- hatching and hardware ----

void TCarPies::CheckBox2Click() {
    if (TMain* m = Main()) {
        m->SetHatch(CheckBox2->isChecked());
        m->Redraw3D();
    }
}

void TCarPies::Button6Click() {
    if (Piece() >= 0) RunModal(*Forms().FeroneriePiesa);
}

} // namespace zv
