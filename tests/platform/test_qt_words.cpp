// Qt's own windows under the program's application object: the message box,
// the input box, the file and print dialogs read Romanian, as our own do.
#include "platform/widgets/QtDialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <gtest/gtest.h>

using namespace zv;

namespace {
// Runs `look` on the modal window `open` shows, then closes it the way the
// user cancels (Escape's answer: reject).
template <typename Open> QStringList WhileShown(Open open, const std::function<QStringList(QDialog&)>& look) {
    QStringList seen;
    bool looked = false;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!d || looked) return;
        looked = true;
        seen = look(*d);
        d->reject();
    });
    poll.start();
    open();
    EXPECT_TRUE(looked) << "no modal window was shown";
    return seen;
}

QStringList ButtonTexts(const QWidget& w) {
    QStringList texts;
    if (const auto* box = w.findChild<QDialogButtonBox*>())
        for (QAbstractButton* b : box->buttons()) texts << b->text();
    return texts;
}

QString Text(const QDialog& d, const char* name) {
    if (const auto* l = d.findChild<QLabel*>(name)) return l->text();
    if (const auto* b = d.findChild<QAbstractButton*>(name)) return b->toolTip();
    return "<" + QString(name) + " missing>";
}
} // namespace

TEST(QtWords, MessageBoxButtonsAreRomanian) {
    QtDialogs dialogs;
    struct Case {
        MsgButtons buttons;
        QStringList texts;
    } cases[] = {
        {MsgButtons::Ok, {"OK"}},
        {MsgButtons::YesNo, {"&Da", "&Nu"}},
        {MsgButtons::YesNoCancel, {"&Da", "&Nu", "Anulare"}},
        {MsgButtons::OkCancel, {"OK", "Anulare"}},
    };
    for (const Case& c : cases) {
        QStringList texts = WhileShown([&] { dialogs.Message(MsgKind::Confirmation, "Salvez ?", c.buttons); },
                                       [](QDialog& d) { return ButtonTexts(d); });
        texts.sort();
        QStringList want = c.texts;
        want.sort();
        EXPECT_EQ(texts, want) << static_cast<int>(c.buttons);
    }
    // The box's title names its kind in the same words.
    const std::pair<MsgKind, QString> titles[] = {{MsgKind::Error, "Eroare"},
                                                  {MsgKind::Warning, "Atentie"},
                                                  {MsgKind::Information, "Informatie"},
                                                  {MsgKind::Confirmation, "Confirmare"}};
    for (const auto& [kind, title] : titles)
        EXPECT_EQ(WhileShown([&, kind = kind] { dialogs.Message(kind, "Text", MsgButtons::Ok); },
                             [](QDialog& d) { return QStringList{d.windowTitle()}; }),
                  QStringList{title});
}

TEST(QtWords, InputBoxButtonsAreRomanian) {
    QtDialogs dialogs;
    std::optional<std::string> answer = "not asked";
    QStringList texts = WhileShown([&] { answer = dialogs.Input("Nume", "Numele mobilei:", "Dulap"); },
                                   [](QDialog& d) { return ButtonTexts(d); });
    texts.sort();
    EXPECT_EQ(texts, (QStringList{"Anulare", "OK"}));
    EXPECT_FALSE(answer);
}

TEST(QtWords, FileDialogsAreRomanian) {
    QTemporaryDir dir;
    QtDialogs dialogs;
    FileDialogRequest r;
    r.title = "Deschide fisier";
    r.filter = "Mobila (*.mo4)|*.mo4";
    r.initialDir = dir.path().toStdString();
    const auto look = [](QDialog& d) {
        QStringList seen{Text(d, "lookInLabel"), Text(d, "fileNameLabel"),  Text(d, "fileTypeLabel"),
                         Text(d, "backButton"),  Text(d, "toParentButton"), Text(d, "newFolderButton")};
        if (const auto* tree = d.findChild<QTreeView*>())
            for (int c : {0, 1, 2, 3}) seen << tree->model()->headerData(c, Qt::Horizontal).toString();
        return seen + ButtonTexts(d);
    };
    EXPECT_EQ(WhileShown([&] { dialogs.OpenFile(r); }, look),
              (QStringList{"Cauta in:", "&Nume fisier:", "Fisiere de tipul:", "Inapoi", "Folderul parinte",
                           "Folder nou", "Nume", "Marime", "Tip", "Data modificarii", "&Deschidere", "Anulare"}));
    const QStringList save = WhileShown([&] { dialogs.SaveFile(r); }, look);
    ASSERT_EQ(save.size(), 12);
    EXPECT_EQ(save.mid(10), (QStringList{"&Salvare", "Anulare"}));
}

TEST(QtWords, PrintDialogIsRomanian) {
    QtDialogs dialogs;
    QPrinter printer;
    const QStringList seen = WhileShown([&] { EXPECT_FALSE(dialogs.Print(printer)); },
                                        [](QDialog& d) {
                                            QStringList texts{d.windowTitle()};
                                            for (const QPushButton* b : d.findChildren<QPushButton*>())
                                                if (b->isVisible() && !b->text().isEmpty()) texts << b->text();
                                            return texts;
                                        });
    ASSERT_FALSE(seen.isEmpty());
    EXPECT_EQ(seen[0], "Tiparire");
    EXPECT_TRUE(seen.contains("&Tiparire")) << seen.join(" | ").toStdString();
    EXPECT_TRUE(seen.contains("Anulare")) << seen.join(" | ").toStdString();
    EXPECT_FALSE(seen.contains("Cancel")) << seen.join(" | ").toStdString();
}
