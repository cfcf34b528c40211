#include "core/web_addresses.h"

#ifndef DOVREL_HOME_URL
#error "DOVREL_HOME_URL comes from the build setting of the same name"
#endif

namespace Dovrel {

QString homeAddress()
{
    return QStringLiteral(DOVREL_HOME_URL);
}

QString newVersionAddress()
{
    QString home = homeAddress();
    // A home address given with a trailing slash must not give "//releases".
    while (home.endsWith(QLatin1Char('/')))
        home.chop(1);
    return home + QStringLiteral("/releases");
}

} // namespace Dovrel
