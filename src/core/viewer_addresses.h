#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace Dovrel {

// A network interface as the system lists it.
struct InterfaceFacts
{
    QString name;      // "eth0", "{GUID}"
    QString humanName; // "Wi-Fi", "vEthernet (WSL)"
    bool up = false;
    bool running = false;
    bool loopback = false;
    QStringList addresses; // IPv4, dotted
};

// The addresses a phone in the hall can reach the program at, best first: IPv4 on interfaces that are up and
// running, not loopback, not link-local (169.254), not a virtual machine's, container's or VPN's adapter (by name);
// the address the system routes by comes first, then private addresses (a hall's Wi-Fi, the PC's own hotspot), then
// the rest.
QStringList viewerAddresses(const QList<InterfaceFacts> &interfaces, const QString &routedAddress);

// "http://192.168.1.20:8787/".
QString viewerPageAddress(const QString &address, quint16 port);

} // namespace Dovrel
