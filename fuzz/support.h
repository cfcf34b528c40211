#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace Dovrel::Fuzz {

QByteArray bytesOf(const std::uint8_t *data, std::size_t size);

// An application directory with a config folder, made once per process under the temporary folder (the run script
// points TMPDIR at memory, so saves do not wait for a disk).
QString applicationDir();

// Replaces config/<fileName> with `bytes`.
void writeConfigFile(const QString &fileName, const QByteArray &bytes);
QByteArray readConfigFile(const QString &fileName);

// Stops the run with the input saved as a crash, naming what broke.
[[noreturn]] void fail(const char *what);

} // namespace Dovrel::Fuzz
