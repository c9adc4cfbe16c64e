#pragma once
// Base of every window: created once at start-up and kept for the whole run.
// FormShow, FormActivate and FormHide run once per real showing, activation
// and hiding, not on every show event the toolkit sends.
#include <QEvent>
#include <QHideEvent>
#include <QShowEvent>

namespace zv {

template <class Base> class FormBase : public Base {
public:
    using Base::Base;

    virtual void FormShow() {}
    virtual void FormActivate() {}
    virtual void FormHide() {}

protected:
    void showEvent(QShowEvent* e) override {
        Base::showEvent(e);
        if (e->spontaneous() || shown_) return;
        shown_ = true;
        FormShow();
    }
    void hideEvent(QHideEvent* e) override {
        Base::hideEvent(e);
        if (e->spontaneous() || !shown_) return;
        shown_ = false;
        FormHide();
    }
    void changeEvent(QEvent* e) override {
        Base::changeEvent(e);
        if (e->type() == QEvent::ActivationChange && this->isActiveWindow() && this->isVisible()) {
            if (!active_) {
                active_ = true;
                FormActivate();
            }
        } else if (e->type() == QEvent::ActivationChange) {
            active_ = false;
        }
    }

private:
    bool shown_ = false;
    bool active_ = false;
};

} // namespace zv
