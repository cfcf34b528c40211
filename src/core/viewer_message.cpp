#include "core/viewer_message.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace Dovrel {

namespace {

QString kindName(ClockKind kind)
{
    switch (kind) {
    case ClockKind::SingleSide:
        return QStringLiteral("single");
    case ClockKind::Dual:
        return QStringLiteral("dual");
    case ClockKind::CrossExamination:
        return QStringLiteral("cross");
    case ClockKind::None:
        break;
    }
    return QString();
}

QJsonObject sideObject(const SideClock &side)
{
    return {{QStringLiteral("remaining"), side.remaining},    {QStringLiteral("running"), side.running},
            {QStringLiteral("paused"), side.paused},          {QStringLiteral("timeUp"), side.timeUp},
            {QStringLiteral("warned"), side.warned},          {QStringLiteral("overtime"), side.overtime},
            {QStringLiteral("next"), double(side.nextStepMs)}};
}

QJsonValue clockValue(const HallView &hall, CountdownFormat format)
{
    if (hall.kind == ClockKind::None || !hall.timeShown)
        return QJsonValue::Null;
    QJsonArray sides = {sideObject(hall.sides[0])};
    if (hall.kind == ClockKind::Dual)
        sides.append(sideObject(hall.sides[1]));
    QJsonValue speaking = QJsonValue::Null;
    if (hall.speaking)
        speaking = *hall.speaking == Side::Affirmative ? QStringLiteral("affirmative") : QStringLiteral("negative");
    return QJsonObject{{QStringLiteral("screen"), hall.screen},
                       {QStringLiteral("kind"), kindName(hall.kind)},
                       {QStringLiteral("stage"), hall.stageName},
                       {QStringLiteral("title"), hall.title},
                       // With no format chosen the clocks show seconds, as the dual and cross clocks do.
                       {QStringLiteral("format"),
                        format == CountdownFormat::MinutesSeconds ? QStringLiteral("ms") : QStringLiteral("s")},
                       {QStringLiteral("speaking"), speaking},
                       {QStringLiteral("sides"), sides}};
}

} // namespace

QByteArray viewerStateJson(const HallView &hall, const ContestDetails &details, CountdownFormat format, qint64 nowMs)
{
    const QJsonObject contest{{QStringLiteral("title"), details[ContestDetail::ContestName]},
                              {QStringLiteral("organiser"), details[ContestDetail::Organiser]},
                              {QStringLiteral("motions"), QJsonArray{details[ContestDetail::AffirmativeMotion],
                                                                     details[ContestDetail::NegativeMotion]}},
                              {QStringLiteral("teams"), QJsonArray{details[ContestDetail::AffirmativeTeam],
                                                                   details[ContestDetail::NegativeTeam]}}};
    const QJsonObject state{{QStringLiteral("v"), 1},
                            {QStringLiteral("t"), double(nowMs)},
                            {QStringLiteral("contest"), contest},
                            {QStringLiteral("clock"), clockValue(hall, format)}};
    return QJsonDocument(state).toJson(QJsonDocument::Compact);
}

QByteArray viewerTimeJson(qint64 nowMs)
{
    return QJsonDocument(QJsonObject{{QStringLiteral("t"), double(nowMs)}}).toJson(QJsonDocument::Compact);
}

} // namespace Dovrel
