#include "core/report_text.h"

#include "core/system_time.h"

#include <QFileInfo>
#include <QLocale>

namespace Dovrel {

namespace {

QString blanks(int count)
{
    return QString(count, QLatin1Char(' '));
}

// A row of captioned details from `first` on: seven blanks in front, four between a value and the next caption
// whatever the value's length (no columns).
QString captionRow(const QStringList &captions, const QStringList &details, ContestDetail first)
{
    QString row = blanks(7);
    for (qsizetype i = 0; i < captions.size(); ++i) {
        if (i > 0)
            row += blanks(4);
        row += captions.at(i) + QStringLiteral("：") + details.at(int(first) + i);
    }
    return row;
}

} // namespace

ReportStamp reportStamp(const QDateTime &moment)
{
    return {programLocale().toString(moment.date(), QLocale::ShortFormat), systemTimeText(moment.time())};
}

QStringList reportLines(const ReportFacts &facts)
{
    QStringList d = facts.details;
    while (d.size() < ContestDetailCount)
        d.append(QString());
    const auto detail = [&d](ContestDetail which) { return d.at(int(which)); };
    const QStringList speakers{QStringLiteral("一辩"), QStringLiteral("二辩"), QStringLiteral("三辩"),
                               QStringLiteral("四辩")};

    return {
        QString(),
        blanks(35) + QStringLiteral("辩论赛报表"),
        QString(),
        blanks(55) + facts.stamp.date + QLatin1Char('-') + facts.stamp.time,
        QString(76, QLatin1Char('_')),
        QString(),
        QStringLiteral("比赛名称：") + detail(ContestDetail::ContestName),
        QStringLiteral("组织单位名称：") + detail(ContestDetail::Organiser),
        QString(),
        QStringLiteral("正方辩题：") + detail(ContestDetail::AffirmativeMotion),
        QStringLiteral("反方辩题：") + detail(ContestDetail::NegativeMotion),
        QString(),
        QStringLiteral("正方代表队名称：") + detail(ContestDetail::AffirmativeTeam),
        QStringLiteral("反方代表队名称：") + detail(ContestDetail::NegativeTeam),
        QString(),
        QStringLiteral("正方队员"),
        QString(),
        captionRow(speakers, d, ContestDetail::AffirmativeFirstSpeaker),
        QString(),
        QStringLiteral("反方队员"),
        QString(),
        captionRow(speakers, d, ContestDetail::NegativeFirstSpeaker),
        QString(),
        QStringLiteral("评 委"),
        QString(),
        captionRow(
            {QStringLiteral("评委一"), QStringLiteral("评委二"), QStringLiteral("评委三"), QStringLiteral("评委四")}, d,
            ContestDetail::JudgeOne),
        QString(),
        captionRow(
            {QStringLiteral("评委五"), QStringLiteral("评委六"), QStringLiteral("评委七"), QStringLiteral("评委八")}, d,
            ContestDetail::JudgeFive),
        QString(),
        captionRow({QStringLiteral("评委九")}, d, ContestDetail::JudgeNine),
        QString(),
        QStringLiteral("双方最终得分"),
        blanks(12) + QStringLiteral("正方总成绩：") + facts.affirmativeTotal,
        blanks(12) + QStringLiteral("反方总成绩：") + facts.negativeTotal,
        QString(),
        QStringLiteral("比赛获胜方：") + facts.winner,
    };
}

QString reportText(const ReportFacts &facts)
{
    QString text;
    for (const QString &line : reportLines(facts))
        text += line + QStringLiteral("\r\n");
    return text;
}

QString reportFileName(const QString &chosen)
{
    const QString name = QFileInfo(chosen).fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (name.isEmpty() || (dot >= 0 && dot < name.size() - 1))
        return chosen;
    return chosen + (dot < 0 ? QStringLiteral(".txt") : QStringLiteral("txt"));
}

} // namespace Dovrel
