#include "core/info_copies.h"

namespace Dovrel {

namespace {

// Labels `Label<first>` … `Label<first + count - 1>` from the boxes starting at `firstBox`.
QList<InfoCopy> consecutiveCopies(int first, int count, int firstBox)
{
    QList<InfoCopy> copies;
    for (int i = 0; i < count; ++i)
        copies.append({QStringLiteral("Label%1").arg(first + i), firstBox + i});
    return copies;
}

} // namespace

QList<InfoCopy> motionsCopies()
{
    return {{QStringLiteral("Label3"), 3}, {QStringLiteral("Label5"), 4}};
}

QList<InfoCopy> teamsCopies()
{
    return {{QStringLiteral("Label4"), 5}, {QStringLiteral("Label5"), 6}};
}

QList<InfoCopy> speakersCopies()
{
    // Affirmative first to fourth speaker, then negative first to fourth.
    return consecutiveCopies(5, 8, 7);
}

QList<InfoCopy> judgesCopies()
{
    // Judges one to nine, the grid row by row from the top left.
    return consecutiveCopies(1, 9, 15);
}

} // namespace Dovrel
