#pragma once
// The program's style: the desktop's, with the design's plain 3-D edges. Boxes are sunken and
// buttons raised by one-pixel strips, filled rather than stroked as antialiased rounded paths,
// so a box whose number changes repaints for a fraction of the cost, and a box's panel covers
// every pixel of it, so nothing behind it is repainted. The menu bar's overflow arrow is drawn:
// reading the desktop style's picture of it would load every image format plug-in.

#include <QFont>
#include <QProxyStyle>
#include <QStaticText>
#include <QString>

#include <vector>

class ClassicStyle : public QProxyStyle {
    Q_OBJECT

public:
    // Wraps the platform's default style.
    ClassicStyle();

    void polish(QWidget* widget) override;
    void unpolish(QWidget* widget) override;
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
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
    struct Caption {
        QFont font;
        QString text;
        QStaticText laidOut;
    };
    mutable std::vector<Caption> captions_;
};
