#pragma once
// Where things stand on an A4 portrait page, in millimetres from the page's top-left corner,
// and the conversion to the device a page is painted on.

#include <QPointF>
#include <QRectF>

namespace lampen::print {

inline constexpr double kPageWidthMm = 210;
inline constexpr double kPageHeightMm = 297;
inline constexpr double kMarginMm = 20; // left and right
inline constexpr double kHeadingBaselineMm = 22;
inline constexpr double kContentTopMm = 32; // below the heading and its rule
inline constexpr double kContentBottomMm = 282;

// The room's field (-10..10 on both axes, y downwards) on a circuit page.
inline constexpr double kRoomCentreXMm = kPageWidthMm / 2;
inline constexpr double kRoomCentreYMm = 92;
inline constexpr double kMmPerRoomUnit = 6;

// Lamps and switches on paper, in room units: the room's sizes, rounded.
inline constexpr double kLampDiameter = 2.0;
inline constexpr double kSwitchSide = 1.2;

// A point of the room in page millimetres.
constexpr QPointF roomToPage(double x, double y) {
    return {kRoomCentreXMm + x * kMmPerRoomUnit, kRoomCentreYMm + y * kMmPerRoomUnit};
}

// Millimetres to device units of a painter without a transformation.
class PageScale {
public:
    explicit PageScale(double dotsPerMm) : dotsPerMm_(dotsPerMm) {}
    double operator()(double mm) const { return mm * dotsPerMm_; }
    QPointF at(double xMm, double yMm) const { return {(*this)(xMm), (*this)(yMm)}; }
    QPointF at(QPointF mm) const { return at(mm.x(), mm.y()); }
    QRectF rect(double leftMm, double topMm, double widthMm, double heightMm) const {
        return {at(leftMm, topMm), at(leftMm + widthMm, topMm + heightMm)};
    }
    double toMm(double dots) const { return dots / dotsPerMm_; }

private:
    double dotsPerMm_;
};

} // namespace lampen::print
