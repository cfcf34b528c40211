#include "shell/small_window.h"

#include "shell/colours.h"
#include "shell/controls.h"

#include <QLabel>

namespace Dovrel {

void fixSmallWindow(QWidget *window)
{
    setBackColour(window, Colours::About);
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    window->setFixedSize(window->size());
}

QLabel *makeSmallWindowHeading(QWidget *window, const QString &text, int widthTwips)
{
    QLabel *heading = makeLabel(window, QStringLiteral("Label1"), 0, 240, widthTwips, 480, text);
    heading->setFont(designFont(QStringLiteral("楷体_GB2312"), 15, true));
    setTextColour(heading, Colours::Blue);
    setSizedToText(heading);
    heading->move((window->width() - heading->width()) / 2, heading->y());
    return heading;
}

} // namespace Dovrel
