#include "core/info_copies.h"

namespace Dovrel {

namespace {

// Labels `Label<first>` … `Label<first + count - 1>` from the details starting at `firstDetail`.
QList<InfoCopy> consecutiveCopies(int first, int count, ContestDetail firstDetail)
{
    QList<InfoCopy> copies;
    for (int i = 0; i < count; ++i)
        copies.append({QStringLiteral("Label%1").arg(first + i), ContestDetail(int(firstDetail) + i)});
    return copies;
}

} // namespace

QList<InfoCopy> motionsCopies()
{
    return {{QStringLiteral("Label3"), ContestDetail::AffirmativeMotion},
            {QStringLiteral("Label5"), ContestDetail::NegativeMotion}};
}

QList<InfoCopy> teamsCopies()
{
    return {{QStringLiteral("Label4"), ContestDetail::AffirmativeTeam},
            {QStringLiteral("Label5"), ContestDetail::NegativeTeam}};
}

QList<InfoCopy> speakersCopies()
{
    // Affirmative first to fourth speaker, then negative first to fourth.
    return consecutiveCopies(5, 8, ContestDetail::AffirmativeFirstSpeaker);
}

QList<InfoCopy> judgesCopies()
{
    // Judges one to nine, the grid row by row from the top left.
    return consecutiveCopies(1, 9, ContestDetail::JudgeOne);
}

} // namespace Dovrel
