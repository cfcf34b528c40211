#pragma once

#include <QString>

namespace Dovrel {

// A relative path given with backslashes ("sound\\30Warn\\声音一.wav") as the system writes paths, for the
// timekeeper to read.
QString systemSeparators(QString relative);

// The application directory and the names of everything the program keeps beside it.
class AppPaths final
{
public:
    explicit AppPaths(QString root);

    // A settings file under config/, spelled exactly as given ("NumSet.ini").
    QString configFile(const QString &fileName) const;

    // A data file or folder given with backslashes ("sound\\30Warn\\声音一.wav"). Each name is matched without
    // regard to case, as on the file systems the data was laid out for; a name that does not exist is kept as
    // written, so the result always names where the file would be.
    QString dataPath(const QString &relative) const;

    QString helpFile() const;

private:
    QString m_root;
};

} // namespace Dovrel
