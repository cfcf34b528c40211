// A long contest without growth: every screen opened from the main menu and closed again, round after round.
//   dovrel_bench_screens [--rounds N] [--only FormN] [--verbose]
// Prints the peak and current resident memory after the first and after the last round, the heap's growth from round
// 50 to the last, and for each screen the median time from its menu button to its first painted frame, beside a bare
// QWidget shown in the same run.
#include "bench_support.h"
#include "child_report.h"
#include "unattended.h"

#include "menu/program.h"
#include "shell/qt_process.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPixmapCache>
#include <QTemporaryDir>

#include <cstdio>
#include <fstream>
#include <malloc.h>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {

using Dovrel::Bench::median;

// Dialogs answer at once: the rules dialog picks the prepared rules file, every other dialog is cancelled.
class SilentPlatform : public Dovrel::Unattended::Platform
{
public:
    explicit SilentPlatform(QString rulesFile) : m_rulesFile(std::move(rulesFile)) {}
    std::optional<QString> openFileName(QWidget *, const Dovrel::FileDialogRequest &) override
    {
        return m_rulesFile;
    }
    std::optional<QString> saveFileName(QWidget *, const Dovrel::FileDialogRequest &) override
    {
        return {};
    }
    std::optional<QFont> chooseFont(QWidget *, const QFont &) override
    {
        return {};
    }
    std::optional<QColor> chooseColour(QWidget *, const QColor &) override
    {
        return {};
    }
    void setClipboardText(const QString &) override {}
    bool openUrl(const QString &) override
    {
        return true;
    }
    bool openHelp(const QString &, const QString &) override
    {
        return true;
    }

private:
    QString m_rulesFile;
};

long currentResidentKb()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.starts_with("VmRSS:"))
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

// Bytes the program holds on the heap right now, and the resident set once the allocator has given back what it
// keeps free: growth in the first is memory the program keeps, in the second memory the system lends it.
struct Memory
{
    long peakKb = 0;
    long residentKb = 0;
    long trimmedKb = 0;
    long heapKb = 0;
    long heapWithoutPixmapCacheKb = 0;
};

Memory measureMemory()
{
    Memory memory;
    memory.peakKb = Dovrel::Bench::peakResidentKb();
    memory.residentKb = currentResidentKb();
    memory.heapKb = long(mallinfo2().uordblks / 1024);
    malloc_trim(0);
    memory.trimmedKb = currentResidentKb();
    // Qt's style keeps drawn pieces in its pixmap cache, up to a fixed limit (10 MiB), one for each set of colours,
    // size and state drawn. Emptied, what is left is the program's own.
    QPixmapCache::clear();
    memory.heapWithoutPixmapCacheKb = long(mallinfo2().uordblks / 1024);
    return memory;
}

// Marks the first paint of the window it watches.
class PaintWatch : public QObject
{
public:
    bool painted = false;
    QString window;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget *>(watched)->window()->objectName() == window)
            painted = true;
        return QObject::eventFilter(watched, event);
    }
};

// Runs the event loop until the watched window has painted; the time from `start` in ms, or -1 after 5 s.
double untilPainted(const PaintWatch &watch, const QElapsedTimer &start)
{
    while (!watch.painted && start.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    // The paint has run; the time counts to the end of the event that drew it.
    return watch.painted ? double(start.nsecsElapsed()) / 1e6 : -1.0;
}

struct Step
{
    const char *button;
    const char *screen;
};

// Every screen the main menu opens, by its button; the result is reached from the score entry.
constexpr Step Steps[] = {
    {"Command2", "Form2"},   {"Command5", "Form7"},   {"Command6", "Form8"},   {"Command7", "Form14"},
    {"Command8", "Form15"},  {"Command9", "Form10"},  {"Command4", "Form13"},  {"Command20", "Form13"},
    {"Command37", "Form17"}, {"Command38", "Form18"}, {"Command40", "Form6"},  {"Command16", "Form20"},
    {"Command17", "Form20"}, {"Command18", "Form16"}, {"Command18", "Form11"}, {"Command19", "Form12"},
    {"Command1", "Form19"},  {"Command36", "Form21"},
};

} // namespace

int main(int argc, char *argv[])
{
    int rounds = 500;
    bool verbose = false;
    QString only;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--rounds" && i + 1 < argc)
            rounds = std::max(1, std::atoi(argv[++i]));
        else if (arg == "--only" && i + 1 < argc)
            only = QString::fromLocal8Bit(argv[++i]);
        else if (arg == "--verbose")
            verbose = true;
    }
    Dovrel::Bench::useOffscreenWithoutDisplay();
    QApplication qtApp(argc, argv);
    Dovrel::setUpQtApplication();

    QTemporaryDir dir;
    Dovrel::Unattended::layOutStockFolders(dir.path());
    const QString rules = dir.path() + QStringLiteral("/rules.txt");
    {
        QFile file(rules);
        if (file.open(QIODevice::WriteOnly))
            file.write(QStringLiteral("一、比赛规则\r\n各环节按时进行。\r\n").repeated(40).toUtf8());
    }
    SilentPlatform platform(rules);
    Dovrel::Program app(dir.path(), platform);
    QWidget *menu = app.mainMenu();
    menu->show();
    QApplication::processEvents();
    // The menu's clock loads the sound page on its first tick, a second in, and keeps it for the run: not a round's.
    QElapsedTimer firstTick;
    firstTick.start();
    while (!app.screens().isLoaded(QStringLiteral("Form9")) && firstTick.elapsed() < 3000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);

    PaintWatch watch;
    qtApp.installEventFilter(&watch);
    std::map<std::string, std::vector<double>> times;
    // Reserved at once, so the growth measured is none of the bench's own.
    for (const Step &step : Steps)
        times[std::string(step.screen) + " (" + step.button + ")"].reserve(std::size_t(rounds));
    Memory first;
    // The first rounds fill Qt's caches; from round 50 on, what the heap still gains is kept for good.
    constexpr int SettledRound = 50;
    std::optional<Memory> settled;
    int screensPerRound = 0;
    for (int round = 1; round <= rounds; ++round) {
        for (const Step &step : Steps) {
            const QString screen = QLatin1String(step.screen);
            if (!only.isEmpty() && screen != only)
                continue;
            if (round == 1)
                ++screensPerRound;
            watch.painted = false;
            watch.window = screen;
            QElapsedTimer start;
            start.start();
            if (screen == QLatin1String("Form11")) {
                // Scores typed twice and confirmed: the score entry gives way to the result.
                menu->findChild<QAbstractButton *>(QLatin1String(step.button))->click();
                Dovrel::Screen *entry = app.screens().loaded(QStringLiteral("Form16"));
                for (int box = 1; box <= 4; ++box)
                    entry->findChild<QLineEdit *>(QStringLiteral("Text%1").arg(box))->setText(QStringLiteral("90"));
                start.restart();
                entry->findChild<QAbstractButton *>(QStringLiteral("Command1"))->click();
            } else {
                menu->findChild<QAbstractButton *>(QLatin1String(step.button))->click();
            }
            const double ms = untilPainted(watch, start);
            const std::string key = std::string(step.screen) + " (" + step.button + ")";
            times[key].push_back(ms);
            if (verbose)
                std::printf("round %d %s %.2f ms\n", round, key.c_str(), ms);
            if (Dovrel::Screen *shown = app.screens().loaded(screen))
                shown->close();
            QApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        if (round == 1)
            first = measureMemory();
        if (round == SettledRound && rounds > SettledRound)
            settled = measureMemory();
    }
    const Memory last = measureMemory();

    // The yardstick: a bare widget shown and painted in the same process.
    std::vector<double> bare;
    for (int i = 0; i < 50; ++i) {
        QWidget widget;
        widget.setObjectName(QStringLiteral("bare"));
        widget.resize(792, 566);
        watch.painted = false;
        watch.window = QStringLiteral("bare");
        QElapsedTimer start;
        start.start();
        widget.show();
        bare.push_back(untilPainted(watch, start));
    }

    std::printf("Screens: %d rounds of %zu screens opened from the main menu and closed, Qt platform %s\n\n", rounds,
                std::size(Steps), qPrintable(QGuiApplication::platformName()));
    const auto row = [](const char *what, long a, long b) {
        std::printf("  %-34s %8ld kB   %8ld kB   %+7ld kB\n", what, a, b, b - a);
    };
    std::printf("Memory                               after round 1  after round %d   growth\n", rounds);
    row("peak resident (VmHWM)", first.peakKb, last.peakKb);
    row("resident (VmRSS)", first.residentKb, last.residentKb);
    row("resident, allocator trimmed", first.trimmedKb, last.trimmedKb);
    row("heap in use (mallinfo2)", first.heapKb, last.heapKb);
    row("heap in use, pixmap cache emptied", first.heapWithoutPixmapCacheKb, last.heapWithoutPixmapCacheKb);
    if (settled) {
        const long growthKb = last.heapWithoutPixmapCacheKb - settled->heapWithoutPixmapCacheKb;
        const long opened = long(screensPerRound) * (rounds - SettledRound);
        std::printf("  growth from round %d to round %d: %+ld kB (%+.1f bytes per screen opened)\n", SettledRound,
                    rounds, growthKb, double(growthKb) * 1024.0 / double(std::max(1L, opened)));
    }
    std::printf("\n");
    std::printf("Menu button to first painted frame, median of %d\n", rounds);
    for (const Step &step : Steps) {
        const std::string key = std::string(step.screen) + " (" + step.button + ")";
        if (times[key].empty())
            continue;
        std::printf("  %-22s %8.2f ms\n", key.c_str(), median(times[key]));
    }
    std::printf("  %-22s %8.2f ms  (a bare QWidget shown, median of 50)\n", "QWidget", median(bare));
    return 0;
}
