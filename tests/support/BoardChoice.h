#pragma once
// A board of a test "pal-pfl.dat", and the board chooser answered with one of
// its rows, for tests that choose boards through the catalogue window.
#include "platform/widgets/Modal.h"
#include "ui/CatalogueGrid.h"
#include "ui/Forms.h"
#include "ui/TPalPfl.h"

#include <string>

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
