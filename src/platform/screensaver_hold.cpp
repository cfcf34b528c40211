#include "platform/display_hold.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QObject>

#include <optional>

namespace Dovrel {

namespace {

const QString ScreenSaverService = QStringLiteral("org.freedesktop.ScreenSaver");
const QString ScreenSaverPath = QStringLiteral("/org/freedesktop/ScreenSaver");
constexpr int ScreenSaverTimeoutMs = 2000;

QDBusMessage screenSaverCall(const QString &method)
{
    return QDBusMessage::createMethodCall(ScreenSaverService, ScreenSaverPath, ScreenSaverService, method);
}

// The desktop's screensaver service on the session bus, asked without waiting, so a slow or missing service never
// holds up a screen.
class ScreenSaverHold final : public DisplayHold
{
public:
    ScreenSaverHold();
    ~ScreenSaverHold() override;

    void hold(bool on) override;

private:
    void inhibit();
    void release();

    bool m_held = false;
    // The desktop's token for the hold, once it has answered, and the hold's call while it is on its way.
    std::optional<uint> m_cookie;
    QDBusPendingCallWatcher *m_inhibitCall = nullptr;
    // Owns the watchers of the calls on their way, so none outlives the hold.
    std::unique_ptr<QObject> m_calls;
};

ScreenSaverHold::ScreenSaverHold() : m_calls(std::make_unique<QObject>()) {}

ScreenSaverHold::~ScreenSaverHold()
{
    hold(false);
    // A hold still unanswered is answered now and released; the watchers' signals are never delivered again.
    if (m_inhibitCall) {
        m_inhibitCall->QDBusPendingCall::waitForFinished();
        const QDBusPendingReply<uint> reply = *m_inhibitCall;
        m_inhibitCall = nullptr;
        if (!reply.isError()) {
            m_cookie = reply.value();
            release();
        }
    }
    // The releases must reach the desktop before the program's connection goes.
    const QList<QDBusPendingCallWatcher *> calls = m_calls->findChildren<QDBusPendingCallWatcher *>();
    for (QDBusPendingCallWatcher *call : calls)
        call->QDBusPendingCall::waitForFinished();
}

void ScreenSaverHold::hold(bool on)
{
    if (on == m_held)
        return;
    m_held = on;
    if (on)
        inhibit();
    else
        release();
}

void ScreenSaverHold::inhibit()
{
    if (m_cookie || m_inhibitCall)
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    QDBusMessage call = screenSaverCall(QStringLiteral("Inhibit"));
    call << QStringLiteral("Dovrel") << QStringLiteral("比赛计时与放映");
    m_inhibitCall = new QDBusPendingCallWatcher(bus.asyncCall(call, ScreenSaverTimeoutMs), m_calls.get());
    QObject::connect(m_inhibitCall, &QDBusPendingCallWatcher::finished, m_calls.get(),
                     [this](QDBusPendingCallWatcher *done) {
                         done->deleteLater();
                         m_inhibitCall = nullptr;
                         // No service, or one that refused: the display simply follows the desktop's own settings.
                         const QDBusPendingReply<uint> reply = *done;
                         if (reply.isError())
                             return;
                         m_cookie = reply.value();
                         // Released while the answer was on its way.
                         if (!m_held)
                             release();
                     });
}

void ScreenSaverHold::release()
{
    if (!m_cookie)
        return;
    QDBusMessage call = screenSaverCall(QStringLiteral("UnInhibit"));
    call << *m_cookie;
    m_cookie.reset();
    auto *watcher =
        new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(call, ScreenSaverTimeoutMs), m_calls.get());
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher, &QObject::deleteLater);
}

} // namespace

std::unique_ptr<DisplayHold> systemDisplayHold()
{
    return std::make_unique<ScreenSaverHold>();
}

} // namespace Dovrel
