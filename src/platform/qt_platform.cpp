#include "platform/qt_platform.h"

#include "platform/display_hold.h"
#include "platform/help_viewer.h"
#include "platform/sound_output.h"

#include <QAbstractButton>
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
#include <QMessageBox>
#include <QScreen>
#include <QUrl>

#include <utility>

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

void fillMessageBox(QMessageBox &box, const MessageRequest &request)
{
    box.setWindowTitle(request.title);
    box.setText(request.text);
    box.setIcon(toQtIcon(request.icon));
    if (request.buttons == MessageButtons::OkCancel) {
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.button(QMessageBox::Cancel)->setText(QStringLiteral("取消"));
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
}

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
    if (!request.initialFolder.isEmpty())
        dialog.setDirectory(request.initialFolder);
    if (!request.initialFile.isEmpty())
        dialog.selectFile(request.initialFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

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

QtPlatform::QtPlatform() : m_sound(systemSoundOutput()), m_display(systemDisplayHold())
{
    m_clock.start();
}

QtPlatform::~QtPlatform() = default;

int QtPlatform::soundDeviceCount()
{
    return m_sound->deviceCount();
}

bool QtPlatform::soundOutputOpens()
{
    return m_sound->outputOpens();
}

SoundStart QtPlatform::playSound(const QString &path)
{
    return m_sound->play(path);
}

MessageAnswer QtPlatform::showMessage(QWidget *parent, const MessageRequest &request)
{
    QMessageBox box(parent);
    fillMessageBox(box, request);
    return box.exec() == QMessageBox::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

void QtPlatform::showNotice(QWidget *parent, const MessageRequest &request)
{
    m_notices.removeAll(nullptr);
    for (const QPointer<QMessageBox> &open : std::as_const(m_notices)) {
        if (open->parentWidget() == parent && open->text() == request.text && open->windowTitle() == request.title) {
            open->raise();
            return;
        }
    }
    // Owned by its parent window, so it goes when that window is unloaded, or when it is closed.
    auto *box = new QMessageBox(parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    // The window in front keeps the keyboard: a clock's keys still reach the clock.
    box->setAttribute(Qt::WA_ShowWithoutActivating);
    box->setWindowModality(Qt::NonModal);
    fillMessageBox(*box, request);
    if (QScreen *display = request.display) {
        box->setScreen(display);
        box->adjustSize();
        box->move(display->availableGeometry().center() - box->rect().center());
    }
    box->show();
    m_notices.append(box);
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
    m_display->hold(on);
}

qint64 QtPlatform::monotonicMs()
{
    return m_clock.elapsed();
}

} // namespace Dovrel
