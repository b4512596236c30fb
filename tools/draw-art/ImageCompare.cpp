#include "ImageCompare.h"

#include <cstdlib>

namespace {

bool channelsClose(QRgb a, QRgb b, int tolerance) {
    return std::abs(qRed(a) - qRed(b)) <= tolerance &&
           std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance &&
           std::abs(qAlpha(a) - qAlpha(b)) <= tolerance;
}

} // namespace

ImageDifference compareImages(const QImage& stored, const QImage& drawn, int tolerance) {
    ImageDifference result;
    result.sameSize = stored.size() == drawn.size();
    result.sameAlpha = stored.hasAlphaChannel() == drawn.hasAlphaChannel();
    if (!result.sameSize) {
        return result;
    }
    const QImage a = stored.convertToFormat(QImage::Format_ARGB32);
    const QImage b = drawn.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < a.height(); ++y) {
        const auto* rowA = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* rowB = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            if (!channelsClose(rowA[x], rowB[x], tolerance)) {
                ++result.differingPixels;
            }
        }
    }
    return result;
}
