#pragma once
#include "platform/widgets/FormBase.h"

#include <QDialog>

class QComboBox;
class QLineEdit;

namespace zv {

class TPiesaNoua : public FormBase<QDialog> {
    Q_OBJECT
public:
    explicit TPiesaNoua(QWidget* parent = nullptr);
    QComboBox* ComboBox1; // edge banding
    QComboBox* ComboBox2; // piece kind
    QLineEdit *Edit1, *Edit2, *Edit3; // X, Y, Z
    QLineEdit *Edit4, *Edit5, *Edit6; // length, width, thickness
    QLineEdit* Edit7;                 // name

    // Presets the dialog for a first shelf (after opening, a new furniture, start-up).
    void PresetShelf(const std::string& name, double x, double y, double z, double length, double width,
                     double thickness);
};

} // namespace zv
