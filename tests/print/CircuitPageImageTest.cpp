// One circuit page painted into an image: every lamp and switch stands where the headless
// window's room puts it, mapped onto the page's field.

#include "CircuitPage.h"
#include "CircuitSheet.h"
#include "Fakes.h"
#include "Lampen.h"
#include "Schaltgruppe.h"

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

// A lamp's circle in eight directions, a switch's four sides: ink within half a millimetre of
// the outline, white inside (the wires end under the white of lamps and switches).
void expectShape(const QImage& image, const Placed& p, bool lamp) {
    const QPointF c = print::roomToPage(p.left + p.width / 2, p.top + p.height / 2);
    const double r = (lamp ? print::kLampDiameter : print::kSwitchSide) / 2 * print::kMmPerRoomUnit;
    for (int i = 0; i < 8; i += lamp ? 1 : 2) {
        const double dx = std::cos(i * std::numbers::pi / 4),
                     dy = std::sin(i * std::numbers::pi / 4);
        bool ink = false;
        for (double t = -0.5; t <= 0.5; t += 0.25)
            ink = ink || greyAt(image, c + QPointF(dx, dy) * (r + t)) < 128;
        EXPECT_TRUE(ink) << "outline towards " << dx << ", " << dy;
        EXPECT_GT(greyAt(image, c + QPointF(dx + dy, dy - dx) * r * (lamp ? 0.5 : 0.6)), 200)
            << "inside towards " << dx << ", " << dy;
    }
}

TEST(CircuitPage, LampsAndSwitchesStandWhereTheRoomHasThem) {
    testing::Harness h;
    Lampen room(h.dialogs, h.random, h.metrics);
    room.Form_Load();
    const std::vector<std::string> codes(builtInCodes().begin(), builtInCodes().end());
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
        for (std::size_t i = 0; i <= static_cast<std::size_t>(room.state().maxIndex); ++i) {
            expectShape(image, v.shpLampe[i], true);
            expectShape(image, v.cmdSchalter[i], false);
        }
    }
}

} // namespace
} // namespace lampen
