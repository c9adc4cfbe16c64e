// The main window's side of the current-piece window: its refresh, showing
// and hiding it, the modified mark and hatching it carries, the current colour
// and the board material given to pieces.
#include "TMain.h"

#include "Forms.h"
#include "GLView.h"
#include "TCarPies.h"
#include "model/PieceEdit.h"
#include "platform/Dialogs.h"
#include "platform/Numbers.h"
#include "render/Contour.h"
#include "render/TextureAtlas.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include <cmath>

namespace zv {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

const char* const kTextureUnreadable = "Textura nu poate fi incarcata:\n";

void SetPanelColor(QWidget* panel, const QColor& c) {
    QPalette pal = panel->palette();
    pal.setColor(QPalette::Window, c);
    panel->setPalette(pal);
}

void SetLabelColor(QLabel* label, const QColor& c) {
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, c);
    label->setPalette(pal);
}

// The piece names, item i naming piece i; rebuilt only when they differ, quietly.
void MirrorPieceNames(QComboBox* list, const std::vector<std::string>& names, int pieceCount) {
    const int n = std::min(static_cast<int>(names.size()), pieceCount);
    bool same = list->count() == n;
    for (int i = 0; same && i < n; ++i) same = list->itemText(i) == Q(names[static_cast<std::size_t>(i)]);
    if (same) return;
    const QSignalBlocker quiet(list);
    list->clear();
    for (int i = 0; i < n; ++i) list->addItem(Q(names[static_cast<std::size_t>(i)]));
}

// The controls that read or write a piece's tables.
std::vector<QWidget*> PieceControls(TCarPies& w) {
    return {w.BitBtn17, w.BitBtn16,  w.CheckBox3, w.CheckBox1, w.Edit1,   w.Edit2,   w.Edit3,   w.Edit4,  w.Edit5,
            w.Edit6,    w.ComboBox1, w.Image1,    w.Button1,   w.Button2, w.Button3, w.Button4, w.Button6};
}

// No piece to show: every control empty and disabled, so no handler reaches a table.
void ShowNoPiece(TCarPies& w) {
    for (QWidget* c : PieceControls(w)) c->setEnabled(false);
    for (int k = 0; k < 6; ++k) w.Field(k)->clear();
    w.ComboBox1->setCurrentIndex(-1);
    w.ComboBox2->setCurrentIndex(-1);
    w.ComboBox2->setEnabled(w.ComboBox2->count() > 0);
    w.Panel8->setPalette(w.palette());
    w.Panel8->setToolTip("Setarea culorii piesei");
    w.Image2->hide();
    w.Label2->clear();
    w.Label2->setToolTip(QString());
    w.Image1->canvas().Clear(0xFFFFFF);
    w.Image1->update();
    w.Button3->setText("Fata");
}

// The piece's face rectangle in the preview: across and down axes by the
// face, moved to the origin, scaled to fit and centred.
struct PreviewRect {
    double a1, b1, a2, b2;
};

PreviewRect FitPreview(const Scene3D::Box& box, int face, int W, int H) {
    double a1, a2, b1, b2;
    switch (face) {
    case 1: a1 = box.x0, a2 = box.x1, b1 = box.y0, b2 = box.y1; break;
    case 2: a1 = box.y0, a2 = box.y1, b1 = box.z0, b2 = box.z1; break;
    default: a1 = box.z0, a2 = box.z1, b1 = box.x0, b2 = box.x1; break;
    }
    const double ma = a1 < a2 ? a1 : a2, mb = b1 < b2 ? b1 : b2;
    a1 -= ma, a2 -= ma, b1 -= mb, b2 -= mb;
    const double sa = a2 == a1 ? 0 : (W - 1) / (a2 - a1);
    const double sb = b2 == b1 ? 0 : (H - 1) / (b2 - b1);
    const double s = std::abs(sa) < std::abs(sb) ? sa : sb;
    a1 *= s, a2 *= s, b1 *= s, b2 *= s;
    const double oa = (W - a2 + a1 - 1) / 2, ob = (H - b2 + b1 - 1) / 2;
    return {a1 + oa, b1 + ob, a2 + oa, b2 + ob};
}

} // namespace

void TMain::RefreshPieceWindow() {
    TCarPies* w = Forms().CarPies;
    if (!w) return;
    w->RefreshStarted();
    const Scene3D& s = model.scene;
    w->PreviewDrawnFrom(s.ValidPiece(s.current) ? model.attrs.modelFile[static_cast<std::size_t>(s.current)] : "");
    MirrorPieceNames(w->ComboBox2, model.pieceNames, s.pieceCount);
    const int c = s.current;
    if (!s.ValidPiece(c)) {
        ShowNoPiece(*w);
        return;
    }
    for (QWidget* control : PieceControls(*w)) control->setEnabled(true);
    w->ComboBox2->setEnabled(true);
    const auto k = static_cast<std::size_t>(c);
    const PiesaAttributes& a = model.attrs;
    const Color color = s.color[k];

    w->ComboBox1->setCurrentIndex(a.edgeBand[k] >= 0 && a.edgeBand[k] <= 8 ? a.edgeBand[k] : -1);
    SetPanelColor(w->Panel8, ToQColor(color));
    SetCurrentColor(color);
    w->ComboBox2->setCurrentIndex(c < w->ComboBox2->count() ? c : -1);

    const Scene3D::Box box = s.PieceBox(c);
    const double values[6] = {box.x1 - box.x0, box.y1 - box.y0, box.z1 - box.z0, box.x0, box.y0, box.z0};
    for (int f = 0; f < 6; ++f) {
        QLineEdit* e = w->Field(f);
        // The field being typed in keeps what the user typed ("12." stays "12.").
        if (e != w->FieldBeingTyped()) e->setText(Q(FormatField(values[f])));
    }

    PictureBox* img = w->Image1;
    Canvas& cv = img->canvas();
    const int W = 116, H = 116;
    cv.SetSize(W, H);
    cv.penColor = 0;
    cv.penStyle = PenStyle::Solid;
    cv.SetBrushStyle(BrushStyle::Solid);
    cv.Clear(0xFFFFFF);
    const bool hasModel = TCarPies::FileOnDisk(a.modelFile[k]);
    const int face = hasModel ? a.modelFace[k] : ThinnestFace(s, c);
    const PreviewRect r = FitPreview(box, face, W, H);

    w->CheckBox1->setChecked(a.textureRotated[k] == 1);
    w->CheckBox3->setChecked(a.textureRepeated[k] == 1);

    if (hasModel) {
        ContourPolygon poly;
        BuildContourModel(model, c, false, r.a1, r.b1, r.a2, r.b2, GLView->Contours(), poly);
        std::vector<CanvasPoint> pts;
        for (int i = 0; i < poly.Count(); ++i)
            pts.push_back(
                {RoundEven(poly.X[static_cast<std::size_t>(i)]), H - RoundEven(poly.Y[static_cast<std::size_t>(i)])});
        cv.SetBrushColor(0xFFFFFF);
        cv.Rectangle(RoundEven(r.a1), RoundEven(r.b1), RoundEven(r.a2 + 1), RoundEven(r.b2 + 1));
        cv.SetBrushColor(color);
        w->Label2->setToolTip(Q(a.modelFile[k]));
        SetLabelColor(w->Label2, Qt::blue);
        // A long path keeps its end, the file's own name, in sight; the hint holds it whole.
        w->Label2->setText(w->Label2->fontMetrics().elidedText(Q(a.modelFile[k]), Qt::ElideLeft, w->Label2->width()));
        w->Button1->setEnabled(true);
        w->Button2->setEnabled(true);
        w->Button3->setText(QString("F%1").arg(face));
        if (pts.size() >= 3) {
            cv.Polygon(pts);
            cv.Polyline(pts);
        }
    } else {
        cv.SetBrushColor(color);
        w->OpenPictureDialog1FileName.clear();
        w->Label2->setToolTip("Fara model");
        SetLabelColor(w->Label2, Qt::red);
        w->Label2->setText("Fara model");
        w->Button1->setEnabled(false);
        w->Button2->setEnabled(false);
        w->Button3->setText(QString("F%1").arg(a.modelFace[k]));
        cv.Rectangle(RoundEven(r.a1), RoundEven(r.b1), RoundEven(r.a2), RoundEven(r.b2));
    }
    img->update();

    // The texture picture over the swatch; a picture that cannot be read
    // leaves the swatch, says so once, and the refresh goes on.
    const std::string& texture = a.textureFile[k];
    const std::string& code = a.materialCode[k];
    bool textured = false;
    if (TCarPies::FileOnDisk(texture)) {
        QImage picture;
        const PictureResult pr = w->TexturePicture(texture, picture);
        if (pr.ok) {
            w->Image2->canvas().Image() = picture;
            w->Image2->update();
            w->Panel8->setToolTip(Q(code + ": " + texture));
            textured = true;
        } else if (a.textureIndex[k] >= 0 && !w->TextureFailureShown(texture)) {
            // Index -1: the atlas already said it could not read this picture.
            w->MarkTextureFailureShown(texture);
            ShowError(kTextureUnreadable + pr.error);
        }
    }
    w->Image2->setVisible(textured);
    if (!textured) w->Panel8->setToolTip(code.empty() ? "Setarea culorii piesei" : Q("Culoare piesa " + code));

    // A model the tracer could not follow says so after the preview is drawn.
    GLView->Contours().ShowMessages();
}

void TMain::BitBtn16Click() {
    if (TCarPies* w = Forms().CarPies) w->setVisible(!w->isVisible());
}

void TMain::SetModified(bool on) {
    model.modified = on;
    if (TCarPies* w = Forms().CarPies) w->Label11->setVisible(on);
}

void TMain::SetHatch(bool on) {
    hatchOn_ = on;
    model.scene.currentFillStyle = on ? 7 : 1;
    if (TCarPies* w = Forms().CarPies) {
        const QSignalBlocker quiet(w->CheckBox2);
        w->CheckBox2->setChecked(on);
    }
}

Color TMain::CurrentColor() const {
    const TCarPies* w = Forms().CarPies;
    return w ? w->ColorDialog1 : Scene3D::kDefaultColor;
}

void TMain::SetCurrentColor(Color c) {
    if (TCarPies* w = Forms().CarPies) w->ColorDialog1 = c;
}

void TMain::ContinueEdit(const std::function<EditResult()>& change) {
    ShowModelChange(change());
    SetModified(true);
}

std::unique_ptr<EditRunStart> TMain::StartEditRun() const {
    auto start = std::make_unique<EditRunStart>();
    zv::SaveUndo(model, start->model);
    start->undo = undo;
    start->undoPossible = UndoPossible();
    return start;
}

void TMain::TakeBackEditRun(const EditRunStart& start) {
    // Marked as before the run, unless a save since then wrote the run's changes.
    SetModified(ModifiedAfterUndo(start.model, model));
    zv::RestoreUndo(start.model, model);
    undo = start.undo;
    SetUndoPossible(start.undoPossible);
    ShowModelChange({});
}

EditResult TMain::ApplyPieceMaterial(const std::vector<int>& pieces, const std::string& code,
                                     const std::string& picture, Color color) {
    SetCurrentColor(color);
    // A picture that cannot be read is no texture: the pieces take the colour, and the user hears of it once.
    std::string texture;
    if (TCarPies::FileOnDisk(picture)) {
        QImage shown;
        TCarPies* w = Forms().CarPies;
        const PictureResult r = w ? w->TexturePicture(picture, shown) : LoadPicture(picture, shown);
        if (r.ok) {
            texture = picture;
        } else {
            if (w) w->MarkTextureFailureShown(picture);
            ShowError(kTextureUnreadable + r.error);
        }
    }
    bool rebuild = false;
    for (int piece : pieces) {
        SetPieceMaterial(model, piece, code, color, texture);
        if (!texture.empty() && model.scene.ValidPiece(piece))
            rebuild = zv::UpdatePieceTexture(model, piece) || rebuild;
    }
    if (rebuild) BuildTextureAtlas();
    return {};
}

} // namespace zv
