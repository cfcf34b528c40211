#include "support/scripted_platform.h"

namespace Dovrel::Testing {

namespace {
template <class T> std::optional<T> takeFirst(QList<std::optional<T>> &queue)
{
    return queue.isEmpty() ? std::nullopt : queue.takeFirst();
}
} // namespace

int ScriptedPlatform::soundDeviceCount()
{
    return devices;
}

bool ScriptedPlatform::soundOutputOpens()
{
    return devices > 0 && outputOpens;
}

SoundStart ScriptedPlatform::playSound(const QString &path)
{
    sounds.append(path);
    return soundAnswers.isEmpty() ? SoundStart::Playing : soundAnswers.takeFirst();
}

MessageAnswer ScriptedPlatform::showMessage(QWidget *, const MessageRequest &request)
{
    messages.append(request);
    nowMs += messageOpenMs;
    return messageAnswers.isEmpty() ? MessageAnswer::Ok : messageAnswers.takeFirst();
}

void ScriptedPlatform::showNotice(QWidget *, const MessageRequest &request)
{
    messages.append(request);
    notices.append(request);
}

std::optional<QString> ScriptedPlatform::openFileName(QWidget *, const FileDialogRequest &request)
{
    openRequests.append(request);
    return takeFirst(openAnswers);
}

std::optional<QString> ScriptedPlatform::saveFileName(QWidget *, const FileDialogRequest &request)
{
    saveRequests.append(request);
    return takeFirst(saveAnswers);
}

std::optional<QFont> ScriptedPlatform::chooseFont(QWidget *, const QFont &initial)
{
    fontRequests.append(initial);
    return takeFirst(fontAnswers);
}

std::optional<QColor> ScriptedPlatform::chooseColour(QWidget *, const QColor &initial)
{
    colourRequests.append(initial);
    return takeFirst(colourAnswers);
}

void ScriptedPlatform::setClipboardText(const QString &text)
{
    clipboard = text;
}

bool ScriptedPlatform::openUrl(const QString &url)
{
    urls.append(url);
    return openUrlSucceeds;
}

bool ScriptedPlatform::openHelp(const QString &helpFile, const QString &pages)
{
    helpFiles.append(helpFile);
    helpPages.append(pages);
    return helpAnswers.isEmpty() ? true : helpAnswers.takeFirst();
}

void ScriptedPlatform::keepDisplayAwake(bool on)
{
    displayAwakeCalls.append(on);
    displayAwake = on;
}

qint64 ScriptedPlatform::monotonicMs()
{
    return nowMs;
}

QStringList ScriptedPlatform::messageTexts() const
{
    QStringList texts;
    for (const MessageRequest &request : messages)
        texts.append(request.text);
    return texts;
}

} // namespace Dovrel::Testing
