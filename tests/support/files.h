#pragma once

#include <QByteArray>
#include <QColor>
#include <QSize>
#include <QString>

namespace Dovrel::Testing {

// Whether the bytes were written to the file whole.
bool writeBytes(const QString &path, const QByteArray &bytes);
// The file's bytes; none when it cannot be read.
QByteArray readBytes(const QString &path);

// A settings file as it is installed with the program.
QByteArray assetBytes(const QString &fileName);

// Whether a picture of one colour was written: a bitmap for a name ending in .bmp, else a JPEG.
bool writePicture(const QString &path, const QColor &colour, const QSize &size = QSize(40, 30));

} // namespace Dovrel::Testing
