// Developer tool: writes the piece files of the sample furniture the way the
// designer does, opens each in the optimiser's window and saves a picture of
// every page of it and the PDF, to look at.
//   zv_rezlinor_shots <output folder>
#include "export/FoaiePal.h"
#include "model/MobilaFile.h"
#include "window/Prompts.h"
#include "window/TRezlinor.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTabWidget>

#include <QStringList>

#include <iostream>
#include <map>
#include <memory>

namespace {

void Shoot(const QString& out, const QString& name, const QString& app, rz::ScopedPrompts& prompts) {
    rz::TRezlinor w(out + "/settings.ini");
    w.resize(1280, 860);
    w.show();
    w.OpenFile(app);
    for (int t = 0; t < w.Pages->count(); ++t) {
        w.Pages->setCurrentIndex(t);
        QApplication::processEvents();
        w.grab().save(QString("%1/%2-%3.png").arg(out, name).arg(t));
    }
    w.SavePdf(out + "/" + name + ".pdf");
    for (const auto& m : prompts.messages) std::cout << "  message: " << m.text.toStdString() << "\n";
    prompts.messages.clear();
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString out = argc > 1 ? argv[1] : "rezlinor-shots";
    QDir().mkpath(out);
    rz::ScopedPrompts prompts; // messages into the log, not onto the screen
    // A workshop's order: every board of the three samples, three of each.
    QStringList order;
    int orderCount = 0;
    for (const char* name : {"Dulap", "Comoda", "Biblioteca"}) {
        auto f = std::make_unique<zv::Furniture>();
        zv::ReplaceWithMobilaFile(zv::ReadMobilaFile(std::string(ZV_DATA_DIR) + "/" + name + ".mo4"), *f);
        // The material with the most pieces, as the user would choose it.
        std::map<std::string, int> count;
        for (int p = 0; p < f->scene.pieceCount; ++p) ++count[f->attrs.materialCode[static_cast<std::size_t>(p)]];
        std::string code;
        int most = 0;
        for (const auto& [c, n] : count)
            if (n > most) most = n, code = c;
        const QString app = out + "/" + name + ".app";
        QFile file(app);
        if (!file.open(QIODevice::WriteOnly)) return 1;
        file.write(QByteArray::fromStdString(zv::FormatFoaiePal(*f, code)));
        file.close();
        std::cout << name << ": material \"" << code << "\", " << most << " pieces\n";
        Shoot(out, name, app, prompts);
        for (const auto& [c, n] : count) {
            const QStringList lines = QString::fromStdString(zv::FormatFoaiePal(*f, c)).split("\r\n");
            for (int copy = 0; copy < 3; ++copy) {
                order << lines.mid(6, n * 8);
                orderCount += n;
            }
        }
    }
    QStringList all{"", "", "16777215", QString::number(orderCount), "0", "2"};
    all << order;
    QFile file(out + "/Comanda.app");
    if (!file.open(QIODevice::WriteOnly)) return 1;
    file.write((all.join("\r\n") + "\r\n").toUtf8());
    file.close();
    std::cout << "Comanda: " << orderCount << " pieces\n";
    Shoot(out, "Comanda", out + "/Comanda.app", prompts);
    return 0;
}
