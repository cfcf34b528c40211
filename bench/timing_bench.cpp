// Timing accuracy of the single-side stage clock beside a plain QTimer, with one core kept busy.
//   dovrel_bench_timing [--seconds N] [--load THREADS] [--verbose]
// Each step's moment is compared with the ideal schedule start + n × 1000 ms: lateness per step, and the drift of
// the last step (its time minus start minus N seconds).
#include "bench_support.h"
#include "stage_clock_run.h"
#include "unattended.h"

#include "menu/program.h"
#include "shell/qt_process.h"

#include <QApplication>
#include <QEventLoop>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Busy threads competing with the event loop for the cores.
class Spinners
{
public:
    explicit Spinners(int count)
    {
        for (int i = 0; i < count; ++i)
            m_threads.emplace_back([this] {
                unsigned long spins = 0;
                while (!m_stop.load(std::memory_order_relaxed))
                    ++spins;
                m_spins.fetch_add(spins);
            });
    }
    ~Spinners()
    {
        m_stop = true;
        for (std::thread &thread : m_threads)
            thread.join();
    }

private:
    std::atomic<bool> m_stop = false;
    std::atomic<unsigned long> m_spins = 0;
    std::vector<std::thread> m_threads;
};

// Moments of steps 1 … N, in ms after the start.
using Steps = std::vector<double>;

void report(const char *name, const Steps &steps, int seconds, bool verbose)
{
    const std::vector<double> lateness = Dovrel::Bench::latenessOf(steps);
    if (verbose) {
        std::printf("  %s lateness per step (ms):", name);
        for (std::size_t i = 0; i < lateness.size(); ++i)
            std::printf("%s%.1f", i % 10 ? " " : "\n    ", lateness[i]);
        std::printf("\n");
    }
    // A coarse timer may also fire early, so the spread is shown both ways and the mean is of the size of the error.
    std::vector<double> error;
    for (const double late : lateness)
        error.push_back(std::abs(late));
    const double drift = steps.empty() ? 0 : steps.back() - 1000.0 * seconds;
    std::printf("  %s\n    steps %zu  lateness max %+.2f ms  (earliest %+.2f ms)  mean %+.2f ms  mean |error| %.2f ms\n"
                "    drift at the last step %+.2f ms\n",
                name, steps.size(), Dovrel::Bench::maximum(lateness), Dovrel::Bench::minimum(lateness),
                Dovrel::Bench::mean(lateness), Dovrel::Bench::mean(error), drift);
}

// The yardstick: a default QTimer firing every 1000 ms with a counter, no correction.
Steps runPlainTimer(int seconds)
{
    Steps steps;
    QEventLoop loop;
    QTimer timer;
    timer.setInterval(1000);
    int remaining = seconds;
    Clock::time_point start;
    QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
        steps.push_back(msSince(start));
        if (--remaining <= 0) {
            timer.stop();
            loop.quit();
        }
    });
    start = Clock::now();
    timer.start();
    loop.exec();
    return steps;
}

} // namespace

int main(int argc, char *argv[])
{
    int seconds = 60;
    int load = 1;
    bool verbose = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--seconds") == 0 && i + 1 < argc)
            seconds = std::max(1, std::atoi(argv[++i]));
        else if (std::strcmp(argv[i], "--load") == 0 && i + 1 < argc)
            load = std::max(0, std::atoi(argv[++i]));
        else if (std::strcmp(argv[i], "--verbose") == 0)
            verbose = true;
        else {
            std::fprintf(stderr, "usage: %s [--seconds N] [--load THREADS] [--verbose]\n", argv[0]);
            return 2;
        }
    }

    Dovrel::Bench::useOffscreenWithoutDisplay();
    QApplication qtApp(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    Dovrel::installFontSubstitutes();

    QTemporaryDir directory;
    if (!directory.isValid()) {
        std::fprintf(stderr, "cannot make a temporary application directory\n");
        return 1;
    }
    Dovrel::Unattended::layOutStockFolders(directory.path());
    Dovrel::Unattended::Platform platform;
    Dovrel::Program app(directory.path(), platform);

    std::printf("Timing: %d s countdown, %d busy thread(s), %u core(s), Qt platform %s\n", seconds, load,
                std::thread::hardware_concurrency(), qPrintable(QGuiApplication::platformName()));
    std::fflush(stdout);

    Spinners spinners(load);
    const Steps stage = Dovrel::Bench::runStageClock(app, seconds);
    report("Form17, the stage clock (deadline schedule)", stage, seconds, verbose);
    std::fflush(stdout);
    const Steps plain = runPlainTimer(seconds);
    report("plain default QTimer (coarse, 1000 ms, no correction)", plain, seconds, verbose);
    return 0;
}
