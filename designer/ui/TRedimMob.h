#pragma once
#include "model/WholeEdit.h"
#include "platform/widgets/FormBase.h"

#include <QDialog>
#include <optional>

class QLineEdit;
class QPushButton;

namespace zv {

// New overall sizes of the furniture, beside the old ones.
class TRedimMob : public FormBase<QDialog> {
    Q_OBJECT
public:
    explicit TRedimMob(QWidget* parent = nullptr);

    QLineEdit *Edit1, *Edit2, *Edit3; // old width, height, depth (read-only)
    QLineEdit *Edit4, *Edit5, *Edit6; // new width, height, depth
    QPushButton *OkButton, *CancelButton;

    // Both rows show these sizes.
    void ShowSizes(double w, double h, double d);
    // The new sizes in field order; nothing when one is not a number.
    std::optional<ResizeParams> ReadParams() const;
    void FormShow() override;
};

} // namespace zv
