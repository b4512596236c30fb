#pragma once
// The baseline every figure of the window is held against: a QMainWindow with one QLabel, on the
// same screen, built with the same flags and run in the same program.

#include <QMainWindow>
#include <QRect>

class QLabel;

class BareWindow : public QMainWindow {
public:
    // The label takes the given place, so it can stand in for an area of the same size.
    explicit BareWindow(const QRect& labelPlace);
    QLabel* label() const { return label_; }

private:
    QLabel* label_;
};
