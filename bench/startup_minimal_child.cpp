// Started by dovrel_bench_startup as the yardstick: the least a Qt Widgets program does to show a window.
// Prints "main" on entry, "shown" once its window has drawn its first frame and "hwm <kB>" before it ends.
#include "child_report.h"

#include <QApplication>
#include <QWidget>

#include <string>

int main(int argc, char *argv[])
{
    Dovrel::Bench::reportLine("main");
    QApplication qtApp(argc, argv);
    QWidget window;
    window.resize(539, 227);

    Dovrel::Bench::FirstPaint shown([&](QWidget *painted) { return painted == &window; },
                                    [] {
                                        Dovrel::Bench::reportLine("shown");
                                        const std::string line =
                                            "hwm " + std::to_string(Dovrel::Bench::peakResidentKb());
                                        Dovrel::Bench::reportLine(line.c_str());
                                        QApplication::exit(0);
                                    });
    qtApp.installEventFilter(&shown);
    window.show();
    return QApplication::exec();
}
