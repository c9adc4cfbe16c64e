#include "THelp.h"

#include "Forms.h"
#include "TMain.h"
#include "platform/Dialogs.h"
#include "platform/Rtf.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPageLayout>
#include <QPrinter>
#include <QScreen>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>
#include <memory>

namespace zv {

namespace {
constexpr const char* kJobTitle = "Ghid de utilizare Zarvelo";
// The same margin on every printer (what 200 units gave at 300 dpi).
constexpr double kMarginMm = 17.0;
} // namespace

THelp::THelp(QWidget* parent) : FormBase<QDialog>(parent) {
    setObjectName("Help");
    setWindowTitle("Ajutor");
    resize(604, 468);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* bar = new QMenuBar(this);
    iparireghidlaimprimanta1 = bar->addAction("&Tiparire ghid la imprimanta");
    iparireghidlaimprimanta1->setObjectName("iparireghidlaimprimanta1");
    layout->setMenuBar(bar);
    RichEdit1 = new QTextEdit(this);
    RichEdit1->setObjectName("RichEdit1");
    RichEdit1->setReadOnly(true);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    layout->addWidget(RichEdit1);
    connect(iparireghidlaimprimanta1, &QAction::triggered, this, [this] { iparireghidlaimprimanta1Click(); });
    if (const QScreen* s = QGuiApplication::primaryScreen()) move(s->availableGeometry().center() - rect().center());
}

void THelp::FormShow() {
    if (TMain* m = Forms().Main) LoadDocument(m->startupFolder);
}

void THelp::LoadDocument(const std::string& folder) {
    QFile f(QString::fromStdString(folder) + "/Ajutor.rtf");
    if (!f.open(QIODevice::ReadOnly)) {
        RichEdit1->clear();
        RichEdit1->setPlainText("Nu am gasit fisierul \"Ajutor.rtf\".");
        return;
    }
    const QByteArray bytes = f.readAll();
    const std::string html = RtfToHtml(ReadRtf(bytes.toStdString()));
    RichEdit1->setHtml(QString::fromStdString(html));
}

void THelp::iparireghidlaimprimanta1Click() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(kJobTitle);
    if (!Dialogs().Print(printer)) return;
    PrintDocument(printer);
}

void THelp::PrintDocument(QPrinter& printer) {
    printer.setDocName(kJobTitle);
    printer.setPageMargins(QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter);
    // A copy laid out on the page: the document itself keeps the viewer's width,
    // and a page size of its own keeps the toolkit from adding margins of its own.
    std::unique_ptr<QTextDocument> copy(RichEdit1->document()->clone());
    copy->documentLayout()->setPaintDevice(&printer);
    copy->setDocumentMargin(0);
    copy->setPageSize(printer.pageLayout().paintRectPixels(printer.resolution()).size());
    copy->print(&printer);
}

} // namespace zv
