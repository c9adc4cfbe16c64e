#include "Dialogs.h"

#include <QPrinter>

namespace zv {

namespace {
DialogBackend* g_backend = nullptr;
ScriptedDialogs g_fallback; // when nothing is installed (library use without a UI)
} // namespace

void SetDialogBackend(DialogBackend* backend) { g_backend = backend; }
DialogBackend& Dialogs() { return g_backend ? *g_backend : g_fallback; }

MsgResult ShowMessage(MsgKind kind, const std::string& text, MsgButtons buttons) {
    return Dialogs().Message(kind, text, buttons);
}

std::optional<std::string> InputBox(const std::string& caption, const std::string& prompt, const std::string& value) {
    return Dialogs().Input(caption, prompt, value);
}

MsgResult ScriptedDialogs::Message(MsgKind kind, const std::string& text, MsgButtons buttons) {
    Record r;
    r.what = "message";
    r.kind = kind;
    r.buttons = buttons;
    r.text = text;
    records.push_back(r);
    if (!messageAnswers.empty()) {
        MsgResult a = messageAnswers.front();
        messageAnswers.pop_front();
        return a;
    }
    return buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoCancel ? MsgResult::Yes : MsgResult::Ok;
}

namespace {
// The next scripted answer, or "cancelled" when the script has none left.
template <class T> std::optional<T> Next(std::deque<std::optional<T>>& answers) {
    if (answers.empty()) return std::nullopt;
    auto a = answers.front();
    answers.pop_front();
    return a;
}
} // namespace

std::optional<std::string> ScriptedDialogs::Input(const std::string& caption, const std::string& prompt,
                                                  const std::string& value) {
    Record r;
    r.what = "input";
    r.caption = caption;
    r.text = prompt;
    r.value = value;
    records.push_back(r);
    return Next(inputAnswers);
}

std::optional<FileDialogAnswer> ScriptedDialogs::OpenFile(const FileDialogRequest& req) {
    records.push_back(Record{"open", MsgKind::Information, MsgButtons::Ok, req.title, {}, {}, req});
    return Next(fileAnswers);
}

std::optional<FileDialogAnswer> ScriptedDialogs::SaveFile(const FileDialogRequest& req) {
    records.push_back(Record{"save", MsgKind::Information, MsgButtons::Ok, req.title, {}, {}, req});
    return Next(fileAnswers);
}

std::optional<std::uint32_t> ScriptedDialogs::Color(std::uint32_t initial) {
    Record r;
    r.what = "color";
    r.value = std::to_string(initial);
    records.push_back(r);
    return Next(colorAnswers);
}

// ---- printing ----
bool ScriptedDialogs::Print(QPrinter& printer) {
    Record r;
    r.what = "print";
    r.text = printer.docName().toStdString();
    records.push_back(r);
    const auto file = Next(printAnswers);
    if (!file) return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(*file));
    return true;
}
// ---- font dialog ----
std::optional<FontChoice> ScriptedDialogs::Font(const FontChoice& initial) {
    Record r;
    r.what = "font";
    r.value = initial.family + " " + std::to_string(initial.pixelHeight);
    records.push_back(r);
    return Next(fontAnswers);
}
// ---- end of font dialog ----

std::vector<std::string> ScriptedDialogs::Messages() const {
    std::vector<std::string> out;
    for (const auto& r : records)
        if (r.what == "message") out.push_back(r.text);
    return out;
}

namespace {
ScriptReporter g_reporter = nullptr;
}

void SetScriptReporter(ScriptReporter reporter) { g_reporter = reporter; }
void ReportScript(const std::source_location& where, const std::string& what) {
    if (g_reporter) g_reporter(where.file_name(), static_cast<int>(where.line()), what);
}

ScopedDialogScript::ScopedDialogScript(std::source_location where) : previous_(&Dialogs()), where_(where) {
    SetDialogBackend(&script_);
}
ScopedDialogScript::~ScopedDialogScript() {
    SetDialogBackend(previous_ == &g_fallback ? nullptr : previous_);
    const auto& s = script_;
    const std::size_t left = s.messageAnswers.size() + s.inputAnswers.size() + s.fileAnswers.size() +
                             s.colorAnswers.size() + s.fontAnswers.size() + s.printAnswers.size();
    if (left > 0)
        ReportScript(
            where_,
            std::to_string(left) + " scripted dialog answer(s) not used: " + std::to_string(s.messageAnswers.size()) +
                " message, " + std::to_string(s.inputAnswers.size()) + " input, " +
                std::to_string(s.fileAnswers.size()) + " file, " + std::to_string(s.colorAnswers.size()) + " colour, " +
                std::to_string(s.fontAnswers.size()) + " font, " + std::to_string(s.printAnswers.size()) + " print");
}

} // namespace zv
