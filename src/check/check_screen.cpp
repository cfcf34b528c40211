#include "check/check_screen.h"

#include "core/alert_sounds.h"
#include "core/contest_details.h"
#include "core/design_faces.h"
#include "core/layout_tag.h"
#include "core/pre_contest_check.h"
#include "platform/platform.h"
#include "shell/alert_player.h"
#include "shell/application.h"
#include "shell/controls.h"
#include "shell/messages.h"
#include "shell/small_window.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QFontInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSize>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace Dovrel {

namespace {

// The window and its two buttons, side by side in the middle of its width, in twips.
constexpr QSize Size(7800, 6000);
constexpr int ButtonWidth = 1455;
constexpr int ButtonsLeft = (Size.width() - 2 * ButtonWidth - 480) / 2;
constexpr int SecondButtonLeft = Size.width() - ButtonsLeft - ButtonWidth;

// Long enough for the warning to be heard before the time-up sound replaces it.
constexpr int SecondSoundDelayMs = 2000;

// The contest details the screens show in large type, by their box on the contest details page.
struct ShownDetail
{
    const char16_t *caption;
    ContestDetail detail;
};
constexpr ShownDetail ShownDetails[] = {{u"正方辩题", ContestDetail::AffirmativeMotion},
                                        {u"反方辩题", ContestDetail::NegativeMotion},
                                        {u"正方代表队", ContestDetail::AffirmativeTeam},
                                        {u"反方代表队", ContestDetail::NegativeTeam}};

} // namespace

CheckScreen::CheckScreen(Application &app) : Screen(app)
{
    setDesignClientSize(Size.width(), Size.height());
    setFont(designFont(QStringLiteral("宋体"), 10.5));
    fixSmallWindow(this);
    // Over the menu it was opened from, so the timekeeper can put right what it finds and check again.
    setShown(Shown::OverMenu);

    makeSmallWindowHeading(this, caption(), Size.width());

    Text1 = makeControl<QPlainTextEdit>(this, QStringLiteral("Text1"), 240, 840, Size.width() - 480, 3960);
    Text1->setReadOnly(true);
    setBackColour(Text1, QColor(255, 255, 255));

    Check1 = makeControl<QCheckBox>(this, QStringLiteral("Check1"), 240, 4920, Size.width() - 480, 375);
    Check1->setText(QStringLiteral("大屏幕上的文字随屏幕放大（投影显示器比设计尺寸大得多时）"));

    QPushButton *checkAgain =
        makeButton(this, QStringLiteral("Command1"), ButtonsLeft, 5400, ButtonWidth, QStringLiteral("重新检查"));
    QPushButton *listen =
        makeButton(this, QStringLiteral("Command2"), SecondButtonLeft, 5400, ButtonWidth, QStringLiteral("试听提示音"));

    makeCaptionTimer(QStringLiteral("Timer1"), caption());
    Timer2 = makeTimer(this, QStringLiteral("Timer2"), SecondSoundDelayMs, false);
    Timer2->setSingleShot(true);

    connect(Timer2, &QTimer::timeout, this, &CheckScreen::playTimeUpSound);
    connect(checkAgain, &QPushButton::clicked, this, &CheckScreen::runCheck);
    connect(listen, &QPushButton::clicked, this, &CheckScreen::playChosenSounds);
    connect(Check1, &QCheckBox::clicked, this, &CheckScreen::scaleHallText);
}

QString CheckScreen::caption()
{
    return QStringLiteral("赛前检查");
}

void CheckScreen::load()
{
    setWindowTitle(caption());
    Check1->setChecked(app().hallTextScaled());
    runCheck();
}

void CheckScreen::runCheck()
{
    Contest &contest = app().contest();
    const AlertSettings sounds = contest.alerts();
    const StageSettings stages = contest.stages();
    const ContestDetails details = contest.details();

    CheckFacts facts;
    facts.soundDevices = app().platform().soundDeviceCount();
    facts.soundOutputOpens = facts.soundDevices > 0 && app().platform().soundOutputOpens();
    const std::pair<Alert, int> alerts[] = {{Alert::Warning, sounds.warningChoice()},
                                            {Alert::TimeUp, sounds.timeUpChoice()}};
    for (const auto &[alert, choice] : alerts) {
        const QString path = alertSoundPath(alert, choice);
        const WaveStatus status = path.isEmpty() ? WaveStatus::Missing : checkWaveFile(app().paths().dataPath(path));
        facts.sounds.append({alert, choice, status});
    }
    facts.format = sounds.format();
    for (const StageBoxes &stage : checkedStages()) {
        const QString name = stage.nameBox ? stages.name(*stage.nameBox) : QString();
        facts.stages.append({stageTitle(stage, name), stages.limit(stage.limitBox)});
    }
    facts.configWritable = folderWritable(app().paths().dataPath(QStringLiteral("config")));
    for (const ShownDetail &detail : ShownDetails)
        facts.details.append({QString::fromUtf16(detail.caption), details[detail.detail]});
    for (const QString &face : designFaces())
        facts.faces.append({face, QFontInfo(QFont(face)).family()});
    facts.hallScale = hallScale();
    facts.hallTextScaled = app().hallTextScaled();

    showFindings(checkFindings(facts));
}

double CheckScreen::hallScale()
{
    const QScreen *hall = app().hallDisplay();
    if (!hall)
        return 1;
    const QSize shown = hall->availableGeometry().size();
    return std::min(double(shown.width()) / twipsToPixels(DesignWidth),
                    double(shown.height()) / twipsToPixels(DesignHeight));
}

void CheckScreen::showFindings(const QList<Finding> &findings)
{
    Text1->clear();
    // Each mark in its colour; the text itself stays plain.
    for (const Finding &finding : findings) {
        const QString colour = QStringLiteral("#%1").arg(findingColour(finding.kind), 6, 16, QLatin1Char('0'));
        Text1->appendHtml(QStringLiteral("<span style=\"color:%1\"><b>%2</b></span> %3")
                              .arg(colour, findingMark(finding.kind), finding.text.toHtmlEscaped()));
    }
    Text1->moveCursor(QTextCursor::Start);
}

void CheckScreen::scaleHallText(bool on)
{
    app().setHallTextScaled(on);
    runCheck();
}

void CheckScreen::playChosenSounds()
{
    const AlertSettings sounds = app().contest().alerts();
    Timer2->stop();
    m_timeUpSound.clear();
    QStringList playable;
    QStringList missing;
    for (const QString &sound : {alertSoundPath(Alert::Warning, sounds.warningChoice()),
                                 alertSoundPath(Alert::TimeUp, sounds.timeUpChoice())}) {
        if (sound.isEmpty())
            continue;
        const QFileInfo file(app().paths().dataPath(sound));
        if (file.isFile() && file.isReadable())
            playable.append(sound);
        else
            missing.append(systemSeparators(sound));
    }
    // Silence never passes for a bell that works: what cannot play is named.
    if (!missing.isEmpty())
        notify(this, QStringLiteral("无法试听，找不到声音文件：\n") + missing.join(QLatin1Char('\n')));
    if (playable.isEmpty())
        return;
    // Without a working device the timekeeper has been told so once; a second message would say nothing new.
    if (playAlertFile(this, playable.constFirst()) == SoundStart::Playing && playable.size() > 1) {
        m_timeUpSound = playable.at(1);
        Timer2->start();
    }
}

void CheckScreen::playTimeUpSound()
{
    // Played once per press of the button.
    const QString sound = std::exchange(m_timeUpSound, QString());
    if (!sound.isEmpty())
        playAlertFile(this, sound);
}

} // namespace Dovrel
