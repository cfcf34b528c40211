#pragma once

#include "support/test_app.h"

#include <QList>
#include <QObject>
#include <QString>

class QAbstractButton;
class QTimer;

namespace Dovrel {
class MainMenu;
class DualClock;
class SingleSideClock;
class CrossExaminationClock;
class Screen;
} // namespace Dovrel

namespace Dovrel::Testing {

// Loads a screen as any reference to it does, unseen, and shows it.
template <class T> T *openScreen(TestApp &t)
{
    T *screen = t.screen<T>();
    screen->show();
    return screen;
}

// Shows the main menu and then the window over it, as the menu's buttons for the about windows do.
template <class T> T *openOverMenu(TestApp &t)
{
    openScreen<MainMenu>(t);
    return openScreen<T>(t);
}

// Loads the screen of that name ("Form17") unseen, as the program would on its first reference.
Screen *loadScreen(TestApp &t, const QString &name);

// Closes a screen and lets its window go, as the event loop would after the close.
void closeScreen(Screen *screen);

// Closes a screen as its window's close button does and lets its window go, checking that the main menu is in front
// again, the screen unloaded and the given timers of the screen stopped at the close.
void closeToMenu(TestApp &t, Screen *screen, const QList<QTimer *> &stoppedTimers = {});

// The clocks as the main menu opens them: the stage is handed over first, then the clock loads and shows.
SingleSideClock *openSingleSideClock(TestApp &t, const QString &limit,
                                     const QString &name = QStringLiteral("开篇陈词"));
// A null title leaves the clock the title it finds itself, as custom stage eight does.
DualClock *openDualClock(TestApp &t, const QString &limit, const QString &title = QStringLiteral("自由辩论"));
CrossExaminationClock *openCrossExaminationClock(TestApp &t, const QString &limit);

// Starts a countdown at 10 s and presses its start button again half a second later, as a hurried timekeeper might;
// the first step then comes 3 ms after its deadline, at 11.003 s.
void startTwiceThenStep(ScriptedPlatform &platform, QAbstractButton *start, QTimer *countdown);

// Starts the program as its main function does and holds back the real ticks of the splash's fade timer for as long
// as it lives, so that the test alone steps the fade: the splash processes the pending events as it shows, and a tick
// that fell due by then would move the fade before the test reads it.
class SplashStart : public QObject
{
public:
    explicit SplashStart(TestApp &t);
    ~SplashStart() override;

    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace Dovrel::Testing
