#include "support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace Dovrel::Fuzz {

QByteArray bytesOf(const std::uint8_t *data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

QString applicationDir()
{
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/dovrel-fuzz-XXXXXX"));
    static const bool made = dir.isValid() && QDir(dir.path()).mkpath(QStringLiteral("config"));
    if (!made)
        fail("no temporary application directory");
    return dir.path();
}

void writeConfigFile(const QString &fileName, const QByteArray &bytes)
{
    QFile file(applicationDir() + QStringLiteral("/config/") + fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        fail("cannot write the input file");
}

QByteArray readConfigFile(const QString &fileName)
{
    QFile file(applicationDir() + QStringLiteral("/config/") + fileName);
    if (!file.open(QIODevice::ReadOnly))
        fail("cannot read the written file");
    return file.readAll();
}

void fail(const char *what)
{
    std::fprintf(stderr, "FUZZ FAILURE: %s\n", what);
    std::abort();
}

} // namespace Dovrel::Fuzz
