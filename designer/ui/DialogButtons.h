#pragma once
// The OK and Cancel buttons of a small dialog: one row, right-aligned, under
// its fields; OK is the default button.
#include <QBoxLayout>
#include <QDialog>
#include <QPushButton>

namespace zv {

inline void AddOkCancelRow(QDialog* d, QBoxLayout* into, QPushButton*& ok, const char* okName, const QString& okText,
                           QPushButton*& cancel, const QString& cancelText) {
    auto* row = new QHBoxLayout;
    ok = new QPushButton(okText, d);
    ok->setObjectName(okName);
    ok->setDefault(true);
    cancel = new QPushButton(cancelText, d);
    cancel->setObjectName("CancelButton");
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    into->addLayout(row);
    QObject::connect(ok, &QPushButton::clicked, d, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, d, &QDialog::reject);
}

} // namespace zv
