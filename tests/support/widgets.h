#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QObject>
#include <QPoint>
#include <QPushButton>
#include <QString>
#include <QWidget>

#include <source_location>
#include <type_traits>

class QLineEdit;
class QWidget;

namespace Dovrel::Testing {

// The red the screens mark a time-up or the line under the pointer with, and the black they mark nothing with.
inline const QColor Red(255, 0, 0);
inline const QColor Black(0, 0, 0);

// Records a failure naming the child that is missing (or is not of the type asked for); the test goes on until its
// next check stops it.
void missingChild(const QObject *parent, const QString &name, const char *type, const std::source_location &where);
// What stand-ins for missing children belong to, for the rest of the run.
QWidget *standInWidgetParent();
QObject *standInParent();

// Something of the type asked for in place of a missing child, so that a misspelt name fails the test rather than
// crashing it.
template <class T> T *standIn()
{
    if constexpr (std::is_base_of_v<QAbstractButton, T> && std::is_abstract_v<T>)
        return new QPushButton(standInWidgetParent());
    else if constexpr (std::is_constructible_v<T, QWidget *> && std::is_base_of_v<QWidget, T>)
        return new T(standInWidgetParent());
    else if constexpr (std::is_constructible_v<T, QObject *>)
        return new T(standInParent());
    else
        return nullptr;
}

// The child of `parent` named `name`, at any depth. A missing one fails the test, naming it and the place of the
// call, and a stand-in is given rather than a null pointer.
template <class T = QObject>
T *child(const QObject *parent, const QString &name, std::source_location where = std::source_location::current())
{
    if (T *found = parent ? parent->findChild<T *>(name) : nullptr)
        return found;
    missingChild(parent, name, T::staticMetaObject.className(), where);
    return standIn<T>();
}

// The box "Text<number>" of a page or screen.
QLineEdit *textBox(QObject *screen, int number, std::source_location where = std::source_location::current());

// Clicks the named button, option or check box of a screen.
void click(QObject *screen, const QString &name, std::source_location where = std::source_location::current());

// Moves the pointer over a widget with no button held, straight to the widget and not through the window system.
void moveOver(QWidget *widget, QPoint pos);

// A key press as the system sends it, held down (autoRepeat) or not.
void pressKey(QWidget *widget, Qt::Key key, bool autoRepeat);

bool isRed(const QWidget *widget);

// Whether two colours differ by a few steps at the most in each channel, as JPEG keeps a flat colour.
bool near(const QColor &a, const QColor &b);

} // namespace Dovrel::Testing
