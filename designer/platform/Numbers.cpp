#include "Numbers.h"

#include <cerrno>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace zv {

namespace {
int ClampToInt(double v) {
    if (std::isnan(v)) return 0;
    if (v >= 2147483647.0) return std::numeric_limits<int>::max();
    if (v <= -2147483648.0) return std::numeric_limits<int>::min();
    return static_cast<int>(v);
}
} // namespace

int RoundEven(double v) {
    if (!std::isfinite(v)) return ClampToInt(v);
    // nearbyint honours the rounding mode, which is round-to-nearest-even by default.
    return ClampToInt(std::nearbyint(v));
}

int TruncZero(double v) { return ClampToInt(std::trunc(v)); }

namespace {
char g_sepOverride = 0;
}

void OverrideDecimalSeparator(char sep) { g_sepOverride = sep; }

char SystemDecimalSeparator() {
    if (g_sepOverride) return g_sepOverride;
    const lconv* lc = std::localeconv();
    if (lc && lc->decimal_point && lc->decimal_point[0]) return lc->decimal_point[0];
    return '.';
}

std::string FormatGeneral(double v) {
    if (std::isnan(v)) return "NAN";
    if (std::isinf(v)) return v > 0 ? "INF" : "-INF";
    if (v == 0.0) return "0";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15G", v);
    std::string s;
    // Whatever the C library used, show the separator in force; the exponent
    // without "+" and leading zeros ("1E20", "1E-7").
    const char sep = SystemDecimalSeparator();
    for (const char* p = buf; *p; ++p) {
        if (*p == '.' || *p == ',')
            s += sep;
        else
            s += *p;
    }
    const auto e = s.find('E');
    if (e != std::string::npos) {
        std::string mant = s.substr(0, e), exp = s.substr(e + 1);
        std::string sign;
        if (!exp.empty() && (exp[0] == '+' || exp[0] == '-')) {
            if (exp[0] == '-') sign = "-";
            exp.erase(0, 1);
        }
        while (exp.size() > 1 && exp[0] == '0') exp.erase(0, 1);
        s = mant + "E" + sign + exp;
    }
    return s;
}

std::string FormatFixedDot(double v, int decimals) {
    if (!std::isfinite(v)) v = 0.0;
    if (decimals < 0) decimals = 0;
    if (decimals > 15) decimals = 15;
    char buf[512];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
    std::string s = buf;
    for (char& c : s)
        if (c == ',') c = '.'; // whatever the C library's locale, "." here
    return s;
}

namespace {
// Accepts [sign] digits [sep digits] [(e|E) [sign] digits]; at least one digit
// in the mantissa. No blanks, no hex, no "inf"/"nan".
std::optional<double> ParseWithSeparator(const std::string& s, char sep) {
    if (s.empty()) return std::nullopt;
    std::size_t i = 0;
    std::string canon;
    if (s[i] == '+' || s[i] == '-') canon += s[i++];
    bool digits = false;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
        canon += s[i++];
        digits = true;
    }
    if (i < s.size() && s[i] == sep) {
        canon += '.';
        ++i;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
            canon += s[i++];
            digits = true;
        }
    }
    if (!digits) return std::nullopt;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        canon += 'e';
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) canon += s[i++];
        bool ed = false;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
            canon += s[i++];
            ed = true;
        }
        if (!ed) return std::nullopt;
    }
    if (i != s.size()) return std::nullopt;
    double out = 0;
    auto [p, ec] = std::from_chars(canon.data() + (canon[0] == '+' ? 1 : 0), canon.data() + canon.size(), out);
    if (ec != std::errc() || p != canon.data() + canon.size()) return std::nullopt;
    if (!std::isfinite(out)) return std::nullopt;
    return out;
}
} // namespace

std::optional<double> ParseRealDot(const std::string& s) { return ParseWithSeparator(s, '.'); }

std::optional<double> ParseRealSystem(const std::string& s) { return ParseWithSeparator(s, SystemDecimalSeparator()); }

std::string FormatField(double v) { return FormatGeneral(v); }

std::optional<double> ParseField(const std::string& text) {
    const std::size_t b = text.find_first_not_of(" \t");
    if (b == std::string::npos) return std::nullopt;
    const std::string s = text.substr(b, text.find_last_not_of(" \t") - b + 1);
    if (auto v = ParseWithSeparator(s, '.')) return v;
    const char sep = SystemDecimalSeparator();
    if (sep != '.') return ParseWithSeparator(s, sep);
    return std::nullopt;
}

std::optional<int> ParseInt(const std::string& s) {
    if (s.empty()) return std::nullopt;
    const char* b = s.data();
    const char* e = s.data() + s.size();
    if (*b == '+') ++b;
    if (b == e) return std::nullopt;
    int out = 0;
    auto [p, ec] = std::from_chars(b, e, out);
    if (ec != std::errc() || p != e) return std::nullopt;
    return out;
}

std::string RemoveBlanks(const std::string& s) {
    std::string out;
    out.reserve(s.size());
    for (char c : s)
        if (c != ' ' && c != '\t') out += c;
    return out;
}

} // namespace zv
