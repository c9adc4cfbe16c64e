#pragma once
// The open furniture and its undo level as they were before a command, to
// check that a refused command changed neither: the furniture compared whole,
// the undo copy and whether "&Anulare" is offered.
#include "model/UndoSnapshot.h"
#include "ui/TMain.h"

#include <gtest/gtest.h>
#include <memory>

struct Unchanged {
    explicit Unchanged(const zv::TMain& m)
        : model(std::make_unique<zv::Furniture>(m.model)), undo(std::make_unique<zv::UndoSnapshot>(m.undo)),
          undoPossible(m.UndoPossible()) {}

    ::testing::AssertionResult Same(const zv::TMain& m) const {
        if (!(m.model == *model)) return ::testing::AssertionFailure() << "the furniture changed";
        const zv::UndoSnapshot& u = m.undo;
        if (!(u.scene == undo->scene && u.pieceNames == undo->pieceNames && u.attrs == undo->attrs &&
              u.name == undo->name && u.modified == undo->modified && u.saveCount == undo->saveCount))
            return ::testing::AssertionFailure() << "an undo snapshot was taken";
        if (m.UndoPossible() != undoPossible) return ::testing::AssertionFailure() << "the undo button changed";
        return ::testing::AssertionSuccess();
    }

    std::unique_ptr<zv::Furniture> model;
    std::unique_ptr<zv::UndoSnapshot> undo;
    bool undoPossible;
};
