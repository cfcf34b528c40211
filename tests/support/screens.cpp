#include "support/screens.h"

#include "clocks/cross_examination_clock.h"
#include "clocks/dual_clock.h"
#include "clocks/single_side_clock.h"
#include "clocks/stage_handover.h"
#include "menu/main_menu.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

namespace Dovrel::Testing {

namespace {

void handOverLimit(TestApp &t, const QString &limit)
{
    t.screen<Form5>()->Text1->setText(limit);
}

} // namespace

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
    handOverLimit(t, limit);
    t.screen<Form5>()->Text2->setText(name);
    return openScreen<Form17>(t);
}

Form6 *openDualClock(TestApp &t, const QString &limit, const QString &title)
{
    handOverLimit(t, limit);
    Form6 *clock = t.screen<Form6>();
    if (!title.isNull())
        clock->Label1->setText(title);
    clock->show();
    return clock;
}

Form18 *openCrossExaminationClock(TestApp &t, const QString &limit)
{
    handOverLimit(t, limit);
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

} // namespace Dovrel::Testing
