#include "CircuitPage.h"

#include "PageText.h"
#include "Ring.h"

#include <QPainter>

#include <cmath>

namespace lampen::print {

namespace {

constexpr double kTaskBaselineMm = 162;
constexpr double kTickTableTopMm = 168;
constexpr double kLabelColumnMm = 30;
constexpr double kTickColumnMm = 13;
constexpr double kTickHeadMm = 8;
constexpr double kTickRowMm = 11;
constexpr double kCountBaselineMm = 199;
constexpr double kMatrixTopMm = 208;
constexpr double kMatrixCellWidthMm = 8;
constexpr double kMatrixCellHeightMm = 6.5;

QString indexed(char prefix, int i) {
    return QString(QChar::fromLatin1(prefix)) + QString::number(i);
}

QPointF onRing(double radius, int i, int k) {
    const RingPoint r = ringPosition(0, radius, i, k + 1);
    return roomToPage(r.x, r.y);
}

void drawWires(QPainter& p, const PageScale& mm, const CircuitSheet& sheet) {
    p.setPen(QPen(Qt::black, mm(kThinLineMm)));
    for (int s = 0; s <= sheet.k; ++s)
        for (int l = 0; l <= sheet.k; ++l)
            if (sheet.wiring(s, l) > 0) // a digit 2..9 from a file is drawn as the room draws it
                p.drawLine(mm.at(switchCentreMm(s, sheet.k)), mm.at(lampCentreMm(l, sheet.k)));
}

// "Ziel" stands outside the ring, on the line from the room's centre through the lamp.
QPointF targetWordCentre(QPointF lamp) {
    const QPointF centre = roomToPage(0, 0);
    const QPointF away = lamp - centre;
    const double length = std::hypot(away.x(), away.y());
    const QPointF direction = length > 0 ? away / length : QPointF(0, 1);
    return lamp + direction * (1.9 * kMmPerRoomUnit);
}

void drawLamps(QPainter& p, const PageScale& mm, const CircuitSheet& sheet) {
    const double radius = kLampDiameter / 2 * kMmPerRoomUnit;
    for (int l = 0; l <= sheet.k; ++l) {
        const QPointF c = lampCentreMm(l, sheet.k);
        const bool target = sheet.target & (1u << l);
        p.setPen(QPen(Qt::black, mm(target ? kTargetRingMm : kLineMm)));
        p.setBrush(Qt::white);
        p.drawEllipse(mm.at(c), mm(radius), mm(radius));
        p.setFont(pageFont(9));
        textCentredOn(p, mm, c, indexed('L', l));
        if (target) {
            p.setFont(pageFont(9, true));
            textCentredOn(p, mm, targetWordCentre(c), QStringLiteral("Ziel"));
        }
    }
}

void drawSwitches(QPainter& p, const PageScale& mm, const CircuitSheet& sheet) {
    const double side = kSwitchSide * kMmPerRoomUnit;
    p.setPen(QPen(Qt::black, mm(kLineMm)));
    p.setBrush(Qt::white);
    p.setFont(pageFont(8, true));
    for (int s = 0; s <= sheet.k; ++s) {
        const QPointF c = switchCentreMm(s, sheet.k);
        p.drawRect(mm.rect(c.x() - side / 2, c.y() - side / 2, side, side));
        textCentredOn(p, mm, c, indexed('S', s));
    }
}

void drawTickTable(QPainter& p, const PageScale& mm, int k) {
    const double left = kMarginMm;
    const double top = kTickTableTopMm;
    p.setPen(QPen(Qt::black, mm(kThinLineMm)));
    p.setBrush(Qt::NoBrush);
    p.setFont(pageFont(10));
    textCentredOn(p, mm, {left + kLabelColumnMm / 2, top + kTickHeadMm / 2},
                  QStringLiteral("Schalter"));
    textCentredOn(p, mm, {left + kLabelColumnMm / 2, top + kTickHeadMm + kTickRowMm / 2},
                  QStringLiteral("gedrückt"));
    p.drawRect(mm.rect(left, top, kLabelColumnMm, kTickHeadMm));
    p.drawRect(mm.rect(left, top + kTickHeadMm, kLabelColumnMm, kTickRowMm));
    p.setFont(pageFont(10, true));
    for (int s = 0; s <= k; ++s) {
        const double x = left + kLabelColumnMm + s * kTickColumnMm;
        p.drawRect(mm.rect(x, top, kTickColumnMm, kTickHeadMm));
        p.drawRect(mm.rect(x, top + kTickHeadMm, kTickColumnMm, kTickRowMm));
        textCentredOn(p, mm, {x + kTickColumnMm / 2, top + kTickHeadMm / 2}, indexed('S', s));
    }
}

// Rows S0.., columns L0..; the headings set off by stronger lines, as in the matrix view.
void drawMatrix(QPainter& p, const PageScale& mm, const CircuitSheet& sheet) {
    const double w = kMatrixCellWidthMm, h = kMatrixCellHeightMm;
    const double left = kMarginMm, top = kMatrixTopMm;
    const int n = sheet.k + 1;
    const auto cell = [&](int row, int column) {
        return QPointF(left + (column + 0.5) * w, top + (row + 0.5) * h);
    };
    p.setFont(pageFont(10, true));
    for (int i = 0; i < n; ++i) {
        textCentredOn(p, mm, cell(0, i + 1), indexed('L', i));
        textCentredOn(p, mm, cell(i + 1, 0), indexed('S', i));
    }
    for (int s = 0; s < n; ++s) {
        for (int l = 0; l < n; ++l) {
            // As in the matrix view, a cell that is neither 0 nor 1 stays empty.
            const int v = sheet.wiring(s, l);
            if (v != 0 && v != 1)
                continue;
            p.setFont(pageFont(10, v == 1));
            textCentredOn(p, mm, cell(s + 1, l + 1), QString::number(v));
        }
    }
    const double right = left + (n + 1) * w, bottom = top + (n + 1) * h;
    p.setPen(QPen(Qt::black, mm(kLineMm)));
    p.drawLine(mm.at(left, top + h), mm.at(right, top + h));
    p.drawLine(mm.at(left + w, top), mm.at(left + w, bottom));
}

} // namespace

QPointF lampCentreMm(int l, int k) {
    return onRing(kStartLampRadius, l, k);
}

QPointF switchCentreMm(int s, int k) {
    return onRing(kStartSwitchRadius, s, k);
}

void paintCircuitPage(QPainter& p, const PageScale& mm, const CircuitSheet& sheet) {
    p.setRenderHint(QPainter::Antialiasing);
    drawPageHeading(p, mm, QStringLiteral("Schaltung %1 von %2").arg(sheet.nr).arg(sheet.count),
                    qs(sheet.groupName));
    // Wires first: lamps and switches are filled white and cover their ends.
    drawWires(p, mm, sheet);
    drawLamps(p, mm, sheet);
    drawSwitches(p, mm, sheet);

    p.setPen(QPen(Qt::black, mm(kLineMm)));
    p.setFont(pageFont(12, true));
    textAt(p, mm, kMarginMm, kTaskBaselineMm,
           QStringLiteral("Schalten Sie die markierten Lampen ein!"));
    drawTickTable(p, mm, sheet.k);
    p.setFont(pageFont(11));
    textAt(p, mm, kMarginMm, kCountBaselineMm,
           QStringLiteral("Anzahl der Schaltvorgänge: ____________"));
    drawMatrix(p, mm, sheet);
}

} // namespace lampen::print
