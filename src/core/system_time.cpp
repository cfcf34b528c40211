#include "core/system_time.h"

#include <QLocale>
#include <QTime>

namespace Dovrel {

QString systemTimeText(const QTime &time)
{
    const QLocale locale = QLocale::system();
    QString format = locale.timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t'));
    return locale.toString(time, format.trimmed());
}

} // namespace Dovrel
