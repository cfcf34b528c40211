#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace Dovrel {

// The look of the small windows that open over the main menu (the about screens, the check before a contest): pale
// cyan, fixed at its design size, no maximise button.
void fixSmallWindow(QWidget *window);

// The blue heading of a small window, centred across its width.
QLabel *makeSmallWindowHeading(QWidget *window, const QString &text, int widthTwips);

} // namespace Dovrel
