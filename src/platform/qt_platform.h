#pragma once

#include "platform/platform.h"

#include <QElapsedTimer>

#include <memory>
#include <optional>

class QDBusPendingCallWatcher;
class QFileDialog;
class QObject;
class QSoundEffect;

namespace Dovrel {

// The real platform: Qt Multimedia, Qt's dialogs, the system clipboard and desktop services.
class QtPlatform : public Platform
{
public:
    QtPlatform();
    ~QtPlatform() override;

    int soundDeviceCount() override;
    void playSound(const QString &path) override;

    MessageAnswer showMessage(QWidget *parent, const MessageRequest &request) override;
    std::optional<QString> openFileName(QWidget *parent, const FileDialogRequest &request) override;
    std::optional<QString> saveFileName(QWidget *parent, const FileDialogRequest &request) override;
    std::optional<QFont> chooseFont(QWidget *parent, const QFont &initial) override;
    std::optional<QColor> chooseColour(QWidget *parent, const QColor &initial) override;

    void setClipboardText(const QString &text) override;
    bool openUrl(const QString &url) override;
    bool openHelp(const QString &helpFile, const QString &helpPages) override;
    // Windows: the thread's execution state. Linux: org.freedesktop.ScreenSaver on the session bus, asked
    // without waiting, so a slow or missing service never holds up a screen.
    void keepDisplayAwake(bool on) override;

    qint64 monotonicMs() override;

private:
    void inhibitScreenSaver();
    void releaseScreenSaver();

    QSoundEffect *m_sound = nullptr;
    QElapsedTimer m_clock;
    bool m_displayAwake = false;
    // The desktop's token for the hold, once it has answered, and the hold's call while it is on its way.
    std::optional<uint> m_inhibitCookie;
    QDBusPendingCallWatcher *m_inhibitCall = nullptr;
    // Owns the watchers of the calls on their way, so none outlives the platform.
    std::unique_ptr<QObject> m_calls;
};

// Qt's own file dialog shows sizes and dates in the system's locale; this shows them in the program's (QLocale()).
void showFileDetailsInProgramLocale(QFileDialog &dialog);

// "描述|模式|描述|模式" as Qt's name filters ("描述 (模式)").
QStringList qtNameFilters(const QString &filter);

} // namespace Dovrel
