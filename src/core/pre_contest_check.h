#pragma once

#include "core/alert_sounds.h"
#include "core/countdown.h"
#include "core/stage_boxes.h"
#include "core/wave_check.h"

#include <QList>
#include <QString>

#include <optional>

namespace Dovrel {

// What the check before a contest says: √ fine, × the hall would notice, ! worth a look. The marks are in GBK, so
// every Chinese face draws them.
enum class FindingKind { Fault, Note, Fine };

struct Finding
{
    FindingKind kind = FindingKind::Fine;
    QString text;
};

// "×", "!" or "√", and the colour it is drawn in (red, amber, green) as 0xRRGGBB.
QString findingMark(FindingKind kind);
unsigned findingColour(FindingKind kind);
// One finding a line, the faults first, then the notes, then what is fine.
QString findingsText(const QList<Finding> &findings);

// The thirteen stage limits in the order of the stages page: the five presets, then custom stages one to eight.
// A preset has a fixed name and no name box.
struct StageBoxes
{
    QString presetName;
    int customNumber = 0; // 1 … 8 for a custom stage
    StageBox limitBox = StageBox::OpeningLimit;
    std::optional<StageBox> nameBox;
};
const QList<StageBoxes> &checkedStages();
// How a finding names a stage: a preset by its name, a custom stage by its number and the name it was given
// ("环节七 自由辩论", or "环节二" while it has none).
QString stageTitle(const StageBoxes &stage, const QString &name);

struct AlertSoundFacts
{
    Alert alert = Alert::Warning;
    int choice = -1; // the chosen option, -1 for none
    WaveStatus status = WaveStatus::Missing;
};

struct StageLimitFacts
{
    QString title; // stageTitle()
    QString limit;
};

struct ContestDetailFacts
{
    QString caption; // "正方辩题"
    QString text;
};

struct FaceFacts
{
    QString design; // a face the designs name: "宋体"
    QString used;   // the face the system draws it with
};

// Everything the check looks at, gathered from the live settings and the system.
struct CheckFacts
{
    int soundDevices = 0;
    bool soundOutputOpens = false;
    QList<AlertSoundFacts> sounds;
    CountdownFormat format = CountdownFormat::None;
    QList<StageLimitFacts> stages;
    bool configWritable = false;
    QList<ContestDetailFacts> details;
    QList<FaceFacts> faces;
    // The display the hall watches, as a multiple of the design size (1 when it is the design size), and whether the
    // hall screens' text grows with it.
    double hallScale = 1;
    bool hallTextScaled = false;
};

QList<Finding> checkFindings(const CheckFacts &facts);

// Whether a file can be made in `folder`: a temporary file is created there and removed again.
bool folderWritable(const QString &folder);

} // namespace Dovrel
