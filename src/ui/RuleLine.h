#pragma once
// A straight line control: horizontal or vertical, of a given colour and pixel width. It stands
// in the rectangle its two end points span and lets the pointer through.

#include <QColor>
#include <QWidget>

class RuleLine : public QWidget {
    Q_OBJECT

public:
    RuleLine(const QColor& colour, int penWidth, QWidget* parent = nullptr);

    // Places the line between two points given in the parent's pixels.
    void setEnds(QPoint from, QPoint to);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor colour_;
    int penWidth_;
};
