#include "Modal.h"

#include "platform/Dialogs.h"

namespace zv {
namespace {
ScopedModalScript* g_script = nullptr;
}

int RunModal(QDialog& d) {
    if (g_script) return g_script->Run(d);
    return d.exec();
}

ScopedModalScript::ScopedModalScript(std::source_location where) : previous_(g_script), where_(where) {
    g_script = this;
}

ScopedModalScript::~ScopedModalScript() {
    g_script = previous_;
    if (!answers.empty()) ReportScript(where_, std::to_string(answers.size()) + " scripted window answer(s) not used");
    for (const auto& name : unanswered_) ReportScript(where_, "window \"" + name + "\" shown with no answer left");
}

int ScopedModalScript::Run(QDialog& d) {
    shown.push_back(d.objectName().toStdString());
    if (answers.empty()) {
        unanswered_.push_back(shown.back());
        return QDialog::Rejected;
    }
    auto answer = std::move(answers.front());
    answers.pop_front();
    const int r = answer(d);
    d.setResult(r);
    return r;
}

} // namespace zv
