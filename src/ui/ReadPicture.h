#pragma once
// The program's own pictures, read by the format their names end in: reading by content would
// first load every installed image format plug-in to ask each whether it knows the file.

#include <QImage>
#include <QString>

QImage readPicture(const QString& file);
