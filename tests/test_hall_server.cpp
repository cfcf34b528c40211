#include "core/http_request.h"
#include "core/viewer_addresses.h"
#include "server/hall_server.h"

#include <QSignalSpy>
#include <QTcpSocket>
#include <QTest>

using namespace Dovrel;

Q_DECLARE_METATYPE(QList<InterfaceFacts>)

namespace {

// A client of the server on loopback: what it sends, and all it received until the server closed the connection
// or the wait ran out.
struct Exchange
{
    QByteArray received;
    bool closed = false;
};

Exchange exchange(HallServer &server, const QByteArray &request, int waitMs = 3'000)
{
    QTcpSocket client;
    client.connectToHost(QHostAddress::LocalHost, server.port());
    if (!QTest::qWaitFor([&] { return client.state() == QAbstractSocket::ConnectedState; }, waitMs))
        return {};
    client.write(request);
    Exchange result;
    (void)QTest::qWaitFor(
        [&] {
            result.received += client.readAll();
            return client.state() == QAbstractSocket::UnconnectedState;
        },
        waitMs);
    result.received += client.readAll();
    result.closed = client.state() == QAbstractSocket::UnconnectedState;
    return result;
}

QByteArray head(const QByteArray &response)
{
    return response.left(response.indexOf("\r\n\r\n"));
}

} // namespace

class TestHallServer : public QObject
{
    Q_OBJECT

private:
    int m_states = 0;
    HallServer m_server{[this] { return QByteArray("{\"state\":") + QByteArray::number(++m_states) + '}'; },
                        [] { return qint64(42); }};

private slots:
    void initTestCase()
    {
        QVERIFY(m_server.listen(0, QHostAddress(QHostAddress::LocalHost)));
    }

    void onlyTheFixedAnswersAreGiven_data()
    {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QByteArray>("status");
        QTest::addColumn<QByteArray>("contains");
        QTest::newRow("the page") << QByteArray("GET / HTTP/1.1\r\nHost: hall\r\n\r\n") << QByteArray("200 OK")
                                  << QByteArray("Content-Security-Policy: default-src 'none'");
        QTest::newRow("its script, a query ignored") << QByteArray("GET /viewer.js?x=1 HTTP/1.1\r\n\r\n")
                                                     << QByteArray("200 OK") << QByteArray("text/javascript");
        QTest::newRow("the clock") << QByteArray("GET /time HTTP/1.0\n\n") << QByteArray("200 OK")
                                   << QByteArray("{\"t\":42}");
        QTest::newRow("no file system") << QByteArray("GET /../../etc/passwd HTTP/1.1\r\n\r\n")
                                        << QByteArray("404 Not Found") << QByteArray("no-store");
        QTest::newRow("nothing changes") << QByteArray("POST /events HTTP/1.1\r\nContent-Length: 0\r\n\r\n")
                                         << QByteArray("405 Method Not Allowed") << QByteArray("Allow: GET");
        QTest::newRow("a body") << QByteArray("GET / HTTP/1.1\r\nContent-Length: 5\r\n\r\nhello")
                                << QByteArray("400 Bad Request") << QByteArray();
        QTest::newRow("not HTTP") << QByteArray("\x16\x03\x01\x02\x00\r\n\r\n", 9) << QByteArray("400 Bad Request")
                                  << QByteArray();
        QTest::newRow("a head too long") << QByteArray("GET / HTTP/1.1\r\nX: " + QByteArray(9'000, 'a') + "\r\n\r\n")
                                         << QByteArray("400 Bad Request") << QByteArray();
        QTest::newRow("no cookies, no other origins")
            << QByteArray("GET / HTTP/1.1\r\nOrigin: http://elsewhere\r\nCookie: a=b\r\n\r\n") << QByteArray("200 OK")
            << QByteArray("Referrer-Policy: no-referrer");
    }

    void onlyTheFixedAnswersAreGiven()
    {
        QFETCH(QByteArray, request);
        QFETCH(QByteArray, status);
        QFETCH(QByteArray, contains);
        const Exchange answer = exchange(m_server, request);
        QVERIFY2(answer.received.startsWith(QByteArray("HTTP/1.1 ").append(status)),
                 answer.received.left(60).constData());
        QVERIFY2(answer.received.contains(contains), answer.received.constData());
        QVERIFY(!head(answer.received).contains("Set-Cookie"));
        QVERIFY(!head(answer.received).contains("Access-Control"));
        QVERIFY(answer.closed);
    }

    void viewersHearEveryChangeAndABeat()
    {
        HallServer::Limits limits;
        limits.beatMs = 100;
        HallServer server([] { return QByteArray("{}"); }, [] { return qint64(7); });
        server.setLimits(limits);
        QVERIFY(server.listen(0, QHostAddress(QHostAddress::LocalHost)));
        QTcpSocket viewer;
        viewer.connectToHost(QHostAddress::LocalHost, server.port());
        QVERIFY(QTest::qWaitFor([&] { return viewer.state() == QAbstractSocket::ConnectedState; }));
        viewer.write("GET /events HTTP/1.1\r\nAccept: text/event-stream\r\n\r\n");
        QTRY_COMPARE(server.viewerCount(), 1);
        server.publish();
        QByteArray received;
        QVERIFY(QTest::qWaitFor([&] {
            received += viewer.readAll();
            return received.count("event: state") == 2 && received.contains("event: beat\ndata: {\"t\":7}\n\n");
        }));
        QVERIFY(received.contains("Content-Type: text/event-stream"));
        viewer.disconnectFromHost();
        QTRY_COMPARE(server.viewerCount(), 0);
    }

    void slowAndSurplusClientsAreDropped()
    {
        HallServer::Limits limits;
        limits.requestMs = 200;
        limits.connectionsPerAddress = 3;
        HallServer server([] { return QByteArray("{}"); }, [] { return qint64(0); });
        server.setLimits(limits);
        QVERIFY(server.listen(0, QHostAddress(QHostAddress::LocalHost)));
        QList<QTcpSocket *> clients;
        for (int i = 0; i < 4; ++i) {
            clients.append(new QTcpSocket(this));
            clients.last()->connectToHost(QHostAddress::LocalHost, server.port());
            clients.last()->write("GET / HTTP/1.1\r\n");
        }
        // The fourth from one address is closed at once; the three that never end their request, after a while.
        QTRY_COMPARE(clients.at(3)->state(), QAbstractSocket::UnconnectedState);
        QCOMPARE(clients.at(0)->state(), QAbstractSocket::ConnectedState);
        QTRY_COMPARE(clients.at(0)->state(), QAbstractSocket::UnconnectedState);
        qDeleteAll(clients);
    }

    void phonesAreOfferedTheAddressesTheyCanReach_data()
    {
        QTest::addColumn<QList<InterfaceFacts>>("interfaces");
        QTest::addColumn<QString>("routed");
        QTest::addColumn<QStringList>("offered");
        const InterfaceFacts wifi{QStringLiteral("wlan0"),         QStringLiteral("Wi-Fi"), true, true, false,
                                  {QStringLiteral("192.168.1.20")}};
        const InterfaceFacts hotspot{
            QStringLiteral("{7A1}"),          QStringLiteral("Local Area Connection* 10"), true, true, false,
            {QStringLiteral("192.168.137.1")}};
        const InterfaceFacts wired{QStringLiteral("eth0"),
                                   QStringLiteral("Ethernet"),
                                   true,
                                   true,
                                   false,
                                   {QStringLiteral("203.0.113.5"), QStringLiteral("169.254.3.4")}};
        QList<InterfaceFacts> virtuals;
        for (const char *name : {"vEthernet (WSL)", "VirtualBox Host-Only Network", "docker0", "Tailscale",
                                 "ZeroTier One [8056]", "tun0", "VMware Network Adapter VMnet8"})
            virtuals.append({QString::fromLatin1(name),
                             QString::fromLatin1(name),
                             true,
                             true,
                             false,
                             {QStringLiteral("10.9.8.7")}});
        const InterfaceFacts down{QStringLiteral("wlan1"),        QStringLiteral("Wi-Fi 2"), true, false, false,
                                  {QStringLiteral("192.168.5.5")}};
        const InterfaceFacts loopback{QStringLiteral("lo"),         QStringLiteral("lo"), true, true, true,
                                      {QStringLiteral("127.0.0.1")}};
        QTest::newRow("the routed one first")
            << QList<InterfaceFacts>{wired, wifi} << QStringLiteral("203.0.113.5")
            << QStringList{QStringLiteral("203.0.113.5"), QStringLiteral("192.168.1.20")};
        QTest::newRow("private before the rest")
            << QList<InterfaceFacts>{wired, wifi} << QString()
            << QStringList{QStringLiteral("192.168.1.20"), QStringLiteral("203.0.113.5")};
        QTest::newRow("a hotspot is kept, virtual adapters are not")
            << (virtuals + QList<InterfaceFacts>{down, loopback, hotspot}) << QString()
            << QStringList{QStringLiteral("192.168.137.1")};
        QTest::newRow("none") << QList<InterfaceFacts>{loopback} << QString() << QStringList();
    }

    void phonesAreOfferedTheAddressesTheyCanReach()
    {
        QFETCH(QList<InterfaceFacts>, interfaces);
        QFETCH(QString, routed);
        QFETCH(QStringList, offered);
        QCOMPARE(viewerAddresses(interfaces, routed), offered);
        QCOMPARE(viewerPageAddress(QStringLiteral("192.168.1.20"), 8787), QStringLiteral("http://192.168.1.20:8787/"));
    }

    void theReaderFindsAHeadSplitAnywhere()
    {
        const QByteArray request = "GET /time?a=b HTTP/1.1\r\nHost: hall\r\n\r\nleft over";
        for (qsizetype split = 1; split < request.size(); ++split) {
            HttpRequestReader reader;
            reader.feed(QByteArrayView(request).first(split));
            QCOMPARE(reader.feed(QByteArrayView(request).sliced(split)), HttpRequestReader::State::Complete);
            QCOMPARE(reader.request().path, QByteArray("/time"));
            QCOMPARE(reader.request().query, QByteArray("a=b"));
        }
    }
};

QTEST_GUILESS_MAIN(TestHallServer)
#include "test_hall_server.moc"
