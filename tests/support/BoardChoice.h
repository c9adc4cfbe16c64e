#pragma once
// A board of a test "pal-pfl.dat", and the board chooser answered with one of
// its rows, for tests that choose boards through the catalogue window.
#include "platform/widgets/Modal.h"
#include "ui/CatalogueGrid.h"
#include "ui/Forms.h"
#include "ui/TPalPfl.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

inline std::string CatalogueBoard(const std::string& code, const std::string& picture, const std::string& color) {
    return code + "\r\nPal " + code + "\r\n30.00\r\n" + picture + "\r\n" + color + "\r\n18\r\n1.5\r\n";
}

inline void ChooseBoardRow(zv::ScopedModalScript& modal, int row) {
    modal.answers.push_back([row](QDialog&) {
        zv::TPalPfl* w = zv::Forms().PalPfl;
        w->LoadCatalogue();
        w->StringGrid1->SelectRow(row);
        return int(QDialog::Accepted);
    });
}

// The board chooser answered with the row of `code`; its caption is kept in `captions`.
inline std::function<int(QDialog&)> ChooseBoardCode(const std::string& code, std::vector<std::string>& captions) {
    return [code, &captions](QDialog& d) {
        auto& w = static_cast<zv::TPalPfl&>(d);
        captions.push_back(w.windowTitle().toStdString());
        w.show();
        const auto codes = w.StringGrid1->Column(1);
        const auto it = std::find(codes.begin(), codes.end(), code);
        EXPECT_NE(it, codes.end()) << code;
        w.StringGrid1->SelectRow(static_cast<int>(it - codes.begin()) + 1);
        w.hide();
        return int(QDialog::Accepted);
    };
}
