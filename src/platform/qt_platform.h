#pragma once

#include "platform/platform.h"

#include <QElapsedTimer>

#include <QList>
#include <QPointer>

#include <memory>
#include <optional>

class QFileDialog;
class QMessageBox;

namespace Dovrel {

class DisplayHold;
class SoundOutput;

// The real platform: Qt's dialogs, the system clipboard and desktop services, and the system's own sound service,
// display hold and help viewer.
class QtPlatform : public Platform
{
public:
    QtPlatform();
    ~QtPlatform() override;

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

private:
    std::unique_ptr<SoundOutput> m_sound;
    std::unique_ptr<DisplayHold> m_display;
    QElapsedTimer m_clock;
    QList<QPointer<QMessageBox>> m_notices;
};

// Qt's own file dialog shows sizes and dates in the system's locale; this shows them in the program's (QLocale()).
void showFileDetailsInProgramLocale(QFileDialog &dialog);

// "描述|模式|描述|模式" as Qt's name filters ("描述 (模式)").
QStringList qtNameFilters(const QString &filter);

} // namespace Dovrel
