#include "core/program_identity.h"

namespace Dovrel {

QString applicationTitle()
{
    return QStringLiteral("Dovrel");
}

QString programVersion()
{
    return QStringLiteral(DOVREL_VERSION);
}

} // namespace Dovrel
