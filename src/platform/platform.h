#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <optional>

class QWidget;

namespace Dovrel {

// Buttons and icon of a message box; the answer is the button pressed.
enum class MessageButtons { Ok, OkCancel };
enum class MessageIcon { None, Question, Information, Warning, Critical };
enum class MessageAnswer { Ok, Cancel };

struct MessageRequest
{
    QString text;
    QString title;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
};

// An open or save file dialog. `filter` is in the "description|pattern|description|pattern" form; `filterIndex`
// counts from 1 as the common dialogs do.
struct FileDialogRequest
{
    QString title;
    QString filter;
    int filterIndex = 1;
    QString initialFile;
    // Added by a save dialog to a name typed without an extension ("txt").
    QString defaultSuffix;
};

// Everything that would block or leave the process goes through here, so that tests can script it.
class Platform
{
public:
    virtual ~Platform() = default;

    // Sound.
    virtual int soundDeviceCount() = 0;
    // Starts the wave file and returns at once; a sound still playing is replaced; a missing file plays nothing.
    virtual void playSound(const QString &path) = 0;

    // Dialogs; `parent` may be null. A cancelled dialog gives no value.
    virtual MessageAnswer showMessage(QWidget *parent, const MessageRequest &request) = 0;
    virtual std::optional<QString> openFileName(QWidget *parent, const FileDialogRequest &request) = 0;
    virtual std::optional<QString> saveFileName(QWidget *parent, const FileDialogRequest &request) = 0;
    virtual std::optional<QFont> chooseFont(QWidget *parent, const QFont &initial) = 0;
    virtual std::optional<QColor> chooseColour(QWidget *parent, const QColor &initial) = 0;

    // The system.
    virtual void setClipboardText(const QString &text) = 0;
    virtual bool openUrl(const QString &url) = 0;
    // Opens the help file in the system's help viewer or, where there is none, the same help as web pages
    // (`helpPages`, an index.html) in the default browser; false when neither could be opened.
    virtual bool openHelp(const QString &helpFile, const QString &helpPages) = 0;
    // Holds off the screensaver and display power saving while on. Repeating a state changes nothing, and a
    // system without such a service is left alone without a word.
    virtual void keepDisplayAwake(bool on) = 0;

    // Milliseconds on a monotonic clock, the reference the countdown schedules against.
    virtual qint64 monotonicMs() = 0;
};

} // namespace Dovrel
