#pragma once
// A picture scaled to fill its label, read from its file only when it is first painted: the
// illustration lies behind the explanation at start and may never be seen.

#include <QLabel>
#include <QPixmap>
#include <QString>

class PictureLabel : public QLabel {
    Q_OBJECT

public:
    PictureLabel(QString file, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString file_;
    QPixmap scaled_; // the picture at the label's size in device pixels
};
