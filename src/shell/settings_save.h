#pragma once

#include "core/line_file.h"

#include <QString>
#include <QStringList>

namespace Dovrel {

class Screen;

// Tells the timekeeper, when `result` is a failure, that the settings file could not be saved; returns whether it
// was saved. For screens that write their file themselves (the styled displays write it on every close).
bool reportSettingsSave(Screen *from, const QString &fileName, const SaveResult &result);

// The close of a screen that writes its settings file as it closes: it returns to the main menu whatever the save
// gave. A failed save is told over the main menu, not in front of the hall, once the screen is gone, so that
// nothing the timekeeper answers can hold it open.
void returnToMenuAfterSave(Screen *screen, const QString &fileName, const SaveResult &saved);

// Asks the main menu, where it is loaded, to repaint itself.
void repaintMenu(Screen *page);

} // namespace Dovrel
