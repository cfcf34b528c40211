#include "core/viewer_addresses.h"

#include <optional>

namespace Dovrel {

namespace {

// Adapters of virtual machines, containers and VPNs: a phone in the hall reaches none of them. A hotspot's adapter
// ("Microsoft Wi-Fi Direct Virtual Adapter", "Local Area Connection* 10") is not among them.
bool isVirtualAdapter(const InterfaceFacts &interface)
{
    static const QStringList Virtual = {
        QStringLiteral("virtualbox"), QStringLiteral("vboxnet"),   QStringLiteral("vmware"),
        QStringLiteral("vmnet"),      QStringLiteral("vethernet"), QStringLiteral("hyper-v"),
        QStringLiteral("wsl"),        QStringLiteral("docker"),    QStringLiteral("tap"),
        QStringLiteral("tun"),        QStringLiteral("zerotier"),  QStringLiteral("tailscale"),
        QStringLiteral("virbr"),      QStringLiteral("veth")};
    for (const QString &name : {interface.name.toLower(), interface.humanName.toLower()}) {
        for (const QString &word : Virtual) {
            if (name.startsWith(word) || name.contains(QLatin1Char(' ') + word) ||
                name.contains(QLatin1Char('(') + word))
                return true;
        }
    }
    return false;
}

// A dotted IPv4 address as a number; none for anything else.
std::optional<quint32> ipv4(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('.'));
    if (parts.size() != 4)
        return std::nullopt;
    quint32 value = 0;
    for (const QString &part : parts) {
        bool number = false;
        const uint octet = part.toUInt(&number);
        if (!number || octet > 255 || part.isEmpty() || part.size() > 3)
            return std::nullopt;
        value = value << 8 | octet;
    }
    return value;
}

bool inSubnet(quint32 address, quint32 network, int bits)
{
    const quint32 mask = bits == 0 ? 0 : ~quint32(0) << (32 - bits);
    return (address & mask) == (network & mask);
}

bool isPrivate(quint32 address)
{
    return inSubnet(address, 10u << 24, 8) || inSubnet(address, (172u << 24) | (16u << 16), 12) ||
           inSubnet(address, (192u << 24) | (168u << 16), 16);
}

} // namespace

QStringList viewerAddresses(const QList<InterfaceFacts> &interfaces, const QString &routedAddress)
{
    QStringList routed;
    QStringList privates;
    QStringList others;
    for (const InterfaceFacts &interface : interfaces) {
        if (!interface.up || !interface.running || interface.loopback || isVirtualAdapter(interface))
            continue;
        for (const QString &dotted : interface.addresses) {
            const std::optional<quint32> address = ipv4(dotted);
            if (!address || inSubnet(*address, 127u << 24, 8) || inSubnet(*address, (169u << 24) | (254u << 16), 16))
                continue;
            QStringList &list = dotted == routedAddress ? routed : isPrivate(*address) ? privates : others;
            if (!list.contains(dotted))
                list.append(dotted);
        }
    }
    return routed + privates + others;
}

QString viewerPageAddress(const QString &address, quint16 port)
{
    return QStringLiteral("http://%1:%2/").arg(address).arg(port);
}

} // namespace Dovrel
