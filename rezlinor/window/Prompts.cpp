#include "Prompts.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace rz {

namespace {
ScopedPrompts* g_script = nullptr;

std::optional<QString> NextFile(ScopedPrompts& s) {
    if (s.files.empty()) return std::nullopt;
    auto f = s.files.front();
    s.files.pop_front();
    return f;
}
} // namespace

ScopedPrompts::ScopedPrompts() : previous_(g_script) { g_script = this; }
ScopedPrompts::~ScopedPrompts() { g_script = previous_; }

void ShowMessage(QWidget* parent, MsgKind kind, const QString& text) {
    if (g_script) {
        g_script->messages.push_back({kind, text});
        return;
    }
    QMessageBox box(parent);
    box.setWindowTitle("Rezlinor");
    box.setIcon(kind == MsgKind::Error     ? QMessageBox::Critical
                : kind == MsgKind::Warning ? QMessageBox::Warning
                                           : QMessageBox::Information);
    box.setText(text);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

std::optional<QString> AskOpenFile(QWidget* parent, const QString& title, const QString& filter) {
    if (g_script) {
        g_script->asked.push_back(title);
        return NextFile(*g_script);
    }
    const QString f = QFileDialog::getOpenFileName(parent, title, QString(), filter);
    if (f.isEmpty()) return std::nullopt;
    return f;
}

std::optional<QString> AskSaveFile(QWidget* parent, const QString& title, const QString& filter,
                                   const QString& suggested) {
    if (g_script) {
        g_script->asked.push_back(title);
        return NextFile(*g_script);
    }
    const QString f = QFileDialog::getSaveFileName(parent, title, suggested, filter);
    if (f.isEmpty()) return std::nullopt;
    return f;
}

bool AskPrint(QWidget* parent, QPrinter& printer) {
    if (g_script) {
        g_script->asked.push_back("print");
        if (g_script->prints.empty()) return false;
        const bool go = g_script->prints.front();
        g_script->prints.pop_front();
        if (go && !g_script->pdfForPrint.isEmpty()) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(g_script->pdfForPrint);
        }
        return go;
    }
    QPrintDialog d(&printer, parent);
    d.setWindowTitle("Tiparire");
    return d.exec() == QDialog::Accepted;
}

} // namespace rz
