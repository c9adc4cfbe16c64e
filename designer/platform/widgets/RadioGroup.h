#pragma once
// A titled group of radio buttons with an item index, as the forms use them.
#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>
#include <QStringList>
#include <QVBoxLayout>
#include <functional>

namespace zv {

class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString& title, const QStringList& items, QWidget* parent = nullptr);

    int ItemIndex() const { return group_.checkedId(); }
    // Sets the index without running onClick, as assigning it in code does.
    void SetItemIndex(int i);
    int Count() const { return static_cast<int>(buttons_.size()); }
    QRadioButton* Button(int i) const { return buttons_.at(i); }
    QString ItemText(int i) const { return buttons_.at(i)->text(); }
    // Runs when the user picks an item.
    std::function<void()> onClick;

private:
    QButtonGroup group_;
    QList<QRadioButton*> buttons_;
};

} // namespace zv
