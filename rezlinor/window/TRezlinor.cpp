#include "TRezlinor.h"

#include "Prompts.h"
#include "SheetPainter.h"
#include "SheetsView.h"
#include "core/CutList.h"
#include "core/PieceFile.h"

#include <QAction>
#include <QBuffer>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPdfWriter>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QSettings>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace rz {

namespace {

QTableWidget* Grid(QWidget* parent, const QStringList& headers) {
    auto* g = new QTableWidget(0, static_cast<int>(headers.size()), parent);
    g->setHorizontalHeaderLabels(headers);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setSelectionBehavior(QAbstractItemView::SelectRows);
    g->verticalHeader()->setVisible(false);
    g->verticalHeader()->setDefaultSectionSize(g->fontMetrics().height() + 6);
    g->horizontalHeader()->setStretchLastSection(true);
    return g;
}

void SetRow(QTableWidget* g, int row, const QStringList& cells, const QColor& ink = {}) {
    for (int c = 0; c < cells.size(); ++c) {
        auto* item = new QTableWidgetItem(cells[c]);
        // Numbers right-aligned, as in a spreadsheet.
        bool number = false;
        QString t = cells[c];
        t.replace(',', '.');
        t.toDouble(&number);
        item->setTextAlignment(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft));
        if (ink.isValid()) item->setForeground(ink);
        g->setItem(row, c, item);
    }
}

void Bold(QLabel* l, int addPoints = 0, const QColor& ink = {}) {
    QFont f = l->font();
    f.setBold(true);
    if (addPoints) f.setPointSize(f.pointSize() + addPoints);
    l->setFont(f);
    if (ink.isValid()) {
        QPalette pal = l->palette();
        pal.setColor(QPalette::WindowText, ink);
        l->setPalette(pal);
    }
}

} // namespace

TRezlinor::TRezlinor(const QString& settingsFile, QWidget* parent) : QMainWindow(parent) {
    setObjectName("Rezlinor");
    settings_ = settingsFile.isEmpty() ? new QSettings("Zarvelo", "Rezlinor", this)
                                       : new QSettings(settingsFile, QSettings::IniFormat, this);

    QMenu* file = menuBar()->addMenu("&Fisier");
    ActOpen = file->addAction("&Deschidere lista piese...", this, &TRezlinor::OpenClick);
    ActOpen->setShortcut(QKeySequence::Open);
    file->addSeparator();
    ActPrint = file->addAction("&Tiparire...", this, &TRezlinor::PrintClick);
    ActPrint->setShortcut(QKeySequence::Print);
    ActPdf = file->addAction("Salvare ca &PDF...", this, &TRezlinor::PdfClick);
    ActCsv = file->addAction("Salvare lista de &debitare (CSV)...", this, &TRezlinor::CsvClick);
    file->addSeparator();
    ActExit = file->addAction("&Iesire", this, &QWidget::close);

    auto* central = new QWidget(this);
    auto* row = new QHBoxLayout(central);

    // The settings and the summary.
    auto* left = new QWidget(central);
    auto* lv = new QVBoxLayout(left);
    lv->setContentsMargins(0, 0, 0, 0);
    auto* box = new QGroupBox("Foaia de pal", left);
    auto* head = new QLabel("Caracteristici foaie:", box);
    Bold(head, 0, Qt::red);
    auto* form = new QFormLayout;
    EditLength = new QLineEdit(box);
    EditWidth = new QLineEdit(box);
    EditKerf = new QLineEdit(box);
    EditTrim = new QLineEdit(box);
    for (QLineEdit* e : {EditLength, EditWidth, EditKerf, EditTrim}) {
        e->setAlignment(Qt::AlignRight);
        e->setMaximumWidth(90);
        connect(e, &QLineEdit::returnPressed, this, &TRezlinor::Optimize);
    }
    form->addRow("Lungime foaie (mm):", EditLength);
    form->addRow("Latime foaie (mm):", EditWidth);
    form->addRow("Latime taietura (mm):", EditKerf);
    form->addRow("Margine tundere (mm):", EditTrim);
    CheckTurn = new QCheckBox("Piesele se pot roti\n(culoare uni, fara fibra)", box);
    LabelGrain = new QLabel("Fara rotire, latura mai lunga a fiecarei piese sta pe lungimea foii, in sensul "
                            "fibrei; o piesa patrata sta oricum.",
                            box);
    LabelGrain->setWordWrap(true);
    auto* bv = new QVBoxLayout(box);
    bv->addWidget(head);
    bv->addLayout(form);
    bv->addWidget(CheckTurn);
    bv->addWidget(LabelGrain);
    lv->addWidget(box);
    ButtonOptimize = new QPushButton("&Optimizare", left);
    {
        QFont f = ButtonOptimize->font();
        f.setBold(true);
        ButtonOptimize->setFont(f);
    }
    connect(ButtonOptimize, &QPushButton::clicked, this, &TRezlinor::Optimize);
    lv->addWidget(ButtonOptimize);

    auto* result = new QGroupBox("Rezultat", left);
    auto* rv = new QVBoxLayout(result);
    LabelSheets = new QLabel(result);
    Bold(LabelSheets, 3);
    LabelWaste = new QLabel(result);
    Bold(LabelWaste, 1);
    LabelPieces = new QLabel(result);
    LabelPieces->setWordWrap(true);
    LabelOversize = new QLabel(result);
    LabelOversize->setWordWrap(true);
    Bold(LabelOversize, 0, Qt::red);
    LabelSearch = new QLabel(result);
    LabelSearch->setWordWrap(true);
    for (QLabel* l : {LabelSheets, LabelWaste, LabelPieces, LabelOversize, LabelSearch}) rv->addWidget(l);
    rv->addStretch();
    lv->addWidget(result, 1);
    left->setMaximumWidth(260);
    row->addWidget(left);

    // The result.
    Pages = new QTabWidget(central);
    sheetsScroll_ = new QScrollArea(Pages);
    sheetsScroll_->setWidgetResizable(true);
    Sheets = new SheetsView(sheetsScroll_);
    sheetsScroll_->setWidget(Sheets);
    Pages->addTab(sheetsScroll_, "Foi de pal");
    GridCuts = Grid(Pages, {"Foaia", "Nr.", "Taietura", "Pozitie (mm)", "De la", "Pana la", "Lungime"});
    Pages->addTab(GridCuts, "Ordinea taierilor");
    GridOffcuts = Grid(Pages, {"Foaia", "Lungime", "Latime", "x", "y"});
    Pages->addTab(GridOffcuts, "Resturi de pastrat");
    GridPieces = Grid(Pages, {"Nr.", "Piesa", "Lungime", "Latime", "Foaia", "x", "y", "Rotita"});
    Pages->addTab(GridPieces, "Piese");
    row->addWidget(Pages, 1);
    setCentralWidget(central);

    LoadSettings();
    ClearLayout();
    setWindowTitle(Title());
}

TRezlinor::~TRezlinor() = default;

QString TRezlinor::Title() const {
    QString t = "Rezlinor - optimizare debitare pal";
    if (!fileName_.isEmpty()) t += " - " + QFileInfo(fileName_).fileName();
    return t;
}

void TRezlinor::LoadSettings() {
    const SheetSettings d;
    auto value = [&](const char* key, double def) {
        bool ok = false;
        const double v = settings_->value(key, def).toDouble(&ok);
        return ok ? v : def;
    };
    SheetSettings s;
    s.length = value("foaie/lungime", d.length);
    s.width = value("foaie/latime", d.width);
    s.kerf = value("foaie/taietura", d.kerf);
    s.trim = value("foaie/margine", d.trim);
    s.allowTurn = settings_->value("foaie/rotire", d.allowTurn).toBool();
    if (!CheckSettings(s).empty()) s = d; // a settings file edited by hand
    EditLength->setText(SizeText(s.length));
    EditWidth->setText(SizeText(s.width));
    EditKerf->setText(SizeText(s.kerf));
    EditTrim->setText(SizeText(s.trim));
    CheckTurn->setChecked(s.allowTurn);
}

void TRezlinor::SaveSettings(const SheetSettings& s) {
    settings_->setValue("foaie/lungime", s.length);
    settings_->setValue("foaie/latime", s.width);
    settings_->setValue("foaie/taietura", s.kerf);
    settings_->setValue("foaie/margine", s.trim);
    settings_->setValue("foaie/rotire", s.allowTurn);
    settings_->sync();
}

std::optional<SheetSettings> TRezlinor::ReadSettings() {
    SheetSettings s;
    const std::pair<QLineEdit*, double*> fields[] = {
        {EditLength, &s.length}, {EditWidth, &s.width}, {EditKerf, &s.kerf}, {EditTrim, &s.trim}};
    const char* names[] = {"Lungimea foii", "Latimea foii", "Latimea taieturii", "Marginea de tundere"};
    for (int i = 0; i < 4; ++i) {
        if (!ParseNumber(fields[i].first->text().toStdString(), *fields[i].second)) {
            ShowMessage(this, MsgKind::Error, QString("%1 nu este un numar.").arg(names[i]));
            fields[i].first->setFocus();
            return std::nullopt;
        }
    }
    s.allowTurn = CheckTurn->isChecked();
    if (const std::string why = CheckSettings(s); !why.empty()) {
        ShowMessage(this, MsgKind::Error, QString::fromStdString(why));
        return std::nullopt;
    }
    return s;
}

bool TRezlinor::OpenFile(const QString& path) {
    const PieceFileResult r = ReadPieceFile(path.toStdString());
    if (!r.ok()) {
        ShowMessage(this, MsgKind::Error, QString::fromStdString(r.error));
        return false;
    }
    pieces_ = r.pieces;
    fileName_ = path;
    setWindowTitle(Title());
    ClearLayout();
    return Optimize();
}

bool TRezlinor::Optimize() {
    const std::optional<SheetSettings> s = ReadSettings();
    if (!s) return false;
    SaveSettings(*s);
    if (pieces_.empty()) {
        ShowMessage(this, MsgKind::Information,
                    "Nu este deschisa nicio lista de piese. Alegeti \"Deschidere lista piese\" din meniul Fisier.");
        return false;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    layout_ = Pack(pieces_, *s, packOptions_);
    QApplication::restoreOverrideCursor();
    layoutSettings_ = *s;
    haveLayout_ = true;
    ShowLayout();
    return true;
}

void TRezlinor::ClearLayout() {
    layout_ = Layout{};
    haveLayout_ = false;
    ShowLayout();
}

void TRezlinor::ShowLayout() {
    const Layout& l = layout_;
    const SheetSettings& s = layoutSettings_;
    for (QAction* a : {ActPrint, ActPdf, ActCsv}) a->setEnabled(haveLayout_);
    Sheets->SetLayout(&layout_, &pieces_, s);
    GridCuts->setRowCount(0);
    GridOffcuts->setRowCount(0);
    GridPieces->setRowCount(0);
    if (!haveLayout_) {
        LabelSheets->setText(pieces_.empty() ? "Nicio lista de piese" : "");
        LabelWaste->clear();
        LabelPieces->setText(pieces_.empty() ? "Deschideti fisierul FoaiePal.app din meniul Fisier." : "");
        LabelOversize->clear();
        LabelSearch->clear();
        return;
    }
    const int sheets = static_cast<int>(l.sheets.size());
    LabelSheets->setText(QString("Foi de pal: %1").arg(sheets));
    LabelWaste->setText(sheets ? QString("Deseu: %1 %").arg(QLocale::system().toString(WastePercent(l, s), 'f', 1))
                               : QString());
    int placed = 0;
    for (const SheetLayout& sh : l.sheets) placed += static_cast<int>(sh.placements.size());
    int kept = 0;
    for (const SheetLayout& sh : l.sheets) kept += static_cast<int>(KeptOffcuts(sh).size());
    LabelPieces->setText(QString("Piese asezate: %1 din %2\nResturi de pastrat: %3\nFoaie: %4 mm, taietura %5 mm, "
                                 "margine %6 mm%7")
                             .arg(placed)
                             .arg(pieces_.size())
                             .arg(kept)
                             .arg(SizesText(s.length, s.width), SizeText(s.kerf), SizeText(s.trim),
                                  s.allowTurn ? ", cu rotire" : ", fara rotire"));
    QStringList apart;
    const std::pair<const std::vector<int>*, const char*> lists[] = {{&l.oversize, "Nu incap pe foaie"},
                                                                     {&l.tooSmall, "Prea mici"}};
    for (const auto& [list, what] : lists) {
        if (list->empty()) continue;
        QStringList names;
        for (int i : *list) {
            const Piece& pc = pieces_[static_cast<std::size_t>(i)];
            names << PieceName(pc) + " (" + SizesText(pc.length, pc.width) + ")";
        }
        apart << QString("%1 (%2):\n").arg(what).arg(list->size()) + names.join("\n");
    }
    LabelOversize->setText(apart.join("\n"));
    LabelSearch->setText(l.clockStopped ? "Cautarea a fost oprita de limita de timp: asezarea poate fi mai slaba "
                                          "decat de obicei."
                                        : QString());

    for (int k = 0; k < sheets; ++k) {
        const SheetLayout& sh = l.sheets[static_cast<std::size_t>(k)];
        for (std::size_t i = 0; i < sh.cuts.size(); ++i) {
            const Cut& c = sh.cuts[i];
            const int r = GridCuts->rowCount();
            GridCuts->insertRow(r);
            SetRow(GridCuts, r,
                   {QString::number(k + 1), QString::number(i + 1), CutKind(c),
                    QString(c.acrossLength ? "x = " : "y = ") + SizeText(c.pos),
                    QString(c.acrossLength ? "y = " : "x = ") + SizeText(c.from),
                    QString(c.acrossLength ? "y = " : "x = ") + SizeText(c.to), SizeText(c.to - c.from)});
        }
        for (const Rect& o : KeptOffcuts(sh)) {
            const int r = GridOffcuts->rowCount();
            GridOffcuts->insertRow(r);
            SetRow(GridOffcuts, r,
                   {QString::number(k + 1), SizeText(o.length), SizeText(o.width), SizeText(o.x), SizeText(o.y)});
        }
    }
    // Every piece in file order, where it went.
    GridPieces->setRowCount(static_cast<int>(pieces_.size()));
    for (std::size_t i = 0; i < pieces_.size(); ++i) {
        const Piece& pc = pieces_[i];
        SetRow(GridPieces, static_cast<int>(i),
               {QString::number(i + 1), PieceName(pc), SizeText(pc.length), SizeText(pc.width),
                pc.TooSmall() ? "prea mica" : "nu incape", "", "", ""},
               Qt::red);
    }
    for (int k = 0; k < sheets; ++k)
        for (const Placement& p : l.sheets[static_cast<std::size_t>(k)].placements) {
            const Piece& pc = pieces_[static_cast<std::size_t>(p.piece)];
            SetRow(GridPieces, p.piece,
                   {QString::number(p.piece + 1), PieceName(pc), SizeText(pc.length), SizeText(pc.width),
                    QString::number(k + 1), SizeText(p.x), SizeText(p.y), p.turned ? "da" : "nu"});
        }
    for (QTableWidget* g : {GridCuts, GridOffcuts, GridPieces}) g->resizeColumnsToContents();
}

void TRezlinor::OpenClick() {
    const auto f = AskOpenFile(this, "Deschidere lista piese", "Liste de piese (*.app);;Toate fisierele (*)");
    if (f) OpenFile(*f);
}

bool TRezlinor::SavePdf(const QString& path) {
    // Made whole in memory first, then written beside the target and renamed
    // over it only when every byte went out: a full disk leaves the old file.
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    bool painted = false;
    {
        QPdfWriter pdf(&bytes);
        pdf.setResolution(1200);
        pdf.setTitle(Title());
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
        painted = PrintLayout(pdf, Title(), layout_, pieces_, layoutSettings_);
    }
    const std::string error = painted ? WriteWholeFile(path.toStdString(), bytes.data().toStdString())
                                      : "Nu pot scrie fisierul " + path.toStdString() + ".";
    if (!error.empty()) {
        ShowMessage(this, MsgKind::Error, QString::fromStdString(error));
        return false;
    }
    return true;
}

bool TRezlinor::SaveCsv(const QString& path) {
    // The user's spreadsheet opens it in columns: ";" between the fields
    // where "," is the decimal separator.
    const QString point = QLocale::system().decimalPoint();
    const char decimal = point == "," ? ',' : '.';
    const std::string error = WriteWholeFile(path.toStdString(),
                                             FormatCutList(layout_, pieces_, decimal == ',' ? ';' : ',', decimal));
    if (!error.empty()) {
        ShowMessage(this, MsgKind::Error, QString::fromStdString(error));
        return false;
    }
    return true;
}

void TRezlinor::PrintClick() {
    if (!haveLayout_) return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(Title());
    printer.setPageOrientation(QPageLayout::Landscape);
    if (!AskPrint(this, printer)) return;
    if (!PrintLayout(printer, Title(), layout_, pieces_, layoutSettings_))
        ShowMessage(this, MsgKind::Error, "Tiparirea nu a putut incepe.");
}

namespace {
QString Beside(const QString& file, const QString& ext) {
    const QFileInfo fi(file.isEmpty() ? QString("FoaiePal.app") : file);
    return fi.dir().filePath(fi.completeBaseName() + ext);
}
} // namespace

void TRezlinor::PdfClick() {
    if (!haveLayout_) return;
    if (const auto f = AskSaveFile(this, "Salvare ca PDF", "Fisiere PDF (*.pdf)", Beside(fileName_, ".pdf")))
        SavePdf(*f);
}

void TRezlinor::CsvClick() {
    if (!haveLayout_) return;
    if (const auto f = AskSaveFile(this, "Salvare lista de debitare", "Fisiere CSV (*.csv)", Beside(fileName_, ".csv")))
        SaveCsv(*f);
}

} // namespace rz
