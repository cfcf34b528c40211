// The phones' viewer server beside the hall's clock: the projector clock's lateness without viewers and with N of
// them listening on loopback, how soon a change reaches every viewer, the memory each viewer costs the program and
// the program's processor time while they listen idle.
//   dovrel_bench_viewers [--viewers N] [--seconds S] [--idle S]
// The viewers live in a process of their own (dovrel_bench_viewer_clients), so the program's figures are its own.
#include "bench_support.h"
#include "stage_clock_run.h"
#include "unattended.h"

#include "menu/program.h"
#include "shell/qt_process.h"
#include "viewers/viewer_service.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEventLoop>
#include <QProcess>
#include <QSettings>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTimer>

#include <malloc.h>
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

qint64 steadyNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch()).count();
}

double processCpuSeconds()
{
    timespec spent{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &spent);
    return double(spent.tv_sec) + double(spent.tv_nsec) / 1e9;
}

double heapKb()
{
    return double(mallinfo2().uordblks) / 1024.0;
}

void wait(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void reportClock(const char *name, const std::vector<double> &steps)
{
    const std::vector<double> lateness = Dovrel::Bench::latenessOf(steps);
    std::printf("  projector clock %s: lateness max %+.2f ms, mean %+.2f ms (%zu steps)\n", name,
                Dovrel::Bench::maximum(lateness), Dovrel::Bench::mean(lateness), lateness.size());
}

} // namespace

int main(int argc, char *argv[])
{
    int viewers = 500;
    int seconds = 20;
    int idle = 10;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--viewers") == 0 && i + 1 < argc)
            viewers = std::max(1, std::atoi(argv[++i]));
        else if (std::strcmp(argv[i], "--seconds") == 0 && i + 1 < argc)
            seconds = std::max(2, std::atoi(argv[++i]));
        else if (std::strcmp(argv[i], "--idle") == 0 && i + 1 < argc)
            idle = std::max(1, std::atoi(argv[++i]));
        else {
            std::fprintf(stderr, "usage: %s [--viewers N] [--seconds S] [--idle S]\n", argv[0]);
            return 2;
        }
    }
    Dovrel::Bench::useOffscreenWithoutDisplay();
    QApplication qtApp(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    Dovrel::installFontSubstitutes();
    QTemporaryDir directory;
    Dovrel::Unattended::layOutStockFolders(directory.path());
    const quint16 port = Dovrel::Unattended::freePort();
    QSettings(directory.path() + QStringLiteral("/config/Dovrel.ini"), QSettings::IniFormat)
        .setValue(QStringLiteral("viewers/port"), port);
    Dovrel::Unattended::Platform platform;
    Dovrel::Program app(directory.path(), platform);

    std::printf("Viewers: %d on loopback, a %d s stage clock, Qt platform %s\n", viewers, seconds,
                qPrintable(QGuiApplication::platformName()));
    std::fflush(stdout);
    reportClock("without viewers", Dovrel::Bench::runStageClock(app, seconds));

    // When each change left the program, by the program time it carries: noted before the server sends it.
    std::map<qint64, qint64> published;
    QObject::connect(&app.hallState(), &Dovrel::HallState::changed, &app,
                     [&] { published[platform.monotonicMs()] = steadyNs(); });
    Dovrel::ViewerService &service = Dovrel::viewerService(app);
    Dovrel::HallServer::Limits limits;
    // The phones all come from one address here.
    limits.connectionsPerAddress = viewers;
    service.server().setLimits(limits);
    const double heapBefore = heapKb();
    if (!service.setEnabled(true)) {
        std::fprintf(stderr, "the server does not listen: %s\n", qPrintable(service.error()));
        return 1;
    }
    QProcess clients;
    clients.start(QCoreApplication::applicationDirPath() + QStringLiteral("/dovrel_bench_viewer_clients"),
                  {QString::number(port), QString::number(viewers)});
    QEventLoop connected;
    QObject::connect(&clients, &QProcess::readyReadStandardOutput, &connected, [&] {
        if (clients.canReadLine() && clients.readLine().trimmed() == "ready")
            connected.quit();
    });
    QTimer::singleShot(60'000, &connected, &QEventLoop::quit);
    connected.exec();
    if (service.viewerCount() != viewers) {
        std::fprintf(stderr, "only %d of %d viewers connected\n", service.viewerCount(), viewers);
        return 1;
    }
    wait(1'000);
    const double heapAfter = heapKb();
    const double cpuBefore = processCpuSeconds();
    const auto idleStart = Clock::now();
    wait(idle * 1'000);
    const double idleSeconds = std::chrono::duration<double>(Clock::now() - idleStart).count();
    const double cpuIdle = (processCpuSeconds() - cpuBefore) / idleSeconds;

    published.clear();
    reportClock("with the viewers", Dovrel::Bench::runStageClock(app, seconds));
    wait(500);
    clients.write("report\n");
    std::vector<double> delays;
    QByteArray output;
    while (!output.contains("end\n") && clients.waitForReadyRead(10'000))
        output += clients.readAllStandardOutput();
    for (const QByteArray &line : output.split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() != 2)
            continue;
        // The change a message carries is the last one made by its time.
        auto sent = published.upper_bound(fields[0].toLongLong());
        if (sent == published.begin())
            continue;
        --sent;
        delays.push_back(double(fields[1].toLongLong() - sent->second) / 1e6);
    }
    clients.waitForFinished(5'000);
    std::printf("  a change to every viewer: median %.2f ms, 99th percentile %.2f ms, worst %.2f ms "
                "(%zu deliveries of %zu changes)\n",
                Dovrel::Bench::percentile(delays, 0.5), Dovrel::Bench::percentile(delays, 0.99),
                Dovrel::Bench::maximum(delays), delays.size(), published.size());
    std::printf("  memory per viewer: %.1f KB (the program's heap, %+.0f KB for %d)\n",
                (heapAfter - heapBefore) / viewers, heapAfter - heapBefore, viewers);
    std::printf("  the program's processor time while they listen idle: %.2f %% of a core\n", cpuIdle * 100);
    return 0;
}
