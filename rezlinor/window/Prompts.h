#pragma once
// The questions the window asks the user: messages, file names, the printer.
// The program shows Qt's dialogs; a test installs answers of its own.
#include <QString>

#include <deque>
#include <optional>
#include <vector>

class QPrinter;
class QWidget;

namespace rz {

enum class MsgKind { Error, Warning, Information };

void ShowMessage(QWidget* parent, MsgKind kind, const QString& text);
// The file chosen, or nothing when the user cancels.
std::optional<QString> AskOpenFile(QWidget* parent, const QString& title, const QString& filter);
std::optional<QString> AskSaveFile(QWidget* parent, const QString& title, const QString& filter,
                                   const QString& suggested);
// Whether to print, the printer set up as the user chose.
bool AskPrint(QWidget* parent, QPrinter& printer);

// Installed for its lifetime: records the messages and answers the file and
// print questions from its lists (cancel when a list is empty).
class ScopedPrompts {
public:
    ScopedPrompts();
    ~ScopedPrompts();
    ScopedPrompts(const ScopedPrompts&) = delete;
    ScopedPrompts& operator=(const ScopedPrompts&) = delete;

    struct Message {
        MsgKind kind;
        QString text;
    };
    std::vector<Message> messages;
    std::vector<QString> asked; // the titles of the file and print questions
    std::deque<std::optional<QString>> files;
    // Called with the printer when the window prints; false cancels.
    std::deque<bool> prints;
    QString pdfForPrint; // when not empty, the printer prints into this PDF

private:
    ScopedPrompts* previous_;
    friend void ShowMessage(QWidget*, MsgKind, const QString&);
    friend std::optional<QString> AskOpenFile(QWidget*, const QString&, const QString&);
    friend std::optional<QString> AskSaveFile(QWidget*, const QString&, const QString&, const QString&);
    friend bool AskPrint(QWidget*, QPrinter&);
};

} // namespace rz
