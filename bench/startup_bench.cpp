// Start-up time and peak memory of the program beside a minimal Qt Widgets program.
//   dovrel_bench_startup [--runs N] [--verbose]
// Each run spawns a child and times, from just before the spawn, the arrival of its "main" line (process and
// library loading) and of its "shown" line (first frame of the first window). The child then reports its own peak
// resident set. The two programs take turns, so both meet the same machine state; one unmeasured run of each warms
// the file cache first.
#include "bench_support.h"
#include "unattended.h"

#include <QString>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

using Dovrel::Bench::median;
using Dovrel::Bench::minimum;

double nowMs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) * 1000.0 + static_cast<double>(ts.tv_nsec) / 1e6;
}

struct Sample
{
    double mainMs = 0;
    double shownMs = 0;
    long hwmKb = 0;
};

struct Series
{
    std::vector<double> mainMs;
    std::vector<double> shownMs;
    std::vector<double> hwmKb;

    void add(const Sample &sample)
    {
        mainMs.push_back(sample.mainMs);
        shownMs.push_back(sample.shownMs);
        hwmKb.push_back(static_cast<double>(sample.hwmKb));
    }
};

std::optional<Sample> runChild(const std::string &program, const std::vector<std::string> &arguments, bool verbose)
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return std::nullopt;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    posix_spawn_file_actions_addclose(&actions, pipeFds[1]);
    // Qt's platform notes would drown the results.
    if (!verbose)
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

    std::vector<char *> argv;
    argv.push_back(const_cast<char *>(program.c_str()));
    for (const std::string &argument : arguments)
        argv.push_back(const_cast<char *>(argument.c_str()));
    argv.push_back(nullptr);

    pid_t pid = 0;
    const double start = nowMs();
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    if (spawned != 0) {
        close(pipeFds[0]);
        std::fprintf(stderr, "cannot start %s: %s\n", program.c_str(), std::strerror(spawned));
        return std::nullopt;
    }

    Sample sample;
    bool sawMain = false;
    bool sawShown = false;
    bool sawHwm = false;
    FILE *output = fdopen(pipeFds[0], "r");
    char line[256];
    while (std::fgets(line, sizeof line, output)) {
        const double at = nowMs() - start;
        if (std::strncmp(line, "main", 4) == 0) {
            sample.mainMs = at;
            sawMain = true;
        } else if (std::strncmp(line, "shown", 5) == 0) {
            sample.shownMs = at;
            sawShown = true;
        } else if (std::strncmp(line, "hwm ", 4) == 0) {
            sample.hwmKb = std::strtol(line + 4, nullptr, 10);
            sawHwm = sample.hwmKb > 0;
        }
    }
    std::fclose(output);
    int status = 0;
    waitpid(pid, &status, 0);
    if (!sawMain || !sawShown || !sawHwm || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s did not finish its report (status %d)\n", program.c_str(), status);
        return std::nullopt;
    }
    return sample;
}

void printSeries(const char *name, const Series &series)
{
    std::printf("  %-22s to main()  median %7.1f ms  min %7.1f ms\n", name, median(series.mainMs),
                minimum(series.mainMs));
    std::printf("  %-22s to shown   median %7.1f ms  min %7.1f ms\n", "", median(series.shownMs),
                minimum(series.shownMs));
}

} // namespace

int main(int argc, char *argv[])
{
    int runs = 10;
    bool verbose = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc)
            runs = std::max(1, std::atoi(argv[++i]));
        else if (std::strcmp(argv[i], "--verbose") == 0)
            verbose = true;
        else {
            std::fprintf(stderr, "usage: %s [--runs N] [--verbose]\n", argv[0]);
            return 2;
        }
    }

    Dovrel::Bench::useOffscreenWithoutDisplay();
    const std::filesystem::path here = std::filesystem::read_symlink("/proc/self/exe").parent_path();
    const std::string appChild = (here / "dovrel_bench_startup_app").string();
    const std::string minimalChild = (here / "dovrel_bench_startup_minimal").string();

    QTemporaryDir directory;
    if (!directory.isValid()) {
        std::fprintf(stderr, "cannot make a temporary application directory\n");
        return 1;
    }
    Dovrel::Unattended::layOutStockFolders(directory.path());
    const std::vector<std::string> appArguments{directory.path().toStdString()};

    const char *platform = std::getenv("QT_QPA_PLATFORM");
    std::printf("Start-up: %d runs each, Qt platform %s\n", runs, platform ? platform : "(default)");

    Series app;
    Series minimal;
    for (int i = -1; i < runs; ++i) {
        const std::optional<Sample> appSample = runChild(appChild, appArguments, verbose);
        const std::optional<Sample> minimalSample = runChild(minimalChild, {}, verbose);
        if (!appSample || !minimalSample)
            return 1;
        if (verbose)
            std::printf("  run %2d  dovrel %.1f / %.1f ms  %ld kB   minimal %.1f / %.1f ms  %ld kB\n", i,
                        appSample->mainMs, appSample->shownMs, appSample->hwmKb, minimalSample->mainMs,
                        minimalSample->shownMs, minimalSample->hwmKb);
        if (i < 0)
            continue;
        app.add(*appSample);
        minimal.add(*minimalSample);
    }

    std::printf("\nTime from spawn (main() = libraries loaded; shown = first frame of the first window drawn)\n");
    printSeries("dovrel (splash SplashScreen)", app);
    printSeries("minimal Qt Widgets", minimal);
    std::printf("  dovrel - minimal, shown: median %+.1f ms\n", median(app.shownMs) - median(minimal.shownMs));

    const double appPeak = median(app.hwmKb);
    const double minimalPeak = median(minimal.hwmKb);
    std::printf("\nPeak memory (VmHWM, median of runs)\n");
    std::printf("  dovrel, MainMenu shown, StagesPage and SoundPage loaded  %8.0f kB  (%.1f MiB)\n", appPeak,
                appPeak / 1024);
    std::printf("  minimal Qt Widgets, one window shown        %8.0f kB  (%.1f MiB)\n", minimalPeak,
                minimalPeak / 1024);
    std::printf("  ratio dovrel / minimal                       %8.2f\n", minimalPeak > 0 ? appPeak / minimalPeak : 0);
    return 0;
}
