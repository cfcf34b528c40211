#pragma once

#include "core/contest_details.h"

#include <QList>
#include <QString>

namespace Dovrel {

// One copy of an information screen's load step: value label `label` takes the contest detail `detail` as the
// details page holds it.
struct InfoCopy
{
    QString label;
    ContestDetail detail = ContestDetail::ContestName;

    friend bool operator==(const InfoCopy &, const InfoCopy &) = default;
};

// The copies of each information screen, in the order its load makes them.
QList<InfoCopy> motionsCopies();  // Form7
QList<InfoCopy> teamsCopies();    // Form8
QList<InfoCopy> speakersCopies(); // Form14
QList<InfoCopy> judgesCopies();   // Form15

} // namespace Dovrel
