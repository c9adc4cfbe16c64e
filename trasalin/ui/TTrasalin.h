#pragma once
// The contour-drawing window: the zoomed drawing with its grid, the tools,
// and the file commands. The work is done by the drawing and the tool
// session; this window turns mouse positions into picture pixels and shows.
#include "core/CommandLine.h"
#include "core/Drawing.h"
#include "core/OutlineCheck.h"
#include "core/Tools.h"
#include "platform/widgets/FormBase.h"

#include <QMainWindow>
#include <QWidget>
#include <map>
#include <optional>

class QAction;
class QLabel;
class QScrollArea;
class QSpinBox;

namespace trasalin {

class TTrasalin;

// The picture at the chosen zoom, with the grid, the outline being drawn and
// the place of the last fault found.
class DrawArea : public QWidget {
    Q_OBJECT
public:
    explicit DrawArea(TTrasalin& owner);
    // The picture pixel under a point of the area (not snapped).
    Pixel PixelAt(QPoint pos) const;
    // The centre of a picture pixel in the area.
    QPoint CentreOf(Pixel p) const;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent*) override;
    void wheelEvent(QWheelEvent* e) override;

private:
    TTrasalin& owner_;
};

inline constexpr const char* kTitle = "Trasalin";
inline constexpr const char* kNotSaved = "Desenul curent nu este salvat. Salvez ?";
inline constexpr const char* kSaveAnyway = "Salvez totusi desenul ?";
inline constexpr const char* kNewSizePrompt = "Marimea desenului in puncte (latime x inaltime):";
inline constexpr const char* kBadSize =
    "Marime incorecta. Scrieti latimea si inaltimea in puncte, de exemplu 400 x 300 (cel mult 4000 x 4000).";
inline constexpr const char* kBmpFilter = "Imagini Bitmap (*.bmp)|*.bmp|Toate fisierele (*.*)|*.*";

class TTrasalin : public zv::FormBase<QMainWindow> {
    Q_OBJECT
public:
    explicit TTrasalin(QWidget* parent = nullptr);

    // The command line's request: the file opened (or started under its name
    // when it does not exist yet), or a new drawing.
    void Start(const StartRequest& request);

    // Menu "Fisier".
    void Nou1Click();
    void Deschide1Click();
    bool Salveaza1Click();
    bool SalveazaCa1Click();
    void Iesire1Click() { close(); }
    // Menu "Editare".
    void Anulare1Click();
    void Refacere1Click();
    // Menu "Vedere".
    void Grila1Click(bool on);
    void AliniereGrila1Click(bool on);
    void Marire1Click() { StepZoom(+1); }
    void Micsorare1Click() { StepZoom(-1); }
    void MarimeReala1Click() { SetZoom(1); }
    // Menu "Unelte" and the tool bar.
    void SetTool(Tool t);

    const Drawing& drawing() const { return drawing_; }
    const std::string& fileName() const { return fileName_; }
    int zoom() const { return zoom_; }
    void SetZoom(int z);
    bool gridShown() const { return grid_; }
    bool snapping() const { return snap_; }
    int gridStep() const;
    void SetGridStep(int step);
    void SetCornerRadius(int r);
    void SetEraserSize(int s);
    const ToolSession& session() const { return session_; }
    const std::optional<OutlineReport>& marker() const { return marker_; }
    DrawArea* Area() const { return area_; }
    QString PositionText() const;
    QAction* ToolAction(Tool t) const { return toolActions_.at(t); }

    // From the area, in picture pixels.
    void MouseDown(Pixel p, Qt::MouseButton button);
    void MouseMove(Pixel p, bool held);
    void MouseUp(Pixel p, Qt::MouseButton button);
    void MouseDoubleClick(Pixel p);
    void MouseLeft();

protected:
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    friend class DrawArea;
    void BuildMenus();
    void BuildToolBar();
    Pixel Snapped(Pixel p) const;
    void Commit(const std::optional<Stroke>& s);
    void PictureChanged();
    void Reset(Bitmap b, const std::string& fileName);
    bool LoadFile(const std::string& path);
    bool SaveTo(const std::string& path);
    // True when the drawing may be dropped (saved, or the user said so).
    bool ConfirmDrop();
    void StepZoom(int direction);
    void UpdateTitle();
    void UpdateActions();

    Drawing drawing_;
    ToolSession session_;
    std::string fileName_;
    QImage image_; // the drawing as shown
    int zoom_ = 1;
    bool grid_ = false, snap_ = false;
    std::optional<Pixel> mouse_;
    std::optional<OutlineReport> marker_;

    DrawArea* area_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QLabel* position_ = nullptr;
    QLabel* size_ = nullptr;
    QSpinBox* radius_ = nullptr;
    QSpinBox* eraser_ = nullptr;
    QSpinBox* step_ = nullptr;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
    QAction* gridAction_ = nullptr;
    QAction* snapAction_ = nullptr;
    std::map<Tool, QAction*> toolActions_;
};

} // namespace trasalin
