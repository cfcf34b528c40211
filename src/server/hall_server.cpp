#include "server/hall_server.h"

#include "core/http_request.h"
#include "core/viewer_message.h"

#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QtGlobal>

#include <utility>

#ifdef Q_OS_WIN
#include <winsock2.h>
#else
#include <cerrno>
#include <sys/socket.h>
#include <sys/types.h>
#endif

namespace Dovrel {

namespace {

// Every answer: nothing kept, nothing sniffed, nothing of the page's address passed on.
constexpr QByteArrayView CommonHeaders = "Cache-Control: no-store\r\n"
                                         "X-Content-Type-Options: nosniff\r\n"
                                         "Referrer-Policy: no-referrer\r\n";
// The page runs only its own script and style and talks only to this server.
constexpr QByteArrayView PagePolicy =
    "Content-Security-Policy: default-src 'none'; script-src 'self'; style-src 'self'; connect-src 'self'; "
    "img-src 'self' data:; base-uri 'none'; form-action 'none'; frame-ancestors 'none'\r\n";

// The fixed files of the viewer page, built into the program, with any headers of their own.
struct ServedFile
{
    QByteArrayView path;
    const char *resource;
    QByteArrayView type;
    QByteArrayView headers;
};
constexpr ServedFile ServedFiles[] = {
    {"/", ":/viewer/index.html", "text/html; charset=utf-8", PagePolicy},
    {"/viewer.js", ":/viewer/viewer.js", "text/javascript; charset=utf-8", {}},
    {"/viewer.css", ":/viewer/viewer.css", "text/css; charset=utf-8", {}},
};

// An answer's status line and headers up to its type, without the blank line that ends them.
QByteArray head(QByteArrayView status, QByteArrayView type, QByteArrayView extraHeaders = {})
{
    QByteArray bytes = "HTTP/1.1 " + status.toByteArray() + "\r\n";
    bytes += CommonHeaders;
    bytes += extraHeaders;
    if (!type.isEmpty())
        bytes += "Content-Type: " + type.toByteArray() + "\r\n";
    return bytes;
}

QByteArray response(QByteArrayView status, QByteArrayView type, const QByteArray &body, bool withBody,
                    QByteArrayView extraHeaders = {})
{
    QByteArray bytes = head(status, type, extraHeaders);
    bytes += "Content-Length: " + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n";
    if (withBody)
        bytes += body;
    return bytes;
}

QByteArray plainError(QByteArrayView status, QByteArrayView extraHeaders = {})
{
    return response(status, "text/plain; charset=utf-8", status.toByteArray() + "\n", true, extraHeaders);
}

QByteArray sseEvent(QByteArrayView name, const QByteArray &json)
{
    return "event: " + name.toByteArray() + "\ndata: " + json + "\n\n";
}

// Gives the bytes to the system's socket directly, as much as it takes now: the number given, or -1 when the
// connection has failed. A socket's own write buffer keeps a 32 KB block for good once it has been used, which
// hundreds of viewers, each sent a few hundred bytes a second, would hold for nothing.
qint64 sendDirectly(QTcpSocket *socket, const QByteArray &bytes)
{
#ifdef Q_OS_WIN
    const int sent = ::send(SOCKET(socket->socketDescriptor()), bytes.constData(), int(bytes.size()), 0);
    if (sent == SOCKET_ERROR)
        return WSAGetLastError() == WSAEWOULDBLOCK ? 0 : -1;
#else
    const ssize_t sent =
        ::send(int(socket->socketDescriptor()), bytes.constData(), std::size_t(bytes.size()), MSG_NOSIGNAL);
    if (sent < 0)
        return errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR ? 0 : -1;
#endif
    return sent;
}

} // namespace

struct HallServer::Connection
{
    QHostAddress peer;
    HttpRequestReader reader;
    QTimer *deadline = nullptr;
    bool viewer = false;

    // The request has been read whole, or found bad, and answered.
    bool answered() const
    {
        return reader.state() != HttpRequestReader::State::Incomplete;
    }
};

HallServer::HallServer(std::function<QByteArray()> state, std::function<qint64()> clock, QObject *parent)
    : QObject(parent), m_state(std::move(state)), m_clock(std::move(clock)), m_server(new QTcpServer(this)),
      m_beat(new QTimer(this))
{
    connect(m_server, &QTcpServer::newConnection, this, &HallServer::accept);
    connect(m_beat, &QTimer::timeout, this, [this] { sendToViewers(sseEvent("beat", viewerTimeJson(m_clock()))); });
}

HallServer::~HallServer()
{
    close();
}

void HallServer::setLimits(const Limits &limits)
{
    m_limits = limits;
}

bool HallServer::listen(quint16 port, const QHostAddress &address)
{
    if (m_server->isListening())
        m_server->close();
    if (!m_server->listen(address, port))
        return false;
    m_beat->start(m_limits.beatMs);
    return true;
}

void HallServer::close()
{
    m_server->close();
    m_beat->stop();
    const QList<QTcpSocket *> sockets = m_connections.keys();
    for (QTcpSocket *socket : sockets)
        drop(socket);
}

bool HallServer::isListening() const
{
    return m_server->isListening();
}

quint16 HallServer::port() const
{
    return m_server->serverPort();
}

QString HallServer::errorString() const
{
    return m_server->errorString();
}

int HallServer::viewerCount() const
{
    return m_viewers;
}

void HallServer::publish()
{
    if (m_viewers > 0)
        sendToViewers(sseEvent("state", m_state()));
}

void HallServer::accept()
{
    while (QTcpSocket *socket = m_server->nextPendingConnection()) {
        const QHostAddress peer = socket->peerAddress();
        if (int(m_connections.size()) >= m_limits.connections ||
            m_perAddress.value(peer) >= m_limits.connectionsPerAddress) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        auto connection = std::make_shared<Connection>();
        connection->peer = peer;
        connection->deadline = new QTimer(socket);
        connection->deadline->setSingleShot(true);
        connect(connection->deadline, &QTimer::timeout, this, [this, socket] { drop(socket); });
        connection->deadline->start(m_limits.requestMs);
        m_connections.insert(socket, connection);
        ++m_perAddress[peer];
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { read(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] { forget(socket); });
        connect(socket, &QTcpSocket::bytesWritten, this, [this, socket] { closeIfAnswered(socket); });
        if (socket->bytesAvailable() > 0)
            read(socket);
    }
}

void HallServer::read(QTcpSocket *socket)
{
    const auto found = m_connections.constFind(socket);
    if (found == m_connections.constEnd())
        return;
    Connection &connection = **found;
    if (connection.answered()) {
        // Whatever comes after the request is not read: at most the head's worth is taken away and dropped.
        if (socket->bytesAvailable() > HttpRequestReader::HeadLimit)
            drop(socket);
        else
            socket->readAll();
        return;
    }
    const QByteArray bytes = socket->read(HttpRequestReader::HeadLimit + 1);
    if (connection.reader.feed(bytes) != HttpRequestReader::State::Incomplete)
        respond(socket, connection);
}

void HallServer::respond(QTcpSocket *socket, Connection &connection)
{
    connection.deadline->stop();
    if (connection.reader.state() == HttpRequestReader::State::Bad) {
        send(socket, plainError("400 Bad Request"));
        return;
    }
    const HttpRequest &request = connection.reader.request();
    const bool headOnly = request.method == "HEAD";
    if (request.method != "GET" && !headOnly) {
        send(socket, plainError("405 Method Not Allowed", "Allow: GET, HEAD\r\n"));
        return;
    }
    if (request.path == "/events" && !headOnly) {
        connection.viewer = true;
        ++m_viewers;
        send(socket, head("200 OK", "text/event-stream; charset=utf-8") +
                         "Connection: keep-alive\r\n\r\nretry: 1000\n\n" + sseEvent("state", m_state()));
        emit viewerCountChanged(m_viewers);
        return;
    }
    if (request.path == "/time") {
        send(socket, response("200 OK", "application/json", viewerTimeJson(m_clock()), !headOnly));
        return;
    }
    for (const ServedFile &file : ServedFiles) {
        if (request.path != file.path)
            continue;
        QFile resource(QString::fromLatin1(file.resource));
        const QByteArray body = resource.open(QIODevice::ReadOnly) ? resource.readAll() : QByteArray();
        send(socket, response("200 OK", file.type, body, !headOnly, file.headers));
        return;
    }
    send(socket, plainError("404 Not Found"));
}

void HallServer::sendToViewers(const QByteArray &bytes)
{
    const QList<QTcpSocket *> sockets = m_connections.keys();
    for (QTcpSocket *socket : sockets) {
        const auto found = m_connections.constFind(socket);
        if (found != m_connections.constEnd() && (*found)->viewer)
            send(socket, bytes);
    }
}

void HallServer::send(QTcpSocket *socket, const QByteArray &bytes)
{
    // What the system did not take goes through the socket's buffer, after which everything does, in order.
    qint64 sent = 0;
    if (socket->bytesToWrite() == 0 && socket->socketDescriptor() != -1) {
        sent = sendDirectly(socket, bytes);
        if (sent < 0) {
            drop(socket);
            return;
        }
        if (sent == bytes.size()) {
            closeIfAnswered(socket);
            return;
        }
    }
    socket->write(bytes.constData() + sent, bytes.size() - sent);
    if (socket->bytesToWrite() > m_limits.backlogBytes)
        drop(socket);
}

void HallServer::closeIfAnswered(QTcpSocket *socket)
{
    // An answered request closes once its answer is out; a viewer stays.
    const auto found = m_connections.constFind(socket);
    if (found != m_connections.constEnd() && (*found)->answered() && !(*found)->viewer && socket->bytesToWrite() == 0)
        socket->disconnectFromHost();
}

void HallServer::drop(QTcpSocket *socket)
{
    socket->abort();
    forget(socket);
}

void HallServer::forget(QTcpSocket *socket)
{
    const std::shared_ptr<Connection> connection = m_connections.take(socket);
    if (!connection)
        return;
    if (int &count = m_perAddress[connection->peer]; --count <= 0)
        m_perAddress.remove(connection->peer);
    socket->deleteLater();
    if (connection->viewer) {
        --m_viewers;
        emit viewerCountChanged(m_viewers);
    }
}

} // namespace Dovrel
