// The drawing program's own checks: the comparison behind "draw-art --check" counts exactly the
// pixels beyond its tolerance and notices another size or a lost alpha channel, and the room
// picture leaves the place of the window's hanging lamp plain.

#include "ImageCompare.h"
#include "RoomPicture.h"

#include <gtest/gtest.h>

#include <QImage>

#include <algorithm>
#include <cmath>

namespace {

QImage filled(int width, int height, QImage::Format format, QRgb colour) {
    QImage image(width, height, format);
    image.fill(colour);
    return image;
}

TEST(CompareImages, CountsOnlyChangesBeyondTheTolerance) {
    const QImage drawn = filled(5, 4, QImage::Format_ARGB32, qRgba(100, 100, 100, 200));
    const std::pair<QRgb, int> cases[] = {
        {qRgba(103, 100, 100, 200), 0}, {qRgba(97, 103, 97, 203), 0}, // within 3 on every channel
        {qRgba(104, 100, 100, 200), 1}, {qRgba(100, 96, 100, 200), 1},
        {qRgba(100, 100, 104, 200), 1}, {qRgba(100, 100, 100, 196), 1}};
    for (const auto& [changed, differing] : cases) {
        QImage stored = drawn;
        stored.setPixel(3, 2, changed);
        stored.setPixel(0, 0, changed);
        const ImageDifference diff = compareImages(stored, drawn, 3);
        EXPECT_TRUE(diff.sameSize && diff.sameAlpha);
        EXPECT_EQ(diff.differingPixels, 2 * differing) << std::hex << changed;
    }
}

TEST(CompareImages, ReportsAnotherSizeOrALostAlphaChannel) {
    const QImage drawn = filled(4, 4, QImage::Format_ARGB32, qRgba(10, 20, 30, 255));
    const ImageDifference taller =
        compareImages(filled(4, 5, QImage::Format_ARGB32, qRgba(10, 20, 30, 255)), drawn, 3);
    EXPECT_FALSE(taller.sameSize);
    const ImageDifference opaque =
        compareImages(filled(4, 4, QImage::Format_RGB888, qRgb(10, 20, 30)), drawn, 0);
    EXPECT_TRUE(opaque.sameSize);
    EXPECT_FALSE(opaque.sameAlpha);
}

// Plain wall: a grey without a strong hue, far enough from both lamp colours that the lamp the
// window draws there stands out whether it is on or off.
bool isPlainWall(QRgb p) {
    const auto distance = [p](QRgb lamp) {
        return std::hypot(qRed(p) - qRed(lamp), qGreen(p) - qGreen(lamp), qBlue(p) - qBlue(lamp));
    };
    const int spread =
        std::max({qRed(p), qGreen(p), qBlue(p)}) - std::min({qRed(p), qGreen(p), qBlue(p)});
    return spread <= 32 && distance(qRgb(0, 0, 128)) >= 120 && distance(qRgb(255, 255, 0)) >= 120;
}

// The window puts its lamp at (120, 1080)..(1092, 2052) and the cord at x 600 from y 240, in
// the 4812 x 3632 twips over which it stretches the picture.
TEST(RoomPicture, LeavesThePlaceOfTheHangingLampPlain) {
    const QImage picture = drawRoomPicture();
    const double toX = roomPictureWidth / 4812.0, toY = roomPictureHeight / 3632.0;
    const double centreX = 606 * toX, centreY = 1566 * toY;
    const double radiusX = 486 * toX + 2, radiusY = 486 * toY + 2;
    int lampPixels = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const double dx = (x + 0.5 - centreX) / radiusX, dy = (y + 0.5 - centreY) / radiusY;
            if (dx * dx + dy * dy > 1)
                continue;
            ++lampPixels;
            ASSERT_TRUE(isPlainWall(picture.pixel(x, y)))
                << "behind the lamp at " << x << ", " << y;
        }
    }
    EXPECT_GT(lampPixels, 5000);
    // Beside the cord, from just below the canopy down to the lamp.
    const int cordX = static_cast<int>(600 * toX);
    for (int y = static_cast<int>(std::ceil(240 * toY)) + 1; y < centreY; ++y)
        for (int x = cordX - 5; x <= cordX + 5; ++x)
            ASSERT_TRUE(isPlainWall(picture.pixel(x, y)))
                << "beside the cord at " << x << ", " << y;
}

} // namespace
