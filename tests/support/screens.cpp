#include "support/screens.h"

#include "about/about_author.h"
#include "about/about_software.h"
#include "check/check_screen.h"
#include "clocks/cross_examination_clock.h"
#include "clocks/dual_clock.h"
#include "clocks/single_side_clock.h"
#include "clocks/stage_handover.h"
#include "displays/audience_screen.h"
#include "displays/judges_screen.h"
#include "displays/motions_screen.h"
#include "displays/rules_screen.h"
#include "displays/speakers_screen.h"
#include "displays/teams_screen.h"
#include "displays/title_screen.h"
#include "menu/main_menu.h"
#include "menu/splash_screen.h"
#include "scores/report_screen.h"
#include "scores/result_screen.h"
#include "scores/score_entry.h"
#include "settings/contest_details_page.h"
#include "settings/sound_page.h"
#include "settings/stages_page.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEvent>
#include <QTest>
#include <QTimer>

namespace Dovrel::Testing {

void closeScreen(Screen *screen)
{
    screen->close();
    flushDeletes();
}

void closeToMenu(TestApp &t, Screen *screen, const QList<QTimer *> &stoppedTimers)
{
    const QString name = screen->objectName();
    QVERIFY(screen->close());
    // Before the window goes: a timer left running would fire until the event loop deletes it.
    for (const QTimer *timer : stoppedTimers)
        QVERIFY2(!timer->isActive(), qPrintable(timer->objectName()));
    QVERIFY(t.screen<MainMenu>()->isVisible());
    QVERIFY(!t.app().screens().isLoaded(name));
    flushDeletes();
}

namespace {

template <class... Screens> Screen *loadByName(TestApp &t, const QString &name)
{
    Screen *found = nullptr;
    ((found = found || name != QLatin1String(Screens::ScreenName) ? found : t.screen<Screens>()), ...);
    return found;
}

} // namespace

Screen *loadScreen(TestApp &t, const QString &name)
{
    return loadByName<SplashScreen, ContestDetailsPage, StagesPage, MainMenu, StageHandover, DualClock, MotionsScreen,
                      TeamsScreen, SoundPage, RulesScreen, ResultScreen, ReportScreen, TitleScreen, SpeakersScreen,
                      JudgesScreen, ScoreEntry, SingleSideClock, CrossExaminationClock, AboutAuthor, AudienceScreen,
                      AboutSoftware, CheckScreen>(t, name);
}

SingleSideClock *openSingleSideClock(TestApp &t, const QString &limit, const QString &name)
{
    t.app().contest().handOverLimit(limit);
    t.app().contest().handOverName(name);
    return openScreen<SingleSideClock>(t);
}

DualClock *openDualClock(TestApp &t, const QString &limit, const QString &title)
{
    t.app().contest().handOverLimit(limit);
    DualClock *clock = t.screen<DualClock>();
    if (!title.isNull())
        clock->setTitle(title);
    clock->show();
    return clock;
}

CrossExaminationClock *openCrossExaminationClock(TestApp &t, const QString &limit)
{
    t.app().contest().handOverLimit(limit);
    return openScreen<CrossExaminationClock>(t);
}

void startTwiceThenStep(ScriptedPlatform &platform, QAbstractButton *start, QTimer *countdown)
{
    platform.nowMs = 10'000;
    start->click();
    platform.nowMs = 10'500;
    start->click();
    platform.nowMs = 11'003;
    tick(countdown);
}

SplashStart::SplashStart(TestApp &t)
{
    QCoreApplication::instance()->installEventFilter(this);
    t.app().start();
}

SplashStart::~SplashStart()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

bool SplashStart::eventFilter(QObject *watched, QEvent *event)
{
    return event->type() == QEvent::Timer && qobject_cast<QTimer *>(watched) &&
           qobject_cast<SplashScreen *>(watched->parent());
}

} // namespace Dovrel::Testing
