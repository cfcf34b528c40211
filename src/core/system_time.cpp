#include "core/system_time.h"

#include <QLocale>
#include <QTime>

namespace Dovrel {

QLocale programLocale(const QLocale &system)
{
    if (system.language() == QLocale::Chinese)
        return system;
    return QLocale(QLocale::Chinese, QLocale::SimplifiedHanScript, QLocale::China);
}

QString systemTimeText(const QTime &time)
{
    const QLocale locale = programLocale();
    QString format = locale.timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t'));
    return locale.toString(time, format.trimmed());
}

} // namespace Dovrel
