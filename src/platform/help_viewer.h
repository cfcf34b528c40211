#pragma once

#include <QString>

namespace Dovrel {

// Opens a CHM help file in the system's help viewer; false where none could be started.
bool openHelpViewer(const QString &helpFile);
// Opens a local web page in the default browser; false where none could be started.
bool openInBrowser(const QString &page);

} // namespace Dovrel
