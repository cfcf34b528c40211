#pragma once

#include "core/contest_details.h"
#include "core/line_file.h"
#include "core/stage_boxes.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace Dovrel {

class AppPaths;

// The six settings files, each one value per line identified by its position.
namespace SettingsFiles {
inline constexpr int NumSetLines = ContestDetailCount;
inline constexpr int TimeSetLines = StageBoxCount;
inline constexpr int SoundSetLines = 4;
inline constexpr int NameSetLines = 7;
inline constexpr int ViwerSetLines = 4;
inline constexpr int ScoreLines = 2;

inline const QString NumSet = QStringLiteral("NumSet.ini");
inline const QString TimeSet = QStringLiteral("TimeSet.ini");
inline const QString SoundSet = QStringLiteral("SoundSet.ini");
inline const QString NameSet = QStringLiteral("NameSet.ini");
inline const QString ViwerSet = QStringLiteral("ViwerSet.ini");
inline const QString Score = QStringLiteral("Score.ini");
} // namespace SettingsFiles

// A settings page's file as the text of its boxes: exactly `count` texts; a missing file or a short one leaves
// the boxes past what could be read empty.
QStringList readTextSettings(const AppPaths &paths, const QString &fileName, int count);
SaveResult writeTextSettings(const AppPaths &paths, const QString &fileName, const QStringList &values);

// Font and colour of one styled text; a value that is missing or not a number stays unset, so the screen keeps
// its design value.
struct TextStyle
{
    QString fontName;
    std::optional<double> fontSize;
    std::optional<qint32> colour;
};

// NameSet.ini: the contest title screen's two zones and its background colour.
struct TitleStyle
{
    TextStyle zoneOne;
    TextStyle zoneTwo;
    std::optional<qint32> background;
};

// ViwerSet.ini: the audience screen's heading and its background colour.
struct AudienceStyle
{
    TextStyle text;
    std::optional<qint32> background;
};

TitleStyle readTitleStyle(const AppPaths &paths);
SaveResult writeTitleStyle(const AppPaths &paths, const TitleStyle &style);
AudienceStyle readAudienceStyle(const AppPaths &paths);
SaveResult writeAudienceStyle(const AppPaths &paths, const AudienceStyle &style);

} // namespace Dovrel
