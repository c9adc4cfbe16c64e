#pragma once
// The furniture and the undo level of the main window as they are at one
// moment, to show that a refused edit changed neither: the model compared
// whole, the undo copy and whether "&Anulare" can use it.
#include "model/UndoSnapshot.h"
#include "support/ModelValues.h"
#include "ui/TMain.h"

#include <gtest/gtest.h>

#include <memory>

namespace zv::test {

class EditState {
public:
    explicit EditState(const TMain& m)
        : model_(std::make_unique<Furniture>(m.model)), undo_(std::make_unique<UndoSnapshot>(m.undo)),
          undoPossible_(m.UndoPossible()) {}

    void ExpectSame(const TMain& m) const {
        EXPECT_TRUE(m.model == *model_) << Differences(m.model, *model_);
        EXPECT_TRUE(m.undo == *undo_) << "the undo copy changed";
        EXPECT_EQ(m.UndoPossible(), undoPossible_);
    }

private:
    std::unique_ptr<Furniture> model_;
    std::unique_ptr<UndoSnapshot> undo_;
    bool undoPossible_;
};

} // namespace zv::test
