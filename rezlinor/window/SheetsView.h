#pragma once
// Every sheet of the layout, one under the other, each with its heading,
// drawn to the width of the view.
#include "core/Layout.h"

#include <QWidget>

namespace rz {

class SheetsView : public QWidget {
public:
    explicit SheetsView(QWidget* parent = nullptr);
    void SetLayout(const Layout* l, const std::vector<Piece>* pieces, const SheetSettings& s);
    QSize sizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int w) const override;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int HeadingHeight() const;
    int SheetHeight(int w) const;
    const Layout* layout_ = nullptr;
    const std::vector<Piece>* pieces_ = nullptr;
    SheetSettings s_;
};

} // namespace rz
