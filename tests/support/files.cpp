#include "support/files.h"

#include <QFile>
#include <QImage>

namespace Dovrel::Testing {

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray assetBytes(const QString &fileName)
{
    return readBytes(QStringLiteral(DOVREL_ASSETS_DIR "/config/") + fileName);
}

bool writePicture(const QString &path, const QColor &colour, const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image.save(path, path.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive) ? "BMP" : "JPG");
}

} // namespace Dovrel::Testing
