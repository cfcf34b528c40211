#include "core/pre_contest_check.h"

#include "core/app_paths.h"
#include "core/design_faces.h"
#include "core/limit_verdict.h"

#include <QFileInfo>
#include <QTemporaryFile>

#include <algorithm>

namespace Dovrel {

namespace {

QString alertCaption(Alert alert)
{
    return alert == Alert::Warning ? QStringLiteral("剩余30秒时提示音") : QStringLiteral("时间到时提示音");
}

QString waveStatusText(WaveStatus status)
{
    switch (status) {
    case WaveStatus::Playable:
        return QStringLiteral("可以播放");
    case WaveStatus::Missing:
        return QStringLiteral("不存在");
    case WaveStatus::Unreadable:
        return QStringLiteral("无法读取");
    case WaveStatus::NotWave:
        return QStringLiteral("不是 WAV 声音文件");
    case WaveStatus::UnplayableFormat:
        return QStringLiteral("声音格式无法播放（应为 8 位或 16 位 PCM，单声道或立体声）");
    case WaveStatus::NoSound:
        return QStringLiteral("没有声音数据");
    }
    return QString();
}

void addSoundFindings(const CheckFacts &facts, QList<Finding> &findings)
{
    if (facts.soundDevices < 1)
        findings.append({FindingKind::Fault, QStringLiteral("声音输出设备：未找到，提示音无法播放")});
    else if (!facts.soundOutputOpens)
        findings.append(
            {FindingKind::Fault,
             QStringLiteral("声音输出设备：找到 %1 个，但无法打开，提示音无法播放").arg(facts.soundDevices)});
    else
        findings.append({FindingKind::Fine, QStringLiteral("声音输出设备：找到 %1 个").arg(facts.soundDevices)});

    for (const AlertSoundFacts &sound : facts.sounds) {
        const QString caption = alertCaption(sound.alert) + QStringLiteral("：");
        const QString path = alertSoundPath(sound.alert, sound.choice);
        if (path.isEmpty()) {
            findings.append({FindingKind::Fault, caption + QStringLiteral("未选择，到时不会发声")});
            continue;
        }
        const FindingKind kind = sound.status == WaveStatus::Playable ? FindingKind::Fine : FindingKind::Fault;
        findings.append({kind, caption + systemSeparators(path) + QLatin1Char(' ') + waveStatusText(sound.status)});
    }

    // The dual and cross-examination clocks fall back to seconds; the single-side clock shows nothing.
    if (facts.format == CountdownFormat::None)
        findings.append({FindingKind::Fault, QStringLiteral("倒计时显示格式：未选择，单方计时屏幕不显示剩余时间")});
    else
        findings.append({FindingKind::Fine, QStringLiteral("倒计时显示格式：已选择")});
}

void addStageFindings(const CheckFacts &facts, QList<Finding> &findings)
{
    int fine = 0;
    for (const StageLimitFacts &stage : facts.stages) {
        const LimitVerdict verdict = limitVerdict(stage.limit);
        if (verdict.fine)
            ++fine;
        else
            findings.append({FindingKind::Fault, stage.title + QStringLiteral("：") + verdict.sentence});
    }
    if (fine == 0)
        return;
    const QString range = QStringLiteral("1 至 %1 秒的整数").arg(LargestLimit);
    if (fine == facts.stages.size())
        findings.append({FindingKind::Fine, QStringLiteral("%1 个环节的限时都是 ").arg(fine) + range});
    else
        findings.append({FindingKind::Fine, QStringLiteral("其余 %1 个环节的限时是 ").arg(fine) + range});
}

void addDetailFindings(const CheckFacts &facts, QList<Finding> &findings)
{
    bool allFilled = true;
    for (const ContestDetailFacts &detail : facts.details) {
        if (detail.text.trimmed().isEmpty()) {
            findings.append({FindingKind::Note, detail.caption + QStringLiteral("：未填写")});
            allFilled = false;
        }
    }
    if (allFilled && !facts.details.isEmpty())
        findings.append({FindingKind::Fine, QStringLiteral("双方辩题和代表队：都已填写")});
}

void addFaceFindings(const CheckFacts &facts, QList<Finding> &findings)
{
    QStringList installed;
    for (const FaceFacts &face : facts.faces) {
        if (isDesignFace(face.design, face.used))
            installed.append(face.design);
        else
            findings.append(
                {FindingKind::Note, QStringLiteral("字体“%1”：未安装，以“%2”代替").arg(face.design, face.used)});
    }
    if (!installed.isEmpty())
        findings.append({FindingKind::Fine, QStringLiteral("字体已安装：") + installed.join(QStringLiteral("、"))});
}

// Beyond this the hall screens' design-size text looks small and their centred headings drift to the left.
constexpr double LargeHallDisplay = 1.5;

void addHallFindings(const CheckFacts &facts, QList<Finding> &findings)
{
    if (facts.hallScale > LargeHallDisplay && !facts.hallTextScaled)
        findings.append(
            {FindingKind::Note,
             systemSeparators(QStringLiteral("投影显示器是设计尺寸的 %1 倍，大屏幕的文字仍为设计字号；可在 "
                                             "config\\Dovrel.ini 的 [hall] 中设 scaleText=true，让文字随屏幕放大"))
                 .arg(QString::number(facts.hallScale, 'f', 1))});
}

} // namespace

QString findingMark(FindingKind kind)
{
    switch (kind) {
    case FindingKind::Fault:
        return QStringLiteral("×");
    case FindingKind::Note:
        return QStringLiteral("!");
    case FindingKind::Fine:
        break;
    }
    return QStringLiteral("√");
}

unsigned findingColour(FindingKind kind)
{
    switch (kind) {
    case FindingKind::Fault:
        return 0xD00000;
    case FindingKind::Note:
        return 0xC07000;
    case FindingKind::Fine:
        break;
    }
    return 0x008000;
}

QString findingsText(const QList<Finding> &findings)
{
    QStringList lines;
    for (const Finding &finding : findings)
        lines.append(findingMark(finding.kind) + QLatin1Char(' ') + finding.text);
    return lines.join(QLatin1Char('\n'));
}

const QList<StageBoxes> &checkedStages()
{
    static const QList<StageBoxes> stages = {
        {QStringLiteral("开篇陈词"), 0, StageBox::OpeningLimit, std::nullopt},
        {QStringLiteral("攻辩"), 0, StageBox::CrossExaminationLimit, std::nullopt},
        {QStringLiteral("攻辩小结"), 0, StageBox::SummaryLimit, std::nullopt},
        {QStringLiteral("自由辩论"), 0, StageBox::FreeDebateLimit, std::nullopt},
        {QStringLiteral("总结陈词"), 0, StageBox::ClosingLimit, std::nullopt},
        {QString(), 1, StageBox::StageOneLimit, StageBox::StageOneName},
        {QString(), 2, StageBox::StageTwoLimit, StageBox::StageTwoName},
        {QString(), 3, StageBox::StageThreeLimit, StageBox::StageThreeName},
        {QString(), 4, StageBox::StageFourLimit, StageBox::StageFourName},
        {QString(), 5, StageBox::StageFiveLimit, StageBox::StageFiveName},
        {QString(), 6, StageBox::StageSixLimit, StageBox::StageSixName},
        {QString(), 7, StageBox::StageSevenLimit, StageBox::StageSevenName},
        {QString(), 8, StageBox::StageEightLimit, StageBox::StageEightName},
    };
    return stages;
}

QString stageTitle(const StageBoxes &stage, const QString &name)
{
    if (stage.customNumber == 0)
        return stage.presetName;
    static const QString numbers = QStringLiteral("一二三四五六七八");
    const QString title = QStringLiteral("环节") + numbers.at(stage.customNumber - 1);
    const QString given = name.trimmed();
    // A blank, not brackets: names such as "自由辩论（加时）" bring their own.
    return given.isEmpty() ? title : title + QLatin1Char(' ') + given;
}

QList<Finding> checkFindings(const CheckFacts &facts)
{
    QList<Finding> findings;
    addSoundFindings(facts, findings);
    addStageFindings(facts, findings);
    const QString config = systemSeparators(QStringLiteral("config\\ 文件夹："));
    if (facts.configWritable)
        findings.append({FindingKind::Fine, config + QStringLiteral("可以写入")});
    else
        findings.append({FindingKind::Fault, config + QStringLiteral("无法写入，设置和成绩无法保存")});
    addHallFindings(facts, findings);
    addDetailFindings(facts, findings);
    addFaceFindings(facts, findings);
    // What needs doing comes first, so the top of the list says whether the hall is ready.
    std::stable_sort(findings.begin(), findings.end(),
                     [](const Finding &a, const Finding &b) { return a.kind < b.kind; });
    return findings;
}

bool folderWritable(const QString &folder)
{
    if (!QFileInfo(folder).isDir())
        return false;
    // Named apart from the settings files, so start-up never takes it for the leftover of a save.
    QTemporaryFile probe(folder + QStringLiteral("/dovrel-check.XXXXXX"));
    const bool written = probe.open() && probe.write("x", 1) == 1 && probe.flush();
    probe.remove();
    return written;
}

} // namespace Dovrel
