#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <optional>

class QScreen;
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
    // Where a message that does not wait is shown; over its parent when none is given.
    QScreen *display = nullptr;
};

// What became of a sound asked for: playing, nothing to play (the file is missing or unreadable), or a file the
// system's sound output refused.
enum class SoundStart { Playing, FileMissing, Failed };

// An open or save file dialog. `filter` is in the "description|pattern|description|pattern" form; `filterIndex`
// counts from 1 as the common dialogs do.
struct FileDialogRequest
{
    QString title;
    QString filter;
    int filterIndex = 1;
    QString initialFile;
    // The folder the dialog opens in when no initial file names one.
    QString initialFolder;
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
    // Whether the system's sound output opens now: a device can be listed and still not play (its sound server
    // stopped, the device taken away).
    virtual bool soundOutputOpens() = 0;
    // Starts the wave file and returns at once; a sound still playing is replaced; a missing file plays nothing.
    virtual SoundStart playSound(const QString &path) = 0;

    // Dialogs; `parent` may be null. A cancelled dialog gives no value.
    virtual MessageAnswer showMessage(QWidget *parent, const MessageRequest &request) = 0;
    // A message with an OK button that does not wait: the caller goes on at once and the box stays until it is
    // closed. It does not take the keyboard from the window in front, and the same message still open is raised
    // rather than shown twice.
    virtual void showNotice(QWidget *parent, const MessageRequest &request) = 0;
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
