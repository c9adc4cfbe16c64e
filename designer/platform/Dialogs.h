#pragma once
// The message and dialog service every window calls instead of the toolkit,
// so that a test can script the answers and drive a whole command.
#include <QImage>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <source_location>
#include <string>
#include <vector>

class QPrinter;

namespace zv {

enum class MsgKind { Error, Warning, Information, Confirmation };
enum class MsgButtons { Ok, YesNo, YesNoCancel, OkCancel };
enum class MsgResult { Ok, Yes, No, Cancel };

struct FileDialogRequest {
    std::string title;
    std::string filter; // "Mobila (*.mo4)|*.mo4|Mobila veche (*.mo2)|*.mo2" style
    std::string initialDir;
    std::string defaultExt; // without the dot
    std::string fileName;   // initial name
    int filterIndex = 1;    // 1-based, as chosen
    // When set, the dialog shows this picture of the file under the cursor.
    std::function<QImage(const std::string&)> preview;
};

struct FileDialogAnswer {
    std::string fileName;
    int filterIndex = 1;
};

// ---- font dialog ----
// A font as the names and figures of a drawing use it: the height is in pixels.
struct FontChoice {
    std::string family; // empty: the application's font
    int pixelHeight = 11;
    bool bold = false, italic = false;
    std::uint32_t color = 0; // 0x00BBGGRR
    bool operator==(const FontChoice&) const = default;
};
// ---- end of font dialog ----

class DialogBackend {
public:
    virtual ~DialogBackend() = default;
    virtual MsgResult Message(MsgKind kind, const std::string& text, MsgButtons buttons) = 0;
    virtual std::optional<std::string> Input(const std::string& caption, const std::string& prompt,
                                             const std::string& value) = 0;
    virtual std::optional<FileDialogAnswer> OpenFile(const FileDialogRequest& r) = 0;
    virtual std::optional<FileDialogAnswer> SaveFile(const FileDialogRequest& r) = 0;
    virtual std::optional<std::uint32_t> Color(std::uint32_t initial) = 0;
    // ---- printing ----
    // The print dialog on `printer`: true when confirmed, with the printer set up as chosen.
    virtual bool Print(QPrinter& printer) = 0;
    virtual std::optional<FontChoice> Font(const FontChoice& initial) = 0; // font dialog
};

// The backend in force: the toolkit's dialogs in the program, a script in tests.
void SetDialogBackend(DialogBackend* backend);
DialogBackend& Dialogs();

MsgResult ShowMessage(MsgKind kind, const std::string& text, MsgButtons buttons = MsgButtons::Ok);
inline void ShowError(const std::string& text) { ShowMessage(MsgKind::Error, text); }
inline void ShowWarning(const std::string& text) { ShowMessage(MsgKind::Warning, text); }
inline void ShowInfo(const std::string& text) { ShowMessage(MsgKind::Information, text); }
// Confirmations test for Yes.
inline bool AskYesNo(const std::string& text) {
    return ShowMessage(MsgKind::Confirmation, text, MsgButtons::YesNo) == MsgResult::Yes;
}
std::optional<std::string> InputBox(const std::string& caption, const std::string& prompt, const std::string& value);

// A scripted backend for tests: answers are taken in order; every question is
// recorded. With no answer left, a message gets its first button (OK/Yes) and
// the other dialogs are cancelled.
class ScriptedDialogs : public DialogBackend {
public:
    struct Record {
        std::string what; // "message", "input", "open", "save", "color", "font"
        MsgKind kind = MsgKind::Information;
        MsgButtons buttons = MsgButtons::Ok;
        std::string text; // message text, input prompt or dialog title
        std::string caption;
        std::string value;
        FileDialogRequest file;
    };
    std::deque<MsgResult> messageAnswers;
    std::deque<std::optional<std::string>> inputAnswers;
    std::deque<std::optional<FileDialogAnswer>> fileAnswers;
    std::deque<std::optional<std::uint32_t>> colorAnswers;
    std::deque<std::optional<FontChoice>> fontAnswers; // font dialog
    std::vector<Record> records;

    MsgResult Message(MsgKind kind, const std::string& text, MsgButtons buttons) override;
    std::optional<std::string> Input(const std::string& caption, const std::string& prompt,
                                     const std::string& value) override;
    std::optional<FileDialogAnswer> OpenFile(const FileDialogRequest& r) override;
    std::optional<FileDialogAnswer> SaveFile(const FileDialogRequest& r) override;
    std::optional<std::uint32_t> Color(std::uint32_t initial) override;
    // ---- printing ----
    // Each answer is the PDF file the job goes to; none (or none left) cancels.
    // Recorded as "print" with the job's title.
    std::deque<std::optional<std::string>> printAnswers;
    bool Print(QPrinter& printer) override;
    std::optional<FontChoice> Font(const FontChoice& initial) override; // records "font"

    // The texts of every message shown so far, in order.
    std::vector<std::string> Messages() const;
};

// A test script whose answers were not all taken reports it at its end, at the
// place it was made: the test harness turns that into a failure of the test
// (a question the test meant to answer was never asked). Nothing is reported
// while no reporter is set, as in the program.
using ScriptReporter = void (*)(const char* file, int line, const std::string& what);
void SetScriptReporter(ScriptReporter reporter);
void ReportScript(const std::source_location& where, const std::string& what);

// Installs a script for the lifetime of the object and puts the previous backend back.
class ScopedDialogScript {
public:
    explicit ScopedDialogScript(std::source_location where = std::source_location::current());
    ~ScopedDialogScript();
    ScriptedDialogs* operator->() { return &script_; }
    ScriptedDialogs& get() { return script_; }

private:
    ScriptedDialogs script_;
    DialogBackend* previous_;
    std::source_location where_;
};

} // namespace zv
