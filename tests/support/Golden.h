#pragma once
// Comparing a drawn picture with a stored one. Pixels may differ by a small
// amount per channel, and a few may differ more (antialiased edges, rounding
// in another build); beyond that the test fails and leaves the actual picture
// and a mask of the differing pixels in the working folder (the test's
// output), as <name>.actual.png and <name>.diff.png. With ZARVELO_UPDATE_GOLDEN=1 set, a
// missing or differing golden picture is written instead.
#include <QColor>
#include <QImage>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>

struct GoldenTolerance {
    int channel = 8;            // largest difference of one channel that still counts as equal
    double differing = 0.002;   // share of pixels allowed to differ more
};

inline ::testing::AssertionResult MatchesGolden(const QImage& actualIn, const std::string& goldenPath,
                                                GoldenTolerance tol = {}) {
    const QImage actual = actualIn.convertToFormat(QImage::Format_RGB32);
    const bool update = std::getenv("ZARVELO_UPDATE_GOLDEN") != nullptr;
    QImage golden(QString::fromStdString(goldenPath));
    if (golden.isNull()) {
        if (update && actual.save(QString::fromStdString(goldenPath))) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "no golden picture " << goldenPath;
    }
    golden = golden.convertToFormat(QImage::Format_RGB32);
    if (golden.size() != actual.size()) {
        if (update && actual.save(QString::fromStdString(goldenPath))) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "size " << actual.width() << "x" << actual.height() << ", golden "
                                             << golden.width() << "x" << golden.height();
    }
    QImage mask(actual.size(), QImage::Format_RGB32);
    mask.fill(Qt::white);
    long long bad = 0;
    for (int y = 0; y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) {
            const QRgb a = actual.pixel(x, y), g = golden.pixel(x, y);
            const int d = std::max({std::abs(qRed(a) - qRed(g)), std::abs(qGreen(a) - qGreen(g)),
                                    std::abs(qBlue(a) - qBlue(g))});
            if (d > tol.channel) {
                ++bad;
                mask.setPixel(x, y, qRgb(255, 0, 0));
            }
        }
    }
    const double share = static_cast<double>(bad) / (static_cast<double>(actual.width()) * actual.height());
    if (share <= tol.differing) return ::testing::AssertionSuccess();
    if (update && actual.save(QString::fromStdString(goldenPath))) return ::testing::AssertionSuccess();
    const std::string out = std::filesystem::path(goldenPath).filename().string();
    actual.save(QString::fromStdString(out + ".actual.png"));
    mask.save(QString::fromStdString(out + ".diff.png"));
    return ::testing::AssertionFailure() << bad << " pixels differ from " << goldenPath << " (see .actual.png, .diff.png)";
}
