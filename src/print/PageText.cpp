#include "PageText.h"

#include <QFontMetricsF>
#include <QPainter>

namespace lampen::print {

QFont pageFont(double points, bool bold) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QString qs(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

void textAt(QPainter& p, const PageScale& mm, double xMm, double yMm, const QString& text) {
    p.drawText(mm.at(xMm, yMm), text);
}

void textEndingAt(QPainter& p, const PageScale& mm, double xMm, double yMm, const QString& text) {
    const double width = QFontMetricsF(p.font(), p.device()).horizontalAdvance(text);
    p.drawText(QPointF(mm(xMm) - width, mm(yMm)), text);
}

void textCentredOn(QPainter& p, const PageScale& mm, QPointF centreMm, const QString& text) {
    const QFontMetricsF metrics(p.font(), p.device());
    const QPointF c = mm.at(centreMm);
    // Centred on the cap height, so that names sit in the middle of their circle or box.
    p.drawText(
        QPointF(c.x() - metrics.horizontalAdvance(text) / 2, c.y() + metrics.capHeight() / 2),
        text);
}

void drawPageHeading(QPainter& p, const PageScale& mm, const QString& title,
                     const QString& groupName) {
    p.setPen(QPen(Qt::black, mm(kLineMm)));
    p.setFont(pageFont(16, true));
    textAt(p, mm, kMarginMm, kHeadingBaselineMm, title);
    p.setFont(pageFont(10));
    textEndingAt(p, mm, kPageWidthMm - kMarginMm, kHeadingBaselineMm, groupName);
    p.drawLine(mm.at(kMarginMm, kHeadingBaselineMm + 3),
               mm.at(kPageWidthMm - kMarginMm, kHeadingBaselineMm + 3));
}

} // namespace lampen::print
