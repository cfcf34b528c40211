#pragma once

#include <QString>
#include <QStringList>

namespace Dovrel {

// The lines of a settings file as far as they could be read; `exists` is false when the file could not be opened.
struct LineFileContent
{
    bool exists = false;
    QStringList lines;
};

// Reads at most `maxLines` lines; CR LF and bare LF both end a line, and anything after `maxLines` is never read.
LineFileContent readLineFile(const QString &path, int maxLines);

// `lines` padded with empty texts (or cut) to exactly `count` entries.
QStringList padLines(const QStringList &lines, int count);

// Outcome of a save; `error` is empty on success.
struct SaveResult
{
    bool ok = false;
    QString error;
};

// Writes every line followed by CR LF, replacing the file atomically; a line break inside a value is written as a
// blank, so the file has exactly one line per value. The folder is never created. Copies that
// interrupted saves of this file left beside it are removed first (see clearInterruptedSave).
SaveResult writeLineFile(const QString &path, const QStringList &lines);

// A save killed at its very end can leave its complete temporary copy beside the file, named as the file, a dot and
// six letters or digits ("TimeSet.ini.AbC123"). Removes such copies of the file at `path`, and nothing else (no
// look-alike such as "TimeSet.ini.bak", no other file's copy); returns how many were removed.
int clearInterruptedSave(const QString &path);

// The same for each of the six settings files in `configDir`, for start-up.
int clearInterruptedSaves(const QString &configDir);

// Replaces the file with `bytes` atomically: a crash mid-save leaves the old file whole. The folder is never
// created, and a file marked read-only is left as it is.
SaveResult writeFileAtomically(const QString &path, const QByteArray &bytes);

} // namespace Dovrel
