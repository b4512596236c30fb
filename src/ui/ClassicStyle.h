#pragma once
// The desktop's style with the design's plain 3-D edges: boxes sunken and buttons raised by
// one-pixel strips, filled rather than stroked as antialiased rounded paths, so a box whose
// number changes repaints for a fraction of the cost. Check marks and option circles grow by
// the layout factor, so on a large screen they stay in proportion to their captions.

#include <QFont>
#include <QProxyStyle>
#include <QStaticText>
#include <QString>

#include <vector>

class ClassicStyle : public QProxyStyle {
    Q_OBJECT

public:
    // Wraps the application's style; a factor of 1 or less leaves the indicators' sizes alone.
    explicit ClassicStyle(double factor, QObject* parent);

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    // A caption without access key is laid out once per font and then only drawn: the room's
    // switches repaint whenever a circuit moves them.
    void drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& palette,
                      bool enabled, const QString& text,
                      QPalette::ColorRole textRole = QPalette::NoRole) const override;

private:
    double factor_;
    struct Caption {
        QFont font;
        QString text;
        QStaticText laidOut;
    };
    mutable std::vector<Caption> captions_;
};
