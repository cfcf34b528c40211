#pragma once

#include "server/hall_server.h"

#include <QObject>
#include <QStringList>
#include <QTimer>

namespace Dovrel {

class Application;

// The phones' viewers of the program: the server, listening only while the timekeeper has it on (from start-up when
// it was on at the last run), fed with the hall's state as it changes and the contest's details.
class ViewerService final : public QObject
{
    Q_OBJECT

public:
    explicit ViewerService(Application &app);

    bool enabled() const;
    // Turns the server on or off and remembers the choice; false when it could not listen (error() says why).
    bool setEnabled(bool on);
    QString error() const;
    quint16 port() const;

    // The addresses a phone in the hall may reach the program at, best first, as the system has them now (asking
    // the system takes a moment: ask once and pass them on).
    QStringList addresses() const;
    // Of those offered, the one the timekeeper chose while it is there, or else the best; empty without any.
    QString address(const QStringList &offered) const;
    void chooseAddress(const QString &address);
    // "http://<address>:<port>/"; empty without an address.
    QString pageAddress(const QString &address) const;

    int viewerCount() const;
    HallServer &server();

signals:
    void viewerCountChanged(int viewers);

private:
    QByteArray stateMessage() const;

    Application &m_app;
    HallServer m_server;
    QTimer m_detailsChanged;
    bool m_publishing = false;
};

// The viewer service of the program, made on first use; it lasts the run.
ViewerService &viewerService(Application &app);

// Starts the viewers' server at start-up when the timekeeper had it on.
void startViewersIfChosen(Application &app);

} // namespace Dovrel
