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
    void playSound(const QString &path) override;

    MessageAnswer showMessage(QWidget *parent, const MessageRequest &request) override;
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
    qint64 nowMs = 0;
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
    QList<MessageRequest> messages;
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
