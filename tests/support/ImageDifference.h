#pragma once

#include <QImage>
#include <algorithm>
#include <cstdlib>

// How far a picture is from its reference: pixels whose red, green, blue or
// alpha differ by more than the tolerance are counted.
struct ImageDifference {
    bool sameSize = false;
    long differing = 0;
    long total = 0;

    static ImageDifference Of(const QImage& actual, const QImage& expected, int channelTolerance) {
        ImageDifference result;
        result.sameSize = actual.size() == expected.size();
        if (!result.sameSize) {
            return result;
        }
        const QImage a = actual.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        const QImage b = expected.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < a.height(); ++y) {
            const auto* rowA = reinterpret_cast<const QRgb*>(a.constScanLine(y));
            const auto* rowB = reinterpret_cast<const QRgb*>(b.constScanLine(y));
            for (int x = 0; x < a.width(); ++x) {
                const int delta = std::max({std::abs(qRed(rowA[x]) - qRed(rowB[x])),
                                            std::abs(qGreen(rowA[x]) - qGreen(rowB[x])),
                                            std::abs(qBlue(rowA[x]) - qBlue(rowB[x])),
                                            std::abs(qAlpha(rowA[x]) - qAlpha(rowB[x]))});
                result.differing += delta > channelTolerance ? 1 : 0;
            }
        }
        result.total = static_cast<long>(a.width()) * a.height();
        return result;
    }
};
