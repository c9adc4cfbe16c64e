#pragma once
// Reading numbers typed into a row of fields, with the user's decimal separator.
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

// Reads each field into its number: the index of the first field that holds
// no number, or -1 when all do.
template <std::size_t N> int ReadFieldsInto(QLineEdit* const (&edits)[N], double* const (&out)[N]) {
    for (std::size_t i = 0; i < N; ++i) {
        const auto v = ParseField(edits[i]->text().toStdString());
        if (!v) return static_cast<int>(i);
        *out[i] = *v;
    }
    return -1;
}

} // namespace zv
