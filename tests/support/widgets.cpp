#include "support/widgets.h"

#include "shell/controls.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>

namespace Dovrel::Testing {

QLineEdit *textBox(QObject *screen, int number)
{
    return child<QLineEdit>(screen, QStringLiteral("Text%1").arg(number));
}

void click(QObject *screen, const QString &name)
{
    auto *button = child<QAbstractButton>(screen, name);
    QVERIFY2(button, qPrintable(name));
    button->click();
}

void moveOver(QWidget *widget, QPoint pos)
{
    QMouseEvent move(QEvent::MouseMove, pos, widget->mapToGlobal(pos), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move);
}

void pressKey(QWidget *widget, Qt::Key key, bool autoRepeat)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(), autoRepeat);
    QCoreApplication::sendEvent(widget, &press);
}

bool isRed(const QWidget *widget)
{
    return textColour(widget) == Red;
}

bool near(const QColor &a, const QColor &b)
{
    return qAbs(a.red() - b.red()) <= 8 && qAbs(a.green() - b.green()) <= 8 && qAbs(a.blue() - b.blue()) <= 8;
}

} // namespace Dovrel::Testing
