#pragma once

#include <QColor>
#include <QObject>
#include <QPoint>
#include <QString>

class QLineEdit;
class QWidget;

namespace Dovrel::Testing {

// The red the screens mark a time-up or the line under the pointer with, and the black they mark nothing with.
inline const QColor Red(255, 0, 0);
inline const QColor Black(0, 0, 0);

template <class T = QObject> T *child(QObject *parent, const QString &name)
{
    return parent->findChild<T *>(name);
}

// The box "Text<number>" of a page or screen.
QLineEdit *textBox(QObject *screen, int number);

// Clicks the named button, option or check box of a screen.
void click(QObject *screen, const QString &name);

// Moves the pointer over a widget with no button held, straight to the widget and not through the window system.
void moveOver(QWidget *widget, QPoint pos);

// A key press as the system sends it, held down (autoRepeat) or not.
void pressKey(QWidget *widget, Qt::Key key, bool autoRepeat);

bool isRed(const QWidget *widget);

// Whether two colours differ by a few steps at the most in each channel, as JPEG keeps a flat colour.
bool near(const QColor &a, const QColor &b);

} // namespace Dovrel::Testing
