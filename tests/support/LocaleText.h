#pragma once
// Expected texts with the decimal separator the program shows under the
// locale in force ("," under ro_RO): every "." between two digits becomes it.
#include <cctype>
#include <clocale>
#include <string>

inline std::string WithSystemSeparator(std::string s) {
    const std::lconv* lc = std::localeconv();
    const char sep = lc && lc->decimal_point && *lc->decimal_point ? *lc->decimal_point : '.';
    for (std::size_t i = 1; i + 1 < s.size(); ++i)
        if (s[i] == '.' && std::isdigit(static_cast<unsigned char>(s[i - 1])) &&
            std::isdigit(static_cast<unsigned char>(s[i + 1])))
            s[i] = sep;
    return s;
}
