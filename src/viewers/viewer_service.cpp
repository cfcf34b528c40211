#include "viewers/viewer_service.h"

#include "core/viewer_addresses.h"
#include "core/viewer_message.h"
#include "platform/platform.h"
#include "shell/application.h"
#include "viewers/viewer_screen.h"

#include <QNetworkInterface>
#include <QUdpSocket>

#include <memory>
#include <utility>

namespace Dovrel {

namespace {

// Edits on the details page come a keystroke at a time; the phones hear of them once they rest.
constexpr int DetailsSettleMs = 300;

QList<InterfaceFacts> systemInterfaces()
{
    QList<InterfaceFacts> facts;
    for (const QNetworkInterface &interface : QNetworkInterface::allInterfaces()) {
        InterfaceFacts fact;
        fact.name = interface.name();
        fact.humanName = interface.humanReadableName();
        fact.up = interface.flags().testFlag(QNetworkInterface::IsUp);
        fact.running = interface.flags().testFlag(QNetworkInterface::IsRunning);
        fact.loopback = interface.flags().testFlag(QNetworkInterface::IsLoopBack);
        for (const QNetworkAddressEntry &entry : interface.addressEntries()) {
            if (entry.ip().protocol() == QAbstractSocket::IPv4Protocol)
                fact.addresses.append(entry.ip().toString());
        }
        facts.append(fact);
    }
    return facts;
}

// The address the system would send from to reach beyond the hall: a datagram socket "connected" to an outside
// address, which sends nothing. A hall with no way out has none.
QString routedAddress()
{
    QUdpSocket probe;
    probe.connectToHost(QHostAddress(QStringLiteral("192.0.2.1")), 9);
    if (!probe.waitForConnected(200))
        return QString();
    return probe.localAddress().toString();
}

} // namespace

ViewerService::ViewerService(Application &app)
    : m_app(app), m_server([this] { return stateMessage(); }, [&app] { return app.platform().monotonicMs(); })
{
    m_detailsChanged.setSingleShot(true);
    m_detailsChanged.setInterval(DetailsSettleMs);
    connect(&m_detailsChanged, &QTimer::timeout, &m_server, &HallServer::publish);
    // After the clock's own step, which the hall sees first; a second change before then goes with the first.
    connect(&app.hallState(), &HallState::changed, this, [this] {
        if (std::exchange(m_publishing, true))
            return;
        QMetaObject::invokeMethod(
            this,
            [this] {
                m_publishing = false;
                m_server.publish();
            },
            Qt::QueuedConnection);
    });
    connect(&app.contest(), &Contest::changed, this, [this] { m_detailsChanged.start(); });
    connect(&m_server, &HallServer::viewerCountChanged, this, &ViewerService::viewerCountChanged);
}

bool ViewerService::enabled() const
{
    return m_server.isListening();
}

bool ViewerService::setEnabled(bool on)
{
    m_app.programSettings().setViewersEnabled(on);
    if (!on) {
        m_server.close();
        return true;
    }
    return m_server.isListening() || m_server.listen(port());
}

QString ViewerService::error() const
{
    return m_server.errorString();
}

quint16 ViewerService::port() const
{
    return m_server.isListening() ? m_server.port() : m_app.programSettings().viewerPort();
}

QStringList ViewerService::addresses() const
{
    return viewerAddresses(systemInterfaces(), routedAddress());
}

QString ViewerService::address(const QStringList &offered) const
{
    const QString chosen = m_app.programSettings().viewerAddress();
    if (offered.contains(chosen))
        return chosen;
    return offered.value(0);
}

void ViewerService::chooseAddress(const QString &address)
{
    m_app.programSettings().setViewerAddress(address);
}

QString ViewerService::pageAddress(const QString &address) const
{
    return address.isEmpty() ? QString() : viewerPageAddress(address, port());
}

int ViewerService::viewerCount() const
{
    return m_server.viewerCount();
}

HallServer &ViewerService::server()
{
    return m_server;
}

QByteArray ViewerService::stateMessage() const
{
    Contest &contest = m_app.contest();
    return viewerStateJson(m_app.hallState().view(), contest.details(), contest.alerts().format(),
                           m_app.platform().monotonicMs());
}

ViewerService &viewerService(Application &app)
{
    ViewerScreen::Variables &variables = app.screens().variables<ViewerScreen>();
    if (!variables.service)
        variables.service = std::make_shared<ViewerService>(app);
    return *variables.service;
}

void startViewersIfChosen(Application &app)
{
    if (app.programSettings().viewersEnabled())
        viewerService(app).setEnabled(true);
}

} // namespace Dovrel
