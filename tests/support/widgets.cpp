#include "support/widgets.h"

#include "shell/controls.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>

namespace Dovrel::Testing {

void missingChild(const QObject *parent, const QString &name, const char *type, const std::source_location &where)
{
    const QString message =
        QStringLiteral("%1 has no child %2 named \"%3\"")
            .arg(parent ? parent->objectName() : QStringLiteral("(nothing)"), QString::fromLatin1(type), name);
    QTest::qFail(qPrintable(message), where.file_name(), int(where.line()));
}

QWidget *standInWidgetParent()
{
    static QWidget *parent = new QWidget;
    return parent;
}

QObject *standInParent()
{
    return standInWidgetParent();
}

QLineEdit *textBox(QObject *screen, int number, std::source_location where)
{
    return child<QLineEdit>(screen, QStringLiteral("Text%1").arg(number), where);
}

void click(QObject *screen, const QString &name, std::source_location where)
{
    child<QAbstractButton>(screen, name, where)->click();
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
