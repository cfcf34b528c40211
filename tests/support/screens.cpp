#include "support/screens.h"

#include "clocks/cross_examination_clock.h"
#include "clocks/dual_clock.h"
#include "clocks/single_side_clock.h"
#include "clocks/stage_handover.h"
#include "menu/main_menu.h"
#include "menu/splash_screen.h"

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
    QVERIFY(t.screen<Form4>()->isVisible());
    QVERIFY(!t.app().screens().isLoaded(name));
    flushDeletes();
}

Form17 *openSingleSideClock(TestApp &t, const QString &limit, const QString &name)
{
    Form5 *handover = t.screen<Form5>();
    handover->handOverLimit(limit);
    handover->handOverName(name);
    return openScreen<Form17>(t);
}

Form6 *openDualClock(TestApp &t, const QString &limit, const QString &title)
{
    t.screen<Form5>()->handOverLimit(limit);
    Form6 *clock = t.screen<Form6>();
    if (!title.isNull())
        clock->setTitle(title);
    clock->show();
    return clock;
}

Form18 *openCrossExaminationClock(TestApp &t, const QString &limit)
{
    t.screen<Form5>()->handOverLimit(limit);
    return openScreen<Form18>(t);
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
           qobject_cast<Form1 *>(watched->parent());
}

} // namespace Dovrel::Testing
