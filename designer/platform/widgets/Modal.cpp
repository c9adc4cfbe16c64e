#include "Modal.h"

namespace zv {
namespace {
ScopedModalScript* g_script = nullptr;
}

int RunModal(QDialog& d) {
    if (g_script) return g_script->Run(d);
    return d.exec();
}

ScopedModalScript::ScopedModalScript() : previous_(g_script) { g_script = this; }
ScopedModalScript::~ScopedModalScript() { g_script = previous_; }

int ScopedModalScript::Run(QDialog& d) {
    shown.push_back(d.objectName().toStdString());
    if (answers.empty()) return QDialog::Rejected;
    auto answer = std::move(answers.front());
    answers.pop_front();
    const int r = answer(d);
    d.setResult(r);
    return r;
}

} // namespace zv
