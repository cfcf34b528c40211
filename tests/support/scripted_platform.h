#pragma once

#include "platform/platform.h"

#include <QList>
#include <QStringList>

namespace Dovrel::Testing {

// A platform that records every call and answers from queues; an empty queue gives the default answer
// (OK for messages, cancel for dialogs).
class ScriptedPlatform : public Platform
{
public:
    int soundDeviceCount() override;
    bool soundOutputOpens() override;
    SoundStart playSound(const QString &path) override;

    MessageAnswer showMessage(QWidget *parent, const MessageRequest &request) override;
    void showNotice(QWidget *parent, const MessageRequest &request) override;
    std::optional<QString> openFileName(QWidget *parent, const FileDialogRequest &request) override;
    std::optional<QString> saveFileName(QWidget *parent, const FileDialogRequest &request) override;
    std::optional<QFont> chooseFont(QWidget *parent, const QFont &initial) override;
    std::optional<QColor> chooseColour(QWidget *parent, const QColor &initial) override;

    void setClipboardText(const QString &text) override;
    bool openUrl(const QString &url) override;
    bool openHelp(const QString &helpFile, const QString &helpPages) override;
    void keepDisplayAwake(bool on) override;

    qint64 monotonicMs() override;

    // Script.
    int devices = 1;
    // Whether the listed devices can be opened, and what each sound started comes to (playing when empty).
    bool outputOpens = true;
    QList<SoundStart> soundAnswers;
    qint64 nowMs = 0;
    // How long a message that waits is kept open: the monotonic clock runs on by this much while it waits.
    qint64 messageOpenMs = 0;
    QList<MessageAnswer> messageAnswers;
    QList<std::optional<QString>> openAnswers;
    QList<std::optional<QString>> saveAnswers;
    QList<std::optional<QFont>> fontAnswers;
    QList<std::optional<QColor>> colourAnswers;
    // Whether the system could open the help; an empty queue opens it.
    QList<bool> helpAnswers;
    // Whether opening a web address succeeds (false: no browser could be started).
    bool openUrlSucceeds = true;

    // Record.
    QStringList sounds;
    // Every message, those that wait and those that do not; the latter also in `notices`.
    QList<MessageRequest> messages;
    QList<MessageRequest> notices;
    QList<FileDialogRequest> openRequests;
    QList<FileDialogRequest> saveRequests;
    QList<QFont> fontRequests;
    QList<QColor> colourRequests;
    QString clipboard;
    QStringList urls;
    QStringList helpFiles;
    QStringList helpPages;
    // Every keepDisplayAwake call in order, and the state the last one left.
    QList<bool> displayAwakeCalls;
    bool displayAwake = false;

    QStringList messageTexts() const;
};

} // namespace Dovrel::Testing
