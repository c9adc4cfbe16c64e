// Reading "FoaiePal.app" as the designer writes it, and refusing what is not.
#include "Samples.h"
#include "core/PieceFile.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <cmath>
#include <fstream>
#include <random>

using namespace rz;
using namespace rz::test;

TEST(PieceFile, ReadsTheDesignersFileWithEitherLineEnd) {
    for (const std::string eol : {"\r\n", "\n"}) {
        const PieceFileResult r = ParsePieceFile(Lines(ShelfAndSide(), eol));
        ASSERT_TRUE(r.ok()) << r.error;
        ASSERT_EQ(r.pieces.size(), 2u);
        EXPECT_EQ(r.pieces[0].name, "Polita 1");
        EXPECT_DOUBLE_EQ(r.pieces[0].length, 300.0);
        EXPECT_DOUBLE_EQ(r.pieces[0].width, 596.0);
        EXPECT_EQ(r.pieces[0].modelFile, "");
        EXPECT_EQ(r.pieces[1].name, "Lateral stanga");
        EXPECT_DOUBLE_EQ(r.pieces[1].length, 720.0);
        EXPECT_DOUBLE_EQ(r.pieces[1].width, 300.0);
        EXPECT_EQ(r.pieces[1].modelFile, "Model1.bmp");
        EXPECT_EQ(r.pieces[1].modelRotation, 1);
        EXPECT_EQ(r.pieces[1].modelMirror, 1);
    }
}

TEST(PieceFile, LastLineWithoutItsEndAndBlankLinesAfterAreRead) {
    std::string text = Lines(ShelfAndSide());
    text.resize(text.size() - 2); // no CR LF after the last "0"
    EXPECT_TRUE(ParsePieceFile(text).ok());
    EXPECT_TRUE(ParsePieceFile(Lines(ShelfAndSide()) + "\r\n\r\n").ok());
}

TEST(PieceFile, NamesKeepTheirBytesAndSizesTakeEitherSeparator) {
    auto l = Header(1);
    for (const auto& x : PieceLines("Usa \xC8\x99i sertar, 2", " 596,5 ", "1e2")) l.push_back(x);
    const PieceFileResult r = ParsePieceFile(Lines(l));
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_EQ(r.pieces[0].name, "Usa \xC8\x99i sertar, 2");
    EXPECT_DOUBLE_EQ(r.pieces[0].length, 596.5);
    EXPECT_DOUBLE_EQ(r.pieces[0].width, 100.0);
}

// Each bad file gives a message naming its line, and no piece at all.
TEST(PieceFile, BadFilesGiveTheMessageWithTheLine) {
    struct Case {
        const char* what;
        int line; // which line (1-based) to replace, 0: none
        std::string with;
        int keep; // lines kept from the start, -1: all
        std::string expected;
    };
    const Case cases[] = {
        {"cut short in the last piece", 0, "", 20, "Fisier incomplet: lipseste linia 21 (linia 7 a piesei 2)."},
        {"cut short in the header", 0, "", 3, "Fisier incomplet: lipseste linia 4 (numarul de piese)."},
        {"empty file", 0, "", 0, "Fisier incomplet: lipseste linia 1 (antet)."},
        {"size not a number", 8, "abc", -1, "Fisier invalid, linia 8: se astepta un numar pentru lungimea piesei 1."},
        {"size with a unit", 9, "596mm", -1, "Fisier invalid, linia 9: se astepta un numar pentru latimea piesei 1."},
        {"size below zero", 17, "-300.00", -1, "Fisier invalid, linia 17: latimea piesei 2 nu poate fi negativa."},
        {"NaN", 8, "nan", -1, "Fisier invalid, linia 8: se astepta un numar pentru lungimea piesei 1."},
        {"infinity", 9, "inf", -1, "Fisier invalid, linia 9: se astepta un numar pentru latimea piesei 1."},
        {"overflowing size", 9, "1e999", -1, "Fisier invalid, linia 9: se astepta un numar pentru latimea piesei 1."},
        {"empty size", 8, "", -1, "Fisier invalid, linia 8: se astepta un numar pentru lungimea piesei 1."},
        {"count not a number", 4, "doua", -1,
         "Fisier invalid, linia 4: numarul de piese trebuie sa fie un numar intreg, 0 sau mai mare."},
        {"count below zero", 4, "-1", -1,
         "Fisier invalid, linia 4: numarul de piese trebuie sa fie un numar intreg, 0 sau mai mare."},
        {"count larger than the file", 4, "3", -1, "Fisier incomplet: lipseste linia 23 (numele piesei 3)."},
        {"huge count", 4, "999999999999", -1, "Fisier incomplet: lipseste linia 23 (numele piesei 3)."},
        {"count smaller than the file", 4, "1", -1,
         "Fisier invalid, linia 15: textul de dupa ultima piesa nu se potriveste cu numarul de piese (1)."},
        {"rotation not a number", 11, "x", -1,
         "Fisier invalid, linia 11: se astepta un numar intreg pentru rotirea modelului piesei 1."},
        {"header constant not a number", 3, "alb", -1, "Fisier invalid, linia 3: se astepta un numar intreg."},
        {"no pieces", 4, "0", 6, "Fisierul nu contine nicio piesa."},
    };
    for (const Case& c : cases) {
        auto lines = ShelfAndSide();
        if (c.line > 0) lines[static_cast<std::size_t>(c.line - 1)] = c.with;
        if (c.keep >= 0) lines.resize(static_cast<std::size_t>(c.keep));
        const PieceFileResult r = ParsePieceFile(Lines(lines));
        EXPECT_EQ(r.error, c.expected) << c.what;
        EXPECT_TRUE(r.pieces.empty()) << c.what;
    }
}

TEST(PieceFile, ReadsFromDiskAndNamesAMissingFile) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("FoaiePal.app").toStdString();
    {
        std::ofstream o(path, std::ios::binary);
        o << Lines(ShelfAndSide());
    }
    EXPECT_EQ(ReadPieceFile(path).pieces.size(), 2u);
    const std::string missing = dir.filePath("Lipsa.app").toStdString();
    EXPECT_EQ(ReadPieceFile(missing).error, "Nu pot deschide fisierul " + missing + ".");
}

// Damaged copies of a good file: each is read whole or refused with a line,
// never half.
TEST(PieceFile, DamagedFilesAreReadWholeOrRefused) {
    const std::string good = Lines(ShelfAndSide());
    std::mt19937 rng(7);
    const std::string alphabet = "0123456789.,-+eE \r\nnaif\t";
    for (int i = 0; i < 3000; ++i) {
        std::string t = good;
        const int edits = 1 + static_cast<int>(rng() % 4);
        for (int e = 0; e < edits && !t.empty(); ++e) {
            const std::size_t at = rng() % t.size();
            switch (rng() % 3) {
            case 0: t[at] = alphabet[rng() % alphabet.size()]; break;
            case 1: t.erase(at, 1 + rng() % 6); break;
            default: t.resize(at); break;
            }
        }
        const PieceFileResult r = ParsePieceFile(t);
        if (r.ok()) {
            ASSERT_FALSE(r.pieces.empty());
            for (const Piece& p : r.pieces)
                ASSERT_TRUE(p.length >= 0 && p.width >= 0 && std::isfinite(p.length + p.width));
        } else {
            ASSERT_TRUE(r.pieces.empty());
            ASSERT_TRUE(r.error.find("linia") != std::string::npos || r.error == "Fisierul nu contine nicio piesa.")
                << r.error;
        }
    }
}
