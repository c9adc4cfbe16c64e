#pragma once
#include "TAdaugaPalPfl.h"

namespace zv {

// The inputs of one hardware item: an enabled Edit1 means a new entry.
class TAdaugaFeronerie : public CatalogueEntryDialog {
    Q_OBJECT
public:
    explicit TAdaugaFeronerie(QWidget* parent = nullptr);
};

} // namespace zv
