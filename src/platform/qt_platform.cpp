#include "platform/qt_platform.h"

#include <QAbstractButton>
#include <QAudioDevice>
#include <QClipboard>
#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QFontDialog>
#include <QGuiApplication>
#include <QIdentityProxyModel>
#include <QLocale>
#include <QMediaDevices>
#include <QMessageBox>
#include <QProcess>
#include <QSoundEffect>
#include <QStandardPaths>
#include <QUrl>

#if defined(Q_OS_WIN)
#include <windows.h>
#elif defined(DOVREL_HAVE_DBUS)
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#endif

namespace Dovrel {

namespace {

QMessageBox::Icon toQtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// Patterns are matched on case-sensitive systems too: "*.JPG" also finds "photo.jpg".
QString bothCases(const QString &patterns)
{
    QStringList result;
    for (const QString &pattern : patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        for (const QString &variant : {pattern, pattern.toLower(), pattern.toUpper()}) {
            if (!result.contains(variant))
                result.append(variant);
        }
    }
    return result.join(QLatin1Char(' '));
}

QString selectedFilter(const QStringList &filters, int index)
{
    return index >= 1 && index <= filters.size() ? filters.at(index - 1) : QString();
}

// The sizes and dates of Qt's own file dialog in the program's locale rather than the system's.
class ProgramLocaleDetails : public QIdentityProxyModel
{
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex &index, int role) const override
    {
        const auto *files = qobject_cast<const QFileSystemModel *>(sourceModel());
        if (role != Qt::DisplayRole || !files)
            return QIdentityProxyModel::data(index, role);
        const QModelIndex source = mapToSource(index);
        const QLocale locale;
        if (index.column() == SizeColumn && !files->isDir(source))
            return locale.formattedDataSize(files->size(source));
        if (index.column() == DateColumn)
            return locale.toString(files->lastModified(source), QLocale::ShortFormat);
        return QIdentityProxyModel::data(index, role);
    }

private:
    // The columns of QFileSystemModel: name, size, type, date modified.
    static constexpr int SizeColumn = 1;
    static constexpr int DateColumn = 3;
};

std::optional<QString> runFileDialog(QWidget *parent, const FileDialogRequest &request, QFileDialog::AcceptMode mode)
{
    const QStringList filters = qtNameFilters(request.filter);
    QFileDialog dialog(parent, request.title);
    showFileDetailsInProgramLocale(dialog);
    dialog.setAcceptMode(mode);
    if (mode == QFileDialog::AcceptOpen)
        dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(selectedFilter(filters, request.filterIndex));
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.initialFile.isEmpty())
        dialog.selectFile(request.initialFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)

// The desktop's own opener, xdg-open, only says whether it could start, not whether anything opened the file;
// so a file type is opened with it only where xdg-mime names an application for that type.
QString desktopHandler(const QString &mimeType)
{
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (xdgMime.isEmpty())
        return QString();
    QProcess query;
    query.start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"), mimeType});
    if (!query.waitForFinished(3000)) {
        query.kill();
        query.waitForFinished();
        return QString();
    }
    if (query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0)
        return QString();
    return QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed();
}

bool openWithDesktop(const QString &path, const QStringList &mimeTypes)
{
    const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (xdgOpen.isEmpty())
        return false;
    for (const QString &mimeType : mimeTypes) {
        if (!desktopHandler(mimeType).isEmpty())
            return QProcess::startDetached(xdgOpen, {path});
    }
    return false;
}

bool startFirstFound(const QStringList &programs, const QString &argument)
{
    for (const QString &program : programs) {
        const QString found = QStandardPaths::findExecutable(program);
        if (!found.isEmpty() && QProcess::startDetached(found, {argument}))
            return true;
    }
    return false;
}

bool openHelpViewer(const QString &helpFile)
{
    // A viewer that is installed is used directly: a fresh system often knows no handler for the type.
    if (startFirstFound({QStringLiteral("xchm"), QStringLiteral("kchmviewer"), QStringLiteral("chmsee")}, helpFile))
        return true;
    return openWithDesktop(helpFile,
                           {QStringLiteral("application/vnd.ms-htmlhelp"), QStringLiteral("application/x-chm")});
}

bool openInBrowser(const QString &page)
{
    const QString url = QUrl::fromLocalFile(page).toString();
    if (openWithDesktop(url, {QStringLiteral("text/html")}))
        return true;
    // Debian's registered default browser.
    return startFirstFound({QStringLiteral("x-www-browser")}, url);
}

#else

// The system's file associations; opening fails where no program is registered for the type.
bool openHelpViewer(const QString &helpFile)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(helpFile));
}

bool openInBrowser(const QString &page)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(page));
}

#endif

#if !defined(Q_OS_WIN) && defined(DOVREL_HAVE_DBUS)
const QString ScreenSaverService = QStringLiteral("org.freedesktop.ScreenSaver");
const QString ScreenSaverPath = QStringLiteral("/org/freedesktop/ScreenSaver");
constexpr int ScreenSaverTimeoutMs = 2000;

QDBusMessage screenSaverCall(const QString &method)
{
    return QDBusMessage::createMethodCall(ScreenSaverService, ScreenSaverPath, ScreenSaverService, method);
}
#endif

} // namespace

void showFileDetailsInProgramLocale(QFileDialog &dialog)
{
    // Qt writes them in the system's locale, which the program replaces only where it is not Chinese; a dialog of
    // the desktop's own is left to the desktop.
    if (QLocale() != QLocale::system())
        dialog.setProxyModel(new ProgramLocaleDetails(&dialog));
}

QStringList qtNameFilters(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters.append(parts.at(i) + QStringLiteral(" (") + bothCases(parts.at(i + 1)) + QLatin1Char(')'));
    return filters;
}

QtPlatform::QtPlatform() : m_calls(std::make_unique<QObject>())
{
    m_clock.start();
}

QtPlatform::~QtPlatform()
{
    keepDisplayAwake(false);
#if !defined(Q_OS_WIN) && defined(DOVREL_HAVE_DBUS)
    // A hold still unanswered is answered now and released; the watchers' signals are never delivered again.
    if (m_inhibitCall) {
        m_inhibitCall->QDBusPendingCall::waitForFinished();
        const QDBusPendingReply<uint> reply = *m_inhibitCall;
        m_inhibitCall = nullptr;
        if (!reply.isError()) {
            m_inhibitCookie = reply.value();
            releaseScreenSaver();
        }
    }
    // The releases must reach the desktop before the program's connection goes.
    const QList<QDBusPendingCallWatcher *> calls = m_calls->findChildren<QDBusPendingCallWatcher *>();
    for (QDBusPendingCallWatcher *call : calls)
        call->QDBusPendingCall::waitForFinished();
#endif
    delete m_sound;
}

int QtPlatform::soundDeviceCount()
{
    return static_cast<int>(QMediaDevices::audioOutputs().size());
}

void QtPlatform::playSound(const QString &path)
{
    if (!m_sound)
        m_sound = new QSoundEffect;
    m_sound->stop();
    if (!QFileInfo(path).isFile()) {
        m_sound->setSource(QUrl());
        return;
    }
    // Setting the same source again would not restart a sound still playing, so it is reset first.
    m_sound->setSource(QUrl());
    m_sound->setSource(QUrl::fromLocalFile(path));
    m_sound->play();
}

MessageAnswer QtPlatform::showMessage(QWidget *parent, const MessageRequest &request)
{
    QMessageBox box(parent);
    box.setWindowTitle(request.title);
    box.setText(request.text);
    box.setIcon(toQtIcon(request.icon));
    if (request.buttons == MessageButtons::OkCancel) {
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
        box.button(QMessageBox::Cancel)->setText(QStringLiteral("取消"));
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    }
    return box.exec() == QMessageBox::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

std::optional<QString> QtPlatform::openFileName(QWidget *parent, const FileDialogRequest &request)
{
    return runFileDialog(parent, request, QFileDialog::AcceptOpen);
}

std::optional<QString> QtPlatform::saveFileName(QWidget *parent, const FileDialogRequest &request)
{
    return runFileDialog(parent, request, QFileDialog::AcceptSave);
}

std::optional<QFont> QtPlatform::chooseFont(QWidget *parent, const QFont &initial)
{
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, initial, parent);
    if (!ok)
        return std::nullopt;
    return font;
}

std::optional<QColor> QtPlatform::chooseColour(QWidget *parent, const QColor &initial)
{
    const QColor colour = QColorDialog::getColor(initial, parent);
    if (!colour.isValid())
        return std::nullopt;
    return colour;
}

void QtPlatform::setClipboardText(const QString &text)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
}

bool QtPlatform::openUrl(const QString &url)
{
    return QDesktopServices::openUrl(QUrl(url));
}

bool QtPlatform::openHelp(const QString &helpFile, const QString &helpPages)
{
    if (QFileInfo(helpFile).isFile() && openHelpViewer(helpFile))
        return true;
    return QFileInfo(helpPages).isFile() && openInBrowser(helpPages);
}

void QtPlatform::keepDisplayAwake(bool on)
{
    if (on == m_displayAwake)
        return;
    m_displayAwake = on;
#if defined(Q_OS_WIN)
    // ES_CONTINUOUS alone clears the requirement again.
    SetThreadExecutionState(on ? ES_CONTINUOUS | ES_DISPLAY_REQUIRED | ES_SYSTEM_REQUIRED : ES_CONTINUOUS);
#else
    if (on)
        inhibitScreenSaver();
    else
        releaseScreenSaver();
#endif
}

void QtPlatform::inhibitScreenSaver()
{
#if !defined(Q_OS_WIN) && defined(DOVREL_HAVE_DBUS)
    if (m_inhibitCookie || m_inhibitCall)
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
                         m_inhibitCookie = reply.value();
                         // Released while the answer was on its way.
                         if (!m_displayAwake)
                             releaseScreenSaver();
                     });
#endif
}

void QtPlatform::releaseScreenSaver()
{
#if !defined(Q_OS_WIN) && defined(DOVREL_HAVE_DBUS)
    if (!m_inhibitCookie)
        return;
    QDBusMessage call = screenSaverCall(QStringLiteral("UnInhibit"));
    call << *m_inhibitCookie;
    m_inhibitCookie.reset();
    auto *watcher =
        new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(call, ScreenSaverTimeoutMs), m_calls.get());
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher, &QObject::deleteLater);
#endif
}

qint64 QtPlatform::monotonicMs()
{
    return m_clock.elapsed();
}

} // namespace Dovrel
