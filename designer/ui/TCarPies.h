#pragma once
// "Caract. piesa curenta": the small window beside the main window that shows
// the current piece and edits it. It owns no model data; the main window's
// RefreshPieceWindow fills it, and its handlers edit through the main window.
#include "platform/Canvas.h"
#include "platform/Picture.h"
#include "platform/widgets/FormBase.h"
#include "platform/widgets/PictureBox.h"

#include <QDialog>
#include <QImage>
#include <memory>
#include <string>

class QCheckBox;
class QComboBox;
class QFileSystemWatcher;
class QTimer;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zv {

class TMain;
struct EditRunStart;

class TCarPies : public FormBase<QDialog> {
    Q_OBJECT
public:
    explicit TCarPies(QWidget* parent = nullptr);
    ~TCarPies() override;

    QLabel* Label11;       // the red "*" shown while the furniture is modified
    QFrame* Panel1;        // the upper part
    QComboBox* ComboBox2;  // the piece names, mirroring the model's list
    QPushButton* BitBtn17; // "&Redenumire piesa"
    QPushButton* BitBtn16; // the board material
    QFrame* Panel8;        // colour swatch
    PictureBox* Image2;    // the texture picture over the swatch
    QCheckBox* CheckBox3;  // "Repet"
    QCheckBox* CheckBox1;  // "Rot text"
    QFrame *Panel6, *Panel7;
    QLabel *Label3, *Label4, *Label5, *Label6, *Label7, *Label8;
    QLineEdit *Edit1, *Edit2, *Edit3; // sizes along X, Y, Z
    QLineEdit *Edit4, *Edit5, *Edit6; // minimum corner
    QLabel* Label1;
    QComboBox* ComboBox1; // edge banding
    QLabel* Label2;       // the model file, or "Fara model"
    PictureBox* Image1;   // the model preview
    QPushButton *Button1, *Button2, *Button3, *Button4, *Button6;
    QCheckBox* CheckBox2; // "&Hasura"

    // The colour dialog's colour: the current piece's after every refresh and
    // every board choice; new pieces take it.
    Color ColorDialog1 = 0;
    // The model chooser's preset name.
    std::string OpenPictureDialog1FileName;

    // A model or texture file counts only when it is on disk; a missing one is no file.
    static bool FileOnDisk(const std::string& name);

    // The size and position fields, Edit1..Edit6 in order.
    QLineEdit* Field(int k) const { return fields_[k]; }

    // The model file the preview is being drawn from, as it is now on disk
    // ("" for none). Shown again, activated again or the file changed while
    // shown, the window draws the preview anew when the file is no longer so.
    void PreviewDrawnFrom(const std::string& file);

    // ---- event handlers ----
    void FormShow() override;
    void FormActivate() override;
    void ComboBox2Change();
    void Edit1Change() { FieldChange(0); }
    void Edit2Change() { FieldChange(1); }
    void Edit3Change() { FieldChange(2); }
    void Edit4Change() { FieldChange(3); }
    void Edit5Change() { FieldChange(4); }
    void Edit6Change() { FieldChange(5); }
    void Edit1Exit() { FieldExit(0); }
    void Edit2Exit() { FieldExit(1); }
    void Edit3Exit() { FieldExit(2); }
    void Edit4Exit() { FieldExit(3); }
    void Edit5Exit() { FieldExit(4); }
    void Edit6Exit() { FieldExit(5); }
    void BitBtn17Click();
    void BitBtn16Click();
    void ComboBox1Change();
    void Button4Click();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void CheckBox1Click();
    void CheckBox3Click();
    void CheckBox2Click();
    void Button6Click();
    void Image1MouseDown(const PictureBox::MouseArgs& a);

    // The size and position rule, shared with the piece-sizes dialog, whose
    // fields stand for size fields 0..2 here. `source` is the field typed in.
    // Typing: a text that gives a box within the limit is applied at once
    // (this window's field k shows it); the first change of a run of typing
    // in `source` takes the undo snapshot when `snapshot` is set, the later
    // ones continue that edit. True when the text was applied.
    bool TypeValue(int k, QLineEdit* source, bool snapshot);
    struct FieldLeft {
        bool refused = false;        // the text was refused and the run taken back
        bool snapshotUndone = false; // the run taken back had taken the snapshot
    };
    // Leaving `source`: a text that is not a number shows "0"; one that is
    // refused takes the run back (the piece and the undo level as they were
    // before it), says why once, and `source` shows the piece's value again.
    FieldLeft LeaveValue(int k, QLineEdit* source);
    // Escape in `source`: what was typed there dropped, the run taken back.
    FieldLeft DropValue(int k, QLineEdit* source);

    // ---- for the refresh ----
    // The field whose typing is being applied: the refresh leaves its text as typed.
    QLineEdit* FieldBeingTyped() const { return typing_; }
    // A refresh that does not come from typing ends the run of typing: the
    // next keystroke is a new edit with its own snapshot.
    void RefreshStarted();
    // The texture picture of a file, read once per version of the file.
    PictureResult TexturePicture(const std::string& file, QImage& out);
    // Whether a failure of this file's current version was already reported.
    bool TextureFailureShown(const std::string& file) const;
    void MarkTextureFailureShown(const std::string& file);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    TMain* Main() const;
    // The current piece, or -1 when there is none to edit.
    int Piece() const;
    void FieldChange(int k);
    void FieldExit(int k);
    // Field k's value applied through the one edit path; with `snapshot` false
    // the change continues an edit whose snapshot is already taken.
    void ApplyField(int k, double v, bool snapshot);
    // The run of typing closes: its changes stay.
    void EndTypingRun();
    // The run in `source`, if open, taken back; what the run had taken with it.
    FieldLeft TakeBackRun(QLineEdit* source);
    // Field k (or `source` standing for it) shows the piece's value again.
    void ShowPieceValue(int k, QLineEdit* source);
    void BuildControls();
    // Refreshes the window when the current piece's model file differs from the one the preview shows.
    void CheckPreviewFile();

    QLineEdit* fields_[6] = {};
    QLineEdit* typing_ = nullptr;            // the field whose keystroke is being applied
    QLineEdit* run_ = nullptr;               // the field of the open run of typing
    std::unique_ptr<EditRunStart> runStart_; // where the open run started
    bool runTookSnapshot_ = false;
    int ShowCount = 0;

    struct CachedPicture {
        std::string file;
        long long stamp = -1, size = -1;
        PictureResult result;
        QImage picture;
        bool failureShown = false;
    } texture_;

    struct FileState {
        std::string file;
        long long stamp = -1, size = -1; // -1: not on disk
        bool operator==(const FileState&) const = default;
    };
    static FileState StateOf(const std::string& file);
    FileState preview_;
    QFileSystemWatcher* modelWatch_ = nullptr;
    QTimer* modelSettle_ = nullptr; // a file being written is read once it is still
};

} // namespace zv
