#include "QtDialogs.h"

#include "platform/Canvas.h"

#include <QApplication>
#include <QColorDialog>
#include <QFontDialog>
#include <QFontInfo>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QInputDialog>
#include <QMessageBox>
#include <QStringList>
#include <QPrintDialog>
#include <QPrinter>

namespace zv {

namespace {
QWidget* ActiveParent() {
    QWidget* w = QApplication::activeModalWidget();
    if (!w) w = QApplication::activeWindow();
    return w;
}
} // namespace

MsgResult QtDialogs::Message(MsgKind kind, const std::string& text, MsgButtons buttons) {
    QMessageBox box(ActiveParent());
    switch (kind) {
    case MsgKind::Error:
        box.setIcon(QMessageBox::Critical);
        box.setWindowTitle("Eroare");
        break;
    case MsgKind::Warning:
        box.setIcon(QMessageBox::Warning);
        box.setWindowTitle("Atentie");
        break;
    case MsgKind::Information:
        box.setIcon(QMessageBox::Information);
        box.setWindowTitle("Informatie");
        break;
    case MsgKind::Confirmation:
        box.setIcon(QMessageBox::Question);
        box.setWindowTitle("Confirmare");
        break;
    }
    QString t = QString::fromStdString(text);
    t.replace("\r\n", "\n").replace('\r', '\n');
    box.setText(t);
    switch (buttons) {
    case MsgButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case MsgButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case MsgButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case MsgButtons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes: return MsgResult::Yes;
    case QMessageBox::No: return MsgResult::No;
    case QMessageBox::Ok: return MsgResult::Ok;
    default: return MsgResult::Cancel;
    }
}

std::optional<std::string> QtDialogs::Input(const std::string& caption, const std::string& prompt,
                                            const std::string& value) {
    bool ok = false;
    const QString r = QInputDialog::getText(ActiveParent(), QString::fromStdString(caption),
                                            QString::fromStdString(prompt), QLineEdit::Normal,
                                            QString::fromStdString(value), &ok);
    if (!ok) return std::nullopt;
    return r.toStdString();
}

QStringList FilterList(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split('|');
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(';', ' ');
        QString label = parts[i];
        // The toolkit reads the patterns from the label's last parentheses.
        if (!label.contains('('))
            label += " (" + patterns + ")";
        else
            label = label.left(label.lastIndexOf('(')).trimmed() + " (" + patterns + ")";
        out << label;
    }
    return out;
}

namespace {
std::optional<FileDialogAnswer> RunFileDialog(const FileDialogRequest& r, bool save) {
    QFileDialog dlg(ActiveParent(), QString::fromStdString(r.title), QString::fromStdString(r.initialDir));
    dlg.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dlg.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dlg.setOption(QFileDialog::DontUseNativeDialog, true);
    // The commands ask "Exista fisier cu acest nume. Suprapun ?" themselves.
    if (save) dlg.setOption(QFileDialog::DontConfirmOverwrite, true);
    const QStringList filters = FilterList(r.filter);
    if (!filters.isEmpty()) {
        dlg.setNameFilters(filters);
        const int idx = r.filterIndex - 1;
        if (idx >= 0 && idx < filters.size()) dlg.selectNameFilter(filters[idx]);
    }
    if (!r.defaultExt.empty()) dlg.setDefaultSuffix(QString::fromStdString(r.defaultExt));
    if (!r.fileName.empty()) dlg.selectFile(QString::fromStdString(r.fileName));
    if (r.preview) {
        // A picture of the file under the cursor, beside the file list.
        auto* pane = new QLabel(&dlg);
        pane->setObjectName("Preview");
        pane->setFixedSize(260, 216);
        pane->setFrameShape(QFrame::StyledPanel);
        pane->setAlignment(Qt::AlignCenter);
        if (auto* grid = qobject_cast<QGridLayout*>(dlg.layout()))
            grid->addWidget(pane, 0, grid->columnCount(), grid->rowCount(), 1);
        QObject::connect(&dlg, &QFileDialog::currentChanged, pane, [pane, &r](const QString& path) {
            if (QFileInfo(path).isFile())
                pane->setPixmap(QPixmap::fromImage(r.preview(path.toStdString())));
            else
                pane->clear();
        });
    }
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return std::nullopt;
    FileDialogAnswer a;
    a.fileName = dlg.selectedFiles().front().toStdString();
    a.filterIndex = static_cast<int>(filters.indexOf(dlg.selectedNameFilter())) + 1;
    if (a.filterIndex <= 0) a.filterIndex = 1;
    return a;
}
} // namespace

std::optional<FileDialogAnswer> QtDialogs::OpenFile(const FileDialogRequest& r) { return RunFileDialog(r, false); }
std::optional<FileDialogAnswer> QtDialogs::SaveFile(const FileDialogRequest& r) { return RunFileDialog(r, true); }

std::optional<std::uint32_t> QtDialogs::Color(std::uint32_t initial) {
    const QColor c = QColorDialog::getColor(ToQColor(initial & 0xFFFFFF), ActiveParent());
    if (!c.isValid()) return std::nullopt;
    return FromQColor(c);
}

// ---- printing ----
bool QtDialogs::Print(QPrinter& printer) {
    QPrintDialog dlg(&printer, ActiveParent());
    return dlg.exec() == QDialog::Accepted;
}
// ---- font dialog ----
// The toolkit's dialog knows no colour; the chosen one is kept. Its point
// size becomes pixels at the screen's resolution.
std::optional<FontChoice> QtDialogs::Font(const FontChoice& initial) {
    QFont start;
    if (!initial.family.empty()) start.setFamily(QString::fromStdString(initial.family));
    start.setPixelSize(initial.pixelHeight > 0 ? initial.pixelHeight : 1);
    start.setBold(initial.bold);
    start.setItalic(initial.italic);
    bool ok = false;
    const QFont f = QFontDialog::getFont(&ok, start, ActiveParent());
    if (!ok) return std::nullopt;
    FontChoice c = initial;
    c.family = f.family().toStdString();
    c.pixelHeight = f.pixelSize() > 0 ? f.pixelSize() : QFontInfo(f).pixelSize();
    if (c.pixelHeight < 1) c.pixelHeight = 1;
    c.bold = f.bold();
    c.italic = f.italic();
    return c;
}
// ---- end of font dialog ----

} // namespace zv
