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

TEST(CompareImages, CountsOnlyChangesBeyondTheToleranceAndNoticesSizeAndAlpha) {
    QImage drawn(5, 4, QImage::Format_ARGB32);
    drawn.fill(qRgba(100, 100, 100, 200));
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
    EXPECT_FALSE(compareImages(drawn.copy(0, 0, 5, 5), drawn, 3).sameSize);
    const ImageDifference opaque =
        compareImages(drawn.convertToFormat(QImage::Format_RGB888), drawn, 255);
    EXPECT_TRUE(opaque.sameSize && !opaque.sameAlpha);
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
// the 4812 x 3632 twips over which it stretches the picture. Behind both the wall stays plain.
TEST(RoomPicture, LeavesThePlaceOfTheHangingLampPlain) {
    const QImage picture = drawRoomPicture();
    const double toX = roomPictureWidth / 4812.0, toY = roomPictureHeight / 3632.0;
    int lampPixels = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const double dx = (x + 0.5 - 606 * toX) / (486 * toX + 2),
                         dy = (y + 0.5 - 1566 * toY) / (486 * toY + 2);
            const bool lamp = dx * dx + dy * dy <= 1,
                       cord = std::abs(x - static_cast<int>(600 * toX)) <= 5 &&
                              y > std::ceil(240 * toY) && y < 1566 * toY;
            lampPixels += lamp ? 1 : 0;
            ASSERT_TRUE(!(lamp || cord) || isPlainWall(picture.pixel(x, y))) << x << ", " << y;
        }
    }
    EXPECT_GT(lampPixels, 5000);
}

} // namespace
