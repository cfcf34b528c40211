#pragma once

#include <QString>
#include <QStringList>

namespace Dovrel {

class Screen;

// Saves a settings page's file. When the file cannot be written the timekeeper is told which file, and false is
// returned so that the page neither reports success nor changes.
bool saveSettingsFile(Screen *page, const QString &fileName, const QStringList &lines);

} // namespace Dovrel
