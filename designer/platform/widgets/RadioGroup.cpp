#include "RadioGroup.h"

namespace zv {

RadioGroup::RadioGroup(const QString& title, const QStringList& items, QWidget* parent) : QGroupBox(title, parent) {
    auto* lay = new QVBoxLayout(this);
    lay->setContentsMargins(4, 2, 4, 2);
    lay->setSpacing(0);
    for (int i = 0; i < items.size(); ++i) {
        auto* b = new QRadioButton(items[i], this);
        b->setObjectName(QString("%1_%2").arg(items[i]).arg(i));
        group_.addButton(b, i);
        buttons_ << b;
        lay->addWidget(b);
    }
    connect(&group_, &QButtonGroup::idClicked, this, [this](int) {
        if (onClick) onClick();
    });
}

void RadioGroup::SetItemIndex(int i) {
    if (i < 0 || i >= buttons_.size()) {
        group_.setExclusive(false);
        for (auto* b : buttons_) b->setChecked(false);
        group_.setExclusive(true);
        return;
    }
    buttons_[i]->setChecked(true);
}

} // namespace zv
