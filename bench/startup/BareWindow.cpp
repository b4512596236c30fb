#include "BareWindow.h"

#include <QLabel>

BareWindow::BareWindow(const QRect& labelPlace)
    : label_(new QLabel(QStringLiteral("Lampen"), this)) { // owned by the window
    label_->setAutoFillBackground(true);
    label_->setGeometry(labelPlace);
}
