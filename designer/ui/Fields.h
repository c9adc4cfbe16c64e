#pragma once
// Reading numbers typed into a row of fields, with the user's decimal separator.
#include "model/BoxLimits.h"
#include "platform/Dialogs.h"
#include "platform/Numbers.h"

#include <QLineEdit>
#include <array>
#include <optional>

namespace zv {

// The three fields' numbers, or nothing when one of them holds no number.
inline std::optional<std::array<double, 3>> ReadThreeFields(const QLineEdit* a, const QLineEdit* b,
                                                            const QLineEdit* c) {
    std::array<double, 3> v{};
    const QLineEdit* const edits[3] = {a, b, c};
    for (int i = 0; i < 3; ++i) {
        const auto x = ParseField(edits[i]->text().toStdString());
        if (!x) return std::nullopt;
        v[static_cast<std::size_t>(i)] = *x;
    }
    return v;
}

// Reads each field into its number, then `check()` (a FieldRefusal) judges
// them. At the first field that holds no number, or the one `check` refuses,
// its message is shown and it takes the focus; what was typed stays. True
// when every field was read and accepted.
template <std::size_t N, class Check>
bool ReadCheckedFields(QLineEdit* const (&edits)[N], double* const (&out)[N], const char* const (&labels)[N],
                       Check check) {
    FieldRefusal r;
    for (std::size_t i = 0; i < N && r.message.empty(); ++i) {
        const auto v = ParseField(edits[i]->text().toStdString());
        if (v)
            *out[i] = *v;
        else
            r = {static_cast<int>(i), FieldRefusalMessage(labels[i], kNotANumber)};
    }
    if (r.message.empty()) r = check();
    if (r.message.empty()) return true;
    ShowError(r.message);
    if (r.field >= 0 && r.field < static_cast<int>(N)) edits[r.field]->setFocus();
    return false;
}

} // namespace zv
