#pragma once
// A round lamp: an opaque filled circle with a border, drawn over the lines of its area. It takes
// no pointer events, so a move over a lamp is a move over the area beneath it.
//
// A lamp is drawn once per size, colour pair and pixel ratio into a pixmap, which every lamp of
// that look then copies: a stroked antialiased circle costs some thirty times the copy. At a
// fractional pixel ratio the lamp is drawn directly.

#include <QColor>
#include <QPixmap>
#include <QWidget>

#include <vector>

class LampShape : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QColor fillColor READ fillColor WRITE setFillColor)
    Q_PROPERTY(QColor borderColor READ borderColor WRITE setBorderColor)

public:
    explicit LampShape(int borderWidth, QWidget* parent = nullptr);

    QColor fillColor() const { return fill_; }
    QColor borderColor() const { return border_; }
    void setFillColor(const QColor& c);
    void setBorderColor(const QColor& c);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor fill_{0, 0, 128};
    QColor border_{0, 0, 0};
    int borderWidth_;
    // The looks this lamp showed last, newest first: a press flips between two or three, and
    // finding them here saves building the shared cache's key. The pixmaps are shared copies.
    struct Look {
        QColor fill, border;
        QSize size;
        qreal ratio;
        QPixmap pixmap;
    };
    std::vector<Look> looks_;
};
