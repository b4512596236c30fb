#include "AppIcon.h"
#include "ImageCompare.h"
#include "RoomPicture.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPoint>

#include <algorithm>
#include <cmath>
#include <string>

namespace {

QImage filled(int width, int height, QImage::Format format, QRgb colour) {
    QImage image(width, height, format);
    image.fill(colour);
    return image;
}

// --- comparing a stored picture with a fresh drawing -------------------------------------------

struct ChannelCase {
    const char* name;
    QRgb changed;
    qsizetype expectedDiffering;
};

class CompareOnePixel : public ::testing::TestWithParam<ChannelCase> {};

TEST_P(CompareOnePixel, CountsOnlyChangesBeyondTheTolerance) {
    const QRgb base = qRgba(100, 100, 100, 200);
    const QImage drawn = filled(5, 4, QImage::Format_ARGB32, base);
    QImage stored = drawn;
    stored.setPixel(3, 2, GetParam().changed);

    const ImageDifference diff = compareImages(stored, drawn, 3);
    EXPECT_TRUE(diff.sameSize);
    EXPECT_TRUE(diff.sameAlpha);
    EXPECT_EQ(diff.differingPixels, GetParam().expectedDiffering);
}

INSTANTIATE_TEST_SUITE_P(
    Channels, CompareOnePixel,
    ::testing::Values(ChannelCase{"unchanged", qRgba(100, 100, 100, 200), 0},
                      ChannelCase{"redWithinTolerance", qRgba(103, 100, 100, 200), 0},
                      ChannelCase{"redBeyond", qRgba(104, 100, 100, 200), 1},
                      ChannelCase{"greenBelow", qRgba(100, 96, 100, 200), 1},
                      ChannelCase{"blueBeyond", qRgba(100, 100, 104, 200), 1},
                      ChannelCase{"alphaBeyond", qRgba(100, 100, 100, 196), 1},
                      ChannelCase{"allWithinTolerance", qRgba(97, 103, 97, 203), 0}),
    [](const ::testing::TestParamInfo<ChannelCase>& info) { return std::string(info.param.name); });

TEST(CompareImages, CountsEveryDifferingPixel) {
    const QImage drawn = filled(10, 10, QImage::Format_RGB888, qRgb(10, 20, 30));
    QImage stored = drawn;
    for (int i = 0; i < 7; ++i) {
        stored.setPixel(i, 9 - i, qRgb(200, 20, 30));
    }
    EXPECT_EQ(compareImages(stored, drawn, 3).differingPixels, 7);
}

TEST(CompareImages, ReportsAnotherSizeWithoutComparingPixels) {
    const QImage drawn = filled(10, 10, QImage::Format_RGB888, qRgb(10, 20, 30));
    const QImage stored = filled(10, 11, QImage::Format_RGB888, qRgb(10, 20, 30));
    const ImageDifference diff = compareImages(stored, drawn, 3);
    EXPECT_FALSE(diff.sameSize);
    EXPECT_EQ(diff.differingPixels, 0);
}

TEST(CompareImages, ReportsALostAlphaChannelEvenWhenPixelsAgree) {
    const QImage drawn = filled(4, 4, QImage::Format_ARGB32, qRgba(10, 20, 30, 255));
    const QImage stored = filled(4, 4, QImage::Format_RGB888, qRgb(10, 20, 30));
    const ImageDifference diff = compareImages(stored, drawn, 0);
    EXPECT_TRUE(diff.sameSize);
    EXPECT_FALSE(diff.sameAlpha);
    EXPECT_EQ(diff.differingPixels, 0);
}

// --- the room picture ----------------------------------------------------------------------------

TEST(RoomPicture, IsTheWindowsPictureSizeInRgbWithoutAlpha) {
    const QImage picture = drawRoomPicture();
    EXPECT_EQ(picture.width(), 371);
    EXPECT_EQ(picture.height(), 342);
    EXPECT_EQ(picture.format(), QImage::Format_RGB888);
    EXPECT_FALSE(picture.hasAlphaChannel());
}

TEST(RoomPicture, IsTheSameOnEveryRun) {
    EXPECT_EQ(compareImages(drawRoomPicture(), drawRoomPicture(), 0).differingPixels, 0);
}

double distance(QRgb a, QRgb b) {
    return std::hypot(qRed(a) - qRed(b), qGreen(a) - qGreen(b), qBlue(a) - qBlue(b));
}

// Plain wall: a grey without a strong hue, and far enough from both lamp colours that the
// lamp the window draws here stands out whether it is on or off.
bool isPlainWall(QRgb pixel) {
    const int spread = std::max({qRed(pixel), qGreen(pixel), qBlue(pixel)}) -
                       std::min({qRed(pixel), qGreen(pixel), qBlue(pixel)});
    return spread <= 32 && distance(pixel, qRgb(0, 0, 128)) >= 120 &&
           distance(pixel, qRgb(255, 255, 0)) >= 120;
}

// The window puts its lamp at (120, 1080)..(1092, 2052) and the cord at x 600 from y 240, in
// the 4812 x 3632 twips over which it stretches the picture.
TEST(RoomPicture, LeavesThePlaceOfTheHangingLampPlain) {
    const QImage picture = drawRoomPicture();
    const double toX = 371.0 / 4812.0;
    const double toY = 342.0 / 3632.0;
    const double centreX = 606 * toX;
    const double centreY = 1566 * toY;
    const double radiusX = 486 * toX + 2;
    const double radiusY = 486 * toY + 2;

    int lampPixels = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const double dx = (x + 0.5 - centreX) / radiusX;
            const double dy = (y + 0.5 - centreY) / radiusY;
            if (dx * dx + dy * dy > 1) {
                continue;
            }
            ++lampPixels;
            ASSERT_TRUE(isPlainWall(picture.pixel(x, y)))
                << "behind the lamp at " << x << ", " << y;
        }
    }
    EXPECT_GT(lampPixels, 5000);

    // Beside the cord, from just below the canopy down to the lamp.
    for (int y = static_cast<int>(std::ceil(240 * toY)) + 1; y < centreY; ++y) {
        for (int x = static_cast<int>(600 * toX) - 5; x <= static_cast<int>(600 * toX) + 5; ++x) {
            ASSERT_TRUE(isPlainWall(picture.pixel(x, y)))
                << "beside the cord at " << x << ", " << y;
        }
    }
}

// --- the icon ------------------------------------------------------------------------------------

class IconSize : public ::testing::TestWithParam<int> {};

TEST_P(IconSize, IsSquareWithTransparentCornersALitLampAndGreySwitches) {
    const int size = GetParam();
    const QImage icon = drawAppIcon(size);
    ASSERT_EQ(icon.size(), QSize(size, size));
    EXPECT_TRUE(icon.hasAlphaChannel());

    const auto at = [&](double x, double y) {
        return icon.pixel(static_cast<int>(x * size / 256), static_cast<int>(y * size / 256));
    };
    EXPECT_EQ(qAlpha(at(0, 0)), 0);
    EXPECT_EQ(qAlpha(at(255, 255)), 0);

    const QRgb lamp = at(128, 100);
    EXPECT_EQ(qAlpha(lamp), 255);
    EXPECT_GE(qRed(lamp), 200);
    EXPECT_GE(qGreen(lamp), 200);
    EXPECT_LE(qBlue(lamp), 60);

    for (const QRgb key : {at(70, 194), at(186, 194)}) {
        EXPECT_NEAR(qRed(key), 0xc0, 24);
        EXPECT_EQ(qRed(key), qBlue(key));
    }
}

INSTANTIATE_TEST_SUITE_P(ShippedSizes, IconSize, ::testing::ValuesIn(appIconSizes));

} // namespace
