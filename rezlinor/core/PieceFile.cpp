#include "PieceFile.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <iterator>

namespace rz {

namespace {

std::string Trimmed(const std::string& s) {
    std::size_t a = 0, b = s.size();
    while (a < b && (s[a] == ' ' || s[a] == '\t')) ++a;
    while (b > a && (s[b - 1] == ' ' || s[b - 1] == '\t')) --b;
    return s.substr(a, b - a);
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::string cur;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\n') {
            lines.push_back(cur);
            cur.clear();
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            // CR LF: the LF ends the line
        } else {
            cur += c;
        }
    }
    if (!cur.empty()) lines.push_back(cur); // a last line without its end
    return lines;
}

bool ParseInteger(const std::string& text, long long& value) {
    const std::string t = Trimmed(text);
    if (t.empty()) return false;
    const char* b = t.data();
    const char* e = b + t.size();
    if (*b == '+') ++b;
    const auto r = std::from_chars(b, e, value);
    return r.ec == std::errc() && r.ptr == e;
}

std::string Line(std::size_t n) { return std::to_string(n); }

} // namespace

bool ParseNumber(const std::string& text, double& value) {
    std::string t = Trimmed(text);
    if (t.empty()) return false;
    for (char& c : t)
        if (c == ',') c = '.';
    // Only digits, one separator, a sign and an exponent: from_chars alone
    // would also take "nan" and "inf".
    for (char c : t)
        if (!((c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E')) return false;
    const char* b = t.data();
    const char* e = b + t.size();
    if (*b == '+') ++b;
    double v = 0;
    const auto r = std::from_chars(b, e, v, std::chars_format::general);
    if (r.ec != std::errc() || r.ptr != e || !std::isfinite(v)) return false;
    value = v;
    return true;
}

PieceFileResult ParsePieceFile(const std::string& text) {
    PieceFileResult out;
    const std::vector<std::string> lines = SplitLines(text);
    auto fail = [&](std::size_t line, const std::string& what) {
        out.pieces.clear();
        out.error = "Fisier invalid, linia " + Line(line) + ": " + what;
        return out;
    };
    auto shortFile = [&](std::size_t line, const std::string& what) {
        out.pieces.clear();
        out.error = "Fisier incomplet: lipseste linia " + Line(line) + " (" + what + ").";
        return out;
    };
    const char* header[] = {"antet", "antet", "culoarea materialului", "numarul de piese", "antet", "antet"};
    for (std::size_t i = 0; i < 6; ++i)
        if (i >= lines.size()) return shortFile(i + 1, header[i]);
    for (std::size_t i : {2u, 4u, 5u}) {
        long long v = 0;
        if (!ParseInteger(lines[i], v)) return fail(i + 1, "se astepta un numar intreg.");
    }
    long long n = 0;
    if (!ParseInteger(lines[3], n) || n < 0)
        return fail(4, "numarul de piese trebuie sa fie un numar intreg, 0 sau mai mare.");
    if (n == 0) {
        out.error = "Fisierul nu contine nicio piesa.";
        return out;
    }
    // Every piece needs its 8 lines: a count beyond what the file holds is
    // reported at the first missing line, without reserving room for it.
    const char* fields[] = {"numele piesei",
                            "lungimea piesei",
                            "latimea piesei",
                            "modelul de contur al piesei",
                            "rotirea modelului piesei",
                            "oglindirea modelului piesei",
                            "linia 7 a piesei",
                            "linia 8 a piesei"};
    for (long long p = 0; p < n; ++p) {
        const std::size_t first = 6 + static_cast<std::size_t>(p) * 8;
        Piece piece;
        for (std::size_t k = 0; k < 8; ++k) {
            const std::size_t at = first + k;
            const std::string what = std::string(fields[k]) + " " + std::to_string(p + 1);
            if (at >= lines.size()) return shortFile(at + 1, what);
            const std::string& s = lines[at];
            switch (k) {
            case 0: piece.name = s; break;
            case 1:
            case 2: {
                double v = 0;
                if (!ParseNumber(s, v)) return fail(at + 1, "se astepta un numar pentru " + what + ".");
                // 0 is what the designer writes for a size under 0.005 mm: the
                // piece is listed apart and the others laid out.
                if (v < 0) return fail(at + 1, what + " nu poate fi negativa.");
                (k == 1 ? piece.length : piece.width) = v;
                break;
            }
            case 3: piece.modelFile = s; break;
            default: {
                long long v = 0;
                if (!ParseInteger(s, v)) return fail(at + 1, "se astepta un numar intreg pentru " + what + ".");
                if (k == 4) piece.modelRotation = static_cast<int>(v & 3);
                if (k == 5) piece.modelMirror = v != 0;
                break;
            }
            }
        }
        out.pieces.push_back(std::move(piece));
    }
    for (std::size_t i = 6 + static_cast<std::size_t>(n) * 8; i < lines.size(); ++i)
        if (!Trimmed(lines[i]).empty())
            return fail(i + 1, "textul de dupa ultima piesa nu se potriveste cu numarul de piese (" +
                                   std::to_string(n) + ").");
    return out;
}

PieceFileResult ReadPieceFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        PieceFileResult r;
        r.error = "Nu pot deschide fisierul " + path + ".";
        return r;
    }
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return ParsePieceFile(text);
}

} // namespace rz
