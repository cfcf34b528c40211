#include "core/caption_cycle.h"

#include "core/program_identity.h"

namespace Dovrel {

QString nextCaption(const QString &current)
{
    return nextCaption(current, applicationTitle());
}

QString nextCaption(const QString &current, const QString &title)
{
    if (current == title)
        return QString();
    if (current.size() < title.size() && title.startsWith(current))
        return title.left(current.size() + 1);
    return current;
}

} // namespace Dovrel
