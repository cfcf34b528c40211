// The phones of the viewers benchmark: N connections to the events of a viewer server on loopback, each noting when
// every state message arrives (the steady clock, which the benchmark shares on this machine) and the program time
// "t" it carries. Prints "ready" once every connection has its first state; on "report" from standard input it
// prints "<t> <arrival ns>" for every message since, and ends.
#include <QCoreApplication>
#include <QRegularExpression>
#include <QSocketNotifier>
#include <QTcpSocket>

#include <chrono>
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

namespace {

struct Viewer
{
    QTcpSocket socket;
    QByteArray buffer;
    bool ready = false;
};

qint64 steadyNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: dovrel_bench_viewer_clients PORT COUNT\n");
        return 2;
    }
    const quint16 port = quint16(std::atoi(argv[1]));
    const int count = std::atoi(argv[2]);
    std::vector<std::unique_ptr<Viewer>> viewers;
    std::vector<std::pair<qint64, qint64>> arrivals;
    int ready = 0;
    bool measuring = false;
    const QRegularExpression programTime(QStringLiteral("\"t\":(\\d+)"));
    for (int i = 0; i < count; ++i) {
        viewers.push_back(std::make_unique<Viewer>());
        Viewer *viewer = viewers.back().get();
        QObject::connect(&viewer->socket, &QTcpSocket::connected, [viewer] {
            viewer->socket.write("GET /events HTTP/1.1\r\nAccept: text/event-stream\r\n\r\n");
        });
        QObject::connect(&viewer->socket, &QTcpSocket::readyRead, [&, viewer] {
            const qint64 now = steadyNs();
            viewer->buffer += viewer->socket.readAll();
            for (qsizetype end; (end = viewer->buffer.indexOf("\n\n")) >= 0;) {
                const QByteArray message = viewer->buffer.left(end);
                viewer->buffer.remove(0, end + 2);
                if (!message.contains("event: state"))
                    continue;
                if (!viewer->ready) {
                    viewer->ready = true;
                    if (++ready == count) {
                        std::printf("ready\n");
                        std::fflush(stdout);
                        measuring = true;
                    }
                    continue;
                }
                if (measuring) {
                    const auto match = programTime.match(QString::fromUtf8(message));
                    if (match.hasMatch())
                        arrivals.emplace_back(match.captured(1).toLongLong(), now);
                }
            }
        });
        viewer->socket.connectToHost(QHostAddress::LocalHost, port);
    }
    QSocketNotifier input(0, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        std::string line;
        if (!std::getline(std::cin, line) || line == "report") {
            for (const auto &[time, at] : arrivals)
                std::printf("%lld %lld\n", static_cast<long long>(time), static_cast<long long>(at));
            std::printf("end\n");
            std::fflush(stdout);
            app.quit();
        }
    });
    return app.exec();
}
