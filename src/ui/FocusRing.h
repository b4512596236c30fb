#pragma once
// A clearly visible frame around the control that has the keyboard focus: a blue band with a
// white inner edge, drawn by a transparent widget that lies above the window's controls and lets
// the pointer through. It follows the focus once it moves inside the window, and the focused
// control when it moves or hides.

#include <QPointer>
#include <QWidget>

class FocusRing : public QWidget {
    Q_OBJECT

public:
    // Frames the focus wherever it lies inside `area`, which is also the ring's parent.
    explicit FocusRing(QWidget* area);

    // The band's width in pixels.
    void setBandWidth(int pixels);
    QWidget* target() const { return target_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void follow(QWidget* now);
    void watch(bool on);
    void place();

    QPointer<QWidget> target_;
    int band_ = 2;
};
