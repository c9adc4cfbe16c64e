#pragma once
#include "platform/widgets/FormBase.h"

#include <QDialog>
#include <string>

class QAction;
class QPrinter;
class QTextEdit;

namespace zv {

// "Ajutor": the user's guide, read again at each showing, beside the main window.
class THelp : public FormBase<QDialog> {
    Q_OBJECT
public:
    explicit THelp(QWidget* parent = nullptr);

    QTextEdit* RichEdit1;
    QAction* iparireghidlaimprimanta1; // "&Tiparire ghid la imprimanta"

    void FormShow() override;
    void iparireghidlaimprimanta1Click();

    // The document in the viewer, from `folder` + "/Ajutor.rtf".
    void LoadDocument(const std::string& folder);
    // Lays the viewer's document out on the printer's pages and prints it.
    void PrintDocument(QPrinter& printer);
};

} // namespace zv
