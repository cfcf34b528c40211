#include "check/check_screen.h"

#include "core/alert_sounds.h"
#include "core/contest_details.h"
#include "core/design_faces.h"
#include "core/pre_contest_check.h"
#include "platform/platform.h"
#include "settings/contest_details_page.h"
#include "settings/sound_page.h"
#include "settings/stages_page.h"
#include "shell/alert_player.h"
#include "shell/application.h"
#include "shell/controls.h"
#include "shell/life_cycle.h"
#include "shell/small_window.h"

#include <QFontInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>

#include <utility>

namespace Dovrel {

namespace {

constexpr int Width = 7800;
constexpr int Height = 6000;
constexpr int ButtonWidth = 1455;
constexpr int ButtonGap = 480;

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

Form22::Form22(Application &app)
    : Screen(app)
{
    setDesignClientSize(Width, Height);
    setFont(designFont(QStringLiteral("宋体"), 10.5));
    fixSmallWindow(this);

    Label1 = makeSmallWindowHeading(this, caption(), Width);

    Text1 = makeControl<QPlainTextEdit>(this, QStringLiteral("Text1"), 240, 840, Width - 480, 4320);
    Text1->setReadOnly(true);
    setBackColour(Text1, QColor(255, 255, 255));

    const int buttonsLeft = (Width - 2 * ButtonWidth - ButtonGap) / 2;
    Command1 = makeButton(this, QStringLiteral("Command1"), buttonsLeft, 5400, ButtonWidth, QStringLiteral("重新检查"));
    Command2 = makeButton(this, QStringLiteral("Command2"), buttonsLeft + ButtonWidth + ButtonGap, 5400, ButtonWidth,
                          QStringLiteral("试听提示音"));

    Timer1 = makeCaptionTimer(QStringLiteral("Timer1"), caption());
    Timer2 = makeTimer(this, QStringLiteral("Timer2"), SecondSoundDelayMs, false);
    Timer2->setSingleShot(true);

    connect(Timer2, &QTimer::timeout, this, &Form22::playTimeUpSound);
    connect(Command1, &QPushButton::clicked, this, &Form22::runCheck);
    connect(Command2, &QPushButton::clicked, this, &Form22::playChosenSounds);
}

QString Form22::caption()
{
    return QStringLiteral("赛前检查");
}

void Form22::load()
{
    setWindowTitle(caption());
    runCheck();
}

void Form22::showEvent(QShowEvent *event)
{
    Screen::showEvent(event);
    if (event->spontaneous())
        return;
    // Over the menu it was opened from, or in the middle of the timekeeper's display when the menu is not up.
    const Screen *menu = app().screens().loaded(QStringLiteral("Form4"));
    if (menu && menu->isVisible())
        move(menu->frameGeometry().center() - frameGeometry().center() + pos());
    else
        centreOnScreen(this);
}

void Form22::runCheck()
{
    ScreenRegistry &screens = app().screens();
    const Form9 *sounds = screens.screen<Form9>();
    const Form3 *stages = screens.screen<Form3>();
    const Form2 *details = screens.screen<Form2>();

    CheckFacts facts;
    facts.soundDevices = app().platform().soundDeviceCount();
    const std::pair<Alert, int> alerts[] = {{Alert::Warning, sounds->warningChoice()},
                                            {Alert::TimeUp, sounds->timeUpChoice()}};
    for (const auto &[alert, choice] : alerts) {
        const QString path = alertSoundPath(alert, choice);
        const WaveStatus status = path.isEmpty() ? WaveStatus::Missing : checkWaveFile(app().paths().dataPath(path));
        facts.sounds.append({alert, choice, status});
    }
    facts.format = sounds->countdownFormat();
    for (const StageBoxes &stage : checkedStages()) {
        const QString name = stage.nameBox ? stages->stageName(*stage.nameBox) : QString();
        facts.stages.append({stageTitle(stage, name), stages->stageLimit(stage.limitBox)});
    }
    facts.configWritable = folderWritable(app().paths().dataPath(QStringLiteral("config")));
    for (const ShownDetail &detail : ShownDetails)
        facts.details.append({QString::fromUtf16(detail.caption), details->detail(detail.detail)});
    for (const QString &face : designFaces())
        facts.faces.append({face, QFontInfo(QFont(face)).family()});

    Text1->setPlainText(findingsText(checkFindings(facts)));
}

void Form22::playChosenSounds()
{
    const Form9 *sounds = app().screens().screen<Form9>();
    const QString warning = alertSoundPath(Alert::Warning, sounds->warningChoice());
    const QString timeUp = alertSoundPath(Alert::TimeUp, sounds->timeUpChoice());
    Timer2->stop();
    m_timeUpSound.clear();
    if (warning.isEmpty()) {
        if (!timeUp.isEmpty())
            playAlertFile(this, timeUp);
        return;
    }
    playAlertFile(this, warning);
    // Without a device the timekeeper has been told so once; a second message would say nothing new.
    if (!timeUp.isEmpty() && app().platform().soundDeviceCount() > 0) {
        m_timeUpSound = timeUp;
        Timer2->start();
    }
}

void Form22::playTimeUpSound()
{
    // Played once per press of the button.
    const QString sound = std::exchange(m_timeUpSound, QString());
    if (!sound.isEmpty())
        playAlertFile(this, sound);
}

} // namespace Dovrel
