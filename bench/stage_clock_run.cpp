#include "stage_clock_run.h"

#include "clocks/single_side_clock.h"
#include "core/contest.h"
#include "shell/application.h"

#include <QEventLoop>
#include <QPushButton>
#include <QTimer>

#include <chrono>

namespace Dovrel::Bench {

std::vector<double> runStageClock(Application &app, int seconds)
{
    using Clock = std::chrono::steady_clock;
    app.contest().handOverLimit(QString::number(seconds));
    SingleSideClock *clock = app.screens().screen<SingleSideClock>();
    clock->show();
    QEventLoop settle;
    QTimer::singleShot(500, &settle, &QEventLoop::quit);
    settle.exec();

    std::vector<double> steps;
    QEventLoop loop;
    Clock::time_point start;
    int seen = clock->remainingSeconds();
    // Connected after the clock's own slot, so it runs right after each step has been taken and drawn.
    QObject::connect(
        clock->findChild<QTimer *>(QStringLiteral("Timer1")), &QTimer::timeout, &loop,
        [&] {
            const double at = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            for (const int now = clock->remainingSeconds(); seen > now; --seen)
                steps.push_back(at);
            if (seen <= 0)
                loop.quit();
        },
        Qt::DirectConnection);
    start = Clock::now();
    clock->findChild<QPushButton *>(QStringLiteral("Command3"))->click();
    loop.exec();
    app.screens().unload(clock);
    return steps;
}

std::vector<double> latenessOf(const std::vector<double> &steps)
{
    std::vector<double> lateness;
    for (std::size_t i = 0; i < steps.size(); ++i)
        lateness.push_back(steps[i] - 1000.0 * static_cast<double>(i + 1));
    return lateness;
}

} // namespace Dovrel::Bench
