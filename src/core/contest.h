#pragma once

#include "core/contest_details.h"
#include "core/countdown.h"
#include "core/line_file.h"
#include "core/stage_boxes.h"

#include <QObject>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>

namespace Dovrel {

class AppPaths;

// The three settings files a settings page edits, and their names under config/.
enum class PageFile { Details, Stages, Alerts };
QString settingsFileName(PageFile file);

// NumSet.ini: the contest's details, one a line.
struct ContestDetails
{
    QStringList lines;
    QString operator[](ContestDetail detail) const;
};

// TimeSet.ini: the stages' names and limits as typed, one a line.
struct StageSettings
{
    QStringList lines;
    QString name(StageBox box) const;
    QString limit(StageBox box) const;
};

// SoundSet.ini: four keywords. Each choice is the option whose keyword its line holds exactly; a line holding
// anything else chooses nothing.
struct AlertSettings
{
    QStringList lines;
    // The chosen sound of each alert, 0 … 3, or -1.
    int warningChoice() const;
    int timeUpChoice() const;
    // Whether the main menu shows the time of day ("显示").
    bool timeShown() const;
    CountdownFormat format() const;
};

// The keywords of SoundSet.ini.
QString soundKeyword(int choice);
QString formatKeyword(CountdownFormat format);
QString timeShownKeyword(bool shown);
int soundChoiceOf(const QString &keyword);
CountdownFormat formatOf(const QString &keyword);
// The design names of the two stages the stages page cannot enter ("攻辩 " keeps its trailing blank).
QString stageThreeDesignName();
QString stageSevenDesignName();

// Score.ini: the two sides' totals as typed.
struct ScoreTotals
{
    QString affirmative;
    QString negative;
};

// What the main menu hands a clock: the current stage's limit as typed and its name; each field keeps its last
// value until the next stage overwrites it.
struct HandedOverStage
{
    QString limit;
    QString name;
};

// The contest's values, one object for the whole program. Every screen reads them here; the settings pages edit
// them. While a page is loaded its values are the page's, edits not yet saved included; once it is unloaded they
// are the file's again. A value asked for while its page is not loaded loads the page unseen, as reading one of
// its boxes would: the program tells each file how (`setPageLoader`); without that the file is read directly.
class Contest final : public QObject
{
    Q_OBJECT

public:
    explicit Contest(const AppPaths &paths);

    ContestDetails details();
    StageSettings stages();
    AlertSettings alerts();

    // The page's side: its file read afresh as it loads, each edit as it is made, its save, and its unload.
    QStringList lines(PageFile file);
    void loadFromFile(PageFile file);
    void setLine(PageFile file, int line, const QString &text);
    SaveResult save(PageFile file);
    void release(PageFile file);
    void setPageLoader(PageFile file, std::function<void()> load);

    // Read afresh from the file each time; written by the score entry.
    ScoreTotals scores() const;
    SaveResult saveScores(const ScoreTotals &totals);

    HandedOverStage handedOver() const;
    void handOverLimit(const QString &limit);
    void handOverName(const QString &name);

signals:
    void changed(PageFile file);
    void handedOverChanged();

private:
    struct Held
    {
        std::optional<QStringList> lines;
        std::function<void()> loadPage;
    };
    Held &held(PageFile file);
    QStringList readFile(PageFile file) const;

    const AppPaths &m_paths;
    std::array<Held, 3> m_held;
    HandedOverStage m_handedOver;
};

} // namespace Dovrel
