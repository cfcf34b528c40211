#pragma once

#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QObject>

#include <functional>
#include <memory>

class QTcpServer;
class QTcpSocket;
class QTimer;

namespace Dovrel {

// The server of the phones that watch the hall: plain HTTP on the program's own event loop, read-only. It serves
// the viewer page and its two files, the program's clock for a page to set its own by (`/time`), and the hall's
// state as Server-Sent Events (`/events`): the whole state when a viewer connects and whenever it changes, and a
// beat every two seconds. Nothing a request holds reaches the file system or changes the program; every byte a
// client sends is checked, and a client that is malformed, slow or one too many is dropped.
class HallServer final : public QObject
{
    Q_OBJECT

public:
    struct Limits
    {
        int connections = 1000;
        int connectionsPerAddress = 16;
        // A request's head must arrive whole within this time.
        int requestMs = 10'000;
        // A viewer further behind than this in reading what it was sent is dropped.
        qint64 backlogBytes = 256 * 1024;
        int beatMs = 2'000;
    };

    // `state` makes the state message when one is sent; `clock` is the program's monotonic clock.
    HallServer(std::function<QByteArray()> state, std::function<qint64()> clock, QObject *parent = nullptr);
    ~HallServer() override;

    void setLimits(const Limits &limits);
    bool listen(quint16 port, const QHostAddress &address = QHostAddress(QHostAddress::AnyIPv4));
    void close();
    bool isListening() const;
    quint16 port() const;
    QString errorString() const;

    // The viewers connected to the events now.
    int viewerCount() const;
    // Sends the state to every viewer now.
    void publish();

signals:
    void viewerCountChanged(int viewers);

private:
    struct Connection;
    void accept();
    void read(QTcpSocket *socket);
    void respond(QTcpSocket *socket, Connection &connection);
    void sendToViewers(const QByteArray &event);
    void send(QTcpSocket *socket, const QByteArray &bytes);
    void closeIfAnswered(QTcpSocket *socket);
    void drop(QTcpSocket *socket);
    void forget(QTcpSocket *socket);

    std::function<QByteArray()> m_state;
    std::function<qint64()> m_clock;
    Limits m_limits;
    QTcpServer *m_server;
    QTimer *m_beat;
    QHash<QTcpSocket *, std::shared_ptr<Connection>> m_connections;
    QHash<QHostAddress, int> m_perAddress;
    int m_viewers = 0;
};

} // namespace Dovrel
