// One circuit page painted into an image: every lamp and switch stands where the headless
// window's room puts it, mapped onto the page's field.

#include "CircuitPage.h"
#include "CircuitSheet.h"
#include "Fakes.h"
#include "Lampen.h"

#include <QColor>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

namespace lampen {
namespace {

constexpr double kDotsPerMm = 4;

QImage paintPage(const print::CircuitSheet& sheet) {
    QImage image(static_cast<int>(print::kPageWidthMm * kDotsPerMm),
                 static_cast<int>(print::kPageHeightMm * kDotsPerMm), QImage::Format_RGB32);
    image.setDotsPerMeterX(static_cast<int>(kDotsPerMm * 1000));
    image.setDotsPerMeterY(static_cast<int>(kDotsPerMm * 1000));
    image.fill(Qt::white);
    QPainter p(&image);
    print::paintCircuitPage(p, print::PageScale(kDotsPerMm), sheet);
    return image;
}

int greyAt(const QImage& image, QPointF mm) {
    return qGray(image.pixel((mm * kDotsPerMm).toPoint()));
}

// Ink within half a millimetre of the point along (dx, dy), and white at `inside` (the wires
// end under the white of lamps and switches).
void expectOutline(const QImage& image, QPointF c, double dx, double dy, double reach,
                   QPointF inside) {
    bool ink = false;
    for (double t = -0.5; t <= 0.5; t += 0.25)
        ink = ink || greyAt(image, c + QPointF(dx, dy) * (reach + t)) < 128;
    EXPECT_TRUE(ink) << "outline towards " << dx << ", " << dy;
    EXPECT_GT(greyAt(image, c + inside), 200) << "inside towards " << dx << ", " << dy;
}

QPointF centreMm(const Placed& p) {
    return print::roomToPage(p.left + p.width / 2, p.top + p.height / 2);
}

// A lamp's circle all round; a switch's four sides, white in its corners.
void expectLamp(const QImage& image, QPointF c) {
    const double r = print::kLampDiameter / 2 * print::kMmPerRoomUnit;
    for (int i = 0; i < 8; ++i) {
        const double dx = std::cos(i * std::numbers::pi / 4),
                     dy = std::sin(i * std::numbers::pi / 4);
        expectOutline(image, c, dx, dy, r, QPointF(dx + dy, dy - dx) * r * 0.5);
    }
}

void expectSwitch(const QImage& image, QPointF c) {
    const double half = print::kSwitchSide / 2 * print::kMmPerRoomUnit;
    for (const auto& [dx, dy] : {std::pair{1.0, 0.0}, {-1.0, 0.0}, {0.0, 1.0}, {0.0, -1.0}})
        expectOutline(image, c, dx, dy, half, QPointF(dx + dy, dy - dx) * half * 0.6);
}

TEST(CircuitPage, LampsAndSwitchesStandWhereTheRoomHasThem) {
    testing::Harness h;
    Lampen room(h.dialogs, h.random, h.metrics);
    room.Form_Load();
    std::vector<std::string> codes;
    for (int n = 1; n <= kBuiltInCount; ++n)
        codes.push_back(room.state().group.slot(n));
    const auto sheets = print::circuitSheets({"Voreinstellung.lmp", codes, std::nullopt});
    // Circuits of 3, 5 and 10 lamps.
    for (const int nr : {1, 3, 4}) {
        SCOPED_TRACE("Schaltung " + std::to_string(nr));
        room.txtAktuell_Change(std::to_string(nr + 1));
        room.cmdVoriges_Click();
        const print::CircuitSheet& sheet = sheets[static_cast<std::size_t>(nr - 1)];
        ASSERT_EQ(sheet.k, room.state().maxIndex);
        const QImage image = paintPage(sheet);
        const View v = room.view();
        for (int i = 0; i <= room.state().maxIndex; ++i) {
            const auto u = static_cast<std::size_t>(i);
            expectLamp(image, centreMm(v.shpLampe[u]));
            expectSwitch(image, centreMm(v.cmdSchalter[u]));
        }
    }
}

} // namespace
} // namespace lampen
