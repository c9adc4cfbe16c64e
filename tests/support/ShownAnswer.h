#pragma once
// A scripted answer for ScopedModalScript that treats the window as the
// program does: shows it (so its FormShow runs), runs `act` in it (typing,
// clicking), and gives what the window was closed with; a window that `act`
// left open is cancelled.
#include <QDialog>
#include <functional>

inline std::function<int(QDialog&)> ShownAnswer(std::function<void()> act) {
    return [act = std::move(act)](QDialog& d) {
        d.setResult(QDialog::Rejected);
        d.show();
        act();
        if (d.isVisible()) d.reject();
        return d.result();
    };
}
