#include "ReadPicture.h"

#include <QFileInfo>
#include <QImageReader>

QImage readPicture(const QString& file) {
    QImageReader reader(file, QFileInfo(file).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}
