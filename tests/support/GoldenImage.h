#pragma once
// Pictures compared with stored ones (tests/golden/<name>.png) within a
// tolerance. On a difference the actual picture and a mask of the differing
// pixels are written into the test output folder of the build tree
// (<test program folder>/test-output/golden/); with ZV_UPDATE_GOLDEN=1 in the
// environment the stored pictures are written anew instead.
//
// Header only: each test program is built from one source file and the
// common main.
#include <QColor>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QRect>
#include <QString>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#ifndef ZV_DATA_DIR
#error "ZV_DATA_DIR names the sample folder; the golden pictures live beside it under tests/golden"
#endif

namespace zv::test {

struct GoldenTolerance {
    int channel = 8; // largest difference of one colour channel that still counts as equal
    int pixels = 0;  // how many pixels may differ by more
    // Left out of the comparison, for example text, whose fonts differ between machines.
    std::vector<QRect> ignore;
};

inline QString GoldenFolder() { return QDir::cleanPath(QStringLiteral(ZV_DATA_DIR "/../tests/golden")); }

inline QString GoldenOutputFolder() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/test-output/golden");
}

inline bool UpdatingGolden() {
    const char* v = std::getenv("ZV_UPDATE_GOLDEN");
    return v && std::string(v) == "1";
}

// White where the pictures agree, black where they differ, grey where not compared.
inline QImage GoldenDifferenceMask(const QImage& actual, const QImage& expected, const GoldenTolerance& t,
                                   int* differing = nullptr) {
    const QImage a = actual.convertToFormat(QImage::Format_RGB32);
    const QImage e = expected.convertToFormat(QImage::Format_RGB32);
    QImage mask(a.size(), QImage::Format_RGB32);
    mask.fill(Qt::white);
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* pa = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* pe = reinterpret_cast<const QRgb*>(e.constScanLine(y));
        auto* pm = reinterpret_cast<QRgb*>(mask.scanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            bool ignored = false;
            for (const QRect& r : t.ignore) ignored = ignored || r.contains(x, y);
            if (ignored) {
                pm[x] = qRgb(192, 192, 192);
                continue;
            }
            const int d = std::max({std::abs(qRed(pa[x]) - qRed(pe[x])), std::abs(qGreen(pa[x]) - qGreen(pe[x])),
                                    std::abs(qBlue(pa[x]) - qBlue(pe[x]))});
            if (d > t.channel) {
                pm[x] = qRgb(0, 0, 0);
                ++count;
            }
        }
    }
    if (differing) *differing = count;
    return mask;
}

// Use as EXPECT_TRUE(MatchesGolden(picture, "soft_view_front")).
inline ::testing::AssertionResult MatchesGolden(const QImage& actual, const std::string& name,
                                                const GoldenTolerance& t = {}) {
    const QString stored = GoldenFolder() + "/" + QString::fromStdString(name) + ".png";
    if (UpdatingGolden()) {
        QDir().mkpath(GoldenFolder());
        if (!actual.convertToFormat(QImage::Format_RGB32).save(stored, "PNG"))
            return ::testing::AssertionFailure() << "cannot write " << stored.toStdString();
        return ::testing::AssertionSuccess() << "stored " << stored.toStdString();
    }
    const QString out = GoldenOutputFolder() + "/" + QString::fromStdString(name);
    QDir().mkpath(GoldenOutputFolder());
    // What an earlier failing run left would hide whether this one passed.
    QFile::remove(out + ".actual.png");
    QFile::remove(out + ".diff.png");
    const QImage expected(stored);
    auto fail = [&](const std::string& why) {
        actual.save(out + ".actual.png", "PNG");
        return ::testing::AssertionFailure()
               << name << ": " << why << "; the actual picture is " << (out + ".actual.png").toStdString()
               << " (ZV_UPDATE_GOLDEN=1 stores the pictures anew)";
    };
    if (expected.isNull()) return fail("no stored picture " + stored.toStdString());
    if (expected.size() != actual.size())
        return fail("size " + std::to_string(actual.width()) + "x" + std::to_string(actual.height()) + ", stored " +
                    std::to_string(expected.width()) + "x" + std::to_string(expected.height()));
    int differing = 0;
    const QImage mask = GoldenDifferenceMask(actual, expected, t, &differing);
    if (differing <= t.pixels) return ::testing::AssertionSuccess();
    mask.save(out + ".diff.png", "PNG");
    return fail(std::to_string(differing) + " pixels differ by more than " + std::to_string(t.channel) + " (at most " +
                std::to_string(t.pixels) + " may); the mask is " + (out + ".diff.png").toStdString());
}

} // namespace zv::test
