#include "displays/styling.h"

#include "core/settings_files.h"
#include "platform/platform.h"
#include "shell/application.h"
#include "shell/controls.h"
#include "shell/menus.h"
#include "shell/screen.h"
#include "shell/system_colour.h"
#include "shell/text_scale.h"

#include <QAction>
#include <QEvent>
#include <QImage>
#include <QLabel>
#include <QPainter>

#include <utility>

namespace Dovrel {

namespace {

// The largest size the system's font dialog offers; anything above it in a file is taken for a typing slip.
constexpr double LargestFontSize = 1638;

const QString SurfacePictureName = QStringLiteral("dovrelSurfacePicture");

// Paints a surface's picture after its background colour and before its children, at natural size from the top
// left corner: a palette brush would tile it, a child widget would take the surface's mouse presses.
class SurfacePicture final : public QObject
{
public:
    SurfacePicture(QWidget *surface, const QPixmap &pixmap) : QObject(surface), m_pixmap(pixmap)
    {
        setObjectName(SurfacePictureName);
        surface->installEventFilter(this);
    }

    const QPixmap &pixmap() const
    {
        return m_pixmap;
    }

    void setPixmap(const QPixmap &pixmap)
    {
        m_pixmap = pixmap;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched == parent()) {
            QPainter painter(static_cast<QWidget *>(watched));
            painter.drawPixmap(0, 0, m_pixmap);
        }
        return false;
    }

private:
    QPixmap m_pixmap;
};

SurfacePicture *surfacePicture(const QWidget *surface)
{
    return dynamic_cast<SurfacePicture *>(
        surface->findChild<QObject *>(SurfacePictureName, Qt::FindDirectChildrenOnly));
}

void setPicture(QWidget *target, const QPixmap &pixmap)
{
    if (auto *label = qobject_cast<QLabel *>(target)) {
        label->setPixmap(pixmap);
        return;
    }
    SurfacePicture *current = surfacePicture(target);
    if (pixmap.isNull())
        delete current;
    else if (current)
        current->setPixmap(pixmap);
    else
        new SurfacePicture(target, pixmap);
    target->update();
}

// The target's font name and size, or its text colour, taken into its stored style after a styling command.
void storeFont(TextStyle &style, const QWidget *target)
{
    const QFont font = designFontOf(target);
    style.fontName = font.family();
    style.fontSize = font.pointSizeF();
}

void storeTextColour(TextStyle &style, const QWidget *target)
{
    style.colour = static_cast<qint32>(colourValue(textColour(target)));
}

} // namespace

void addPictureMenu(QMenu *parent, StylingCommands &styling, Screen *screen, const QString &separatorName)
{
    QMenu *pictures = addSubmenu(parent, QStringLiteral("bj"), QStringLiteral("背景桌面"));
    for (int number = 1; number <= 5; ++number) {
        QAction *entry = addEntry(pictures, QStringLiteral("bj%1").arg(number), QStringLiteral("背景%1").arg(number));
        QObject::connect(entry, &QAction::triggered, screen,
                         [&styling, screen, number] { styling.stockBackground(screen, number); });
    }
    addSeparator(pictures, separatorName);
    QAction *custom = addEntry(pictures, QStringLiteral("zdy"), QStringLiteral("自定义背景"));
    QObject::connect(custom, &QAction::triggered, screen, [&styling, screen] { styling.customBackground(screen); });
}

PictureFilter jpegPictureFilter()
{
    return {QStringLiteral("JPG文件(.JPG)|*.JPG"), 1};
}

PictureFilter bitmapOrJpegPictureFilter()
{
    return {QStringLiteral("位图文件(*.bmp)|*.bmp|JPG文件(*.jpg)|*.jpg|"), 2};
}

QPixmap picture(const QWidget *target)
{
    if (auto *label = qobject_cast<const QLabel *>(target))
        return label->pixmap();
    const SurfacePicture *current = surfacePicture(target);
    return current ? current->pixmap() : QPixmap();
}

bool hasPicture(const QWidget *target)
{
    return !picture(target).isNull();
}

StylingCommands::StylingCommands(Screen &screen, PictureFilter filter) : m_screen(screen), m_filter(std::move(filter))
{
}

bool StylingCommands::loadPicture(QWidget *target, const QString &fileName)
{
    // Read through QImage so that a file replaced on disk is read again rather than taken from the pixmap cache.
    QImage image;
    if (fileName.isEmpty() || !image.load(fileName))
        return false;
    setPicture(target, QPixmap::fromImage(image));
    return true;
}

bool StylingCommands::stockBackground(QWidget *target, int number)
{
    // A missing or unreadable stock picture keeps the current one, silently: the display in front of the hall
    // stays as it was and the timekeeper can pick another.
    return loadPicture(target, m_screen.app().paths().dataPath(QStringLiteral("background\\p%1.jpg").arg(number)));
}

bool StylingCommands::noBackground(QWidget *target)
{
    if (!hasPicture(target))
        return false;
    setPicture(target, QPixmap());
    return true;
}

bool StylingCommands::customBackground(QWidget *target)
{
    FileDialogRequest request;
    request.filter = m_filter.filter;
    request.filterIndex = m_filter.index;
    request.initialFile = m_lastFileName;
    const std::optional<QString> chosen = m_screen.app().platform().openFileName(&m_screen, request);
    // A cancelled dialog keeps the current picture rather than clearing it.
    if (!chosen)
        return false;
    m_lastFileName = *chosen;
    return loadPicture(target, *chosen);
}

bool StylingCommands::chooseFont(QWidget *target)
{
    // The first dialog on a screen starts from the target's own font; later ones from the font last chosen here.
    const QFont initial = m_lastFont.value_or(designFontOf(target));
    const std::optional<QFont> chosen = m_screen.app().platform().chooseFont(&m_screen, initial);
    // A cancelled dialog keeps the current font.
    if (!chosen)
        return false;
    m_lastFont = *chosen;
    // Only the name and the size are taken over; the target keeps its own weight, slant and effects.
    QFont font = designFontOf(target);
    font.setFamily(chosen->family());
    if (chosen->pointSizeF() > 0)
        font.setPointSizeF(chosen->pointSizeF());
    setDesignFont(target, font);
    return true;
}

std::optional<QColor> StylingCommands::askColour()
{
    const std::optional<QColor> chosen = m_screen.app().platform().chooseColour(&m_screen, m_lastColour);
    // A cancelled dialog keeps the current colour.
    if (!chosen || !chosen->isValid())
        return std::nullopt;
    m_lastColour = *chosen;
    return chosen;
}

bool StylingCommands::chooseTextColour(QWidget *target)
{
    const std::optional<QColor> colour = askColour();
    if (colour)
        setTextColour(target, *colour);
    return colour.has_value();
}

bool StylingCommands::chooseBackColour(QWidget *target)
{
    const std::optional<QColor> colour = askColour();
    if (colour)
        setBackColour(target, *colour);
    return colour.has_value();
}

void StylingCommands::styleFont(QWidget *target, TextStyle &style)
{
    if (chooseFont(target))
        storeFont(style, target);
}

void StylingCommands::styleTextColour(QWidget *target, TextStyle &style)
{
    if (chooseTextColour(target))
        storeTextColour(style, target);
}

void StylingCommands::styleBackColour(QWidget *surface, std::optional<qint32> &colour)
{
    if (chooseBackColour(surface))
        colour = static_cast<qint32>(colourValue(backColour(surface)));
}

QString StylingCommands::lastFileName() const
{
    return m_lastFileName;
}

void applyStoredStyle(QWidget *target, TextStyle &style)
{
    QFont font = designFontOf(target);
    if (style.fontName.isEmpty())
        style.fontName = font.family();
    if (!style.fontSize || !(*style.fontSize > 0 && *style.fontSize <= LargestFontSize))
        style.fontSize = font.pointSizeF();
    if (!style.colour)
        style.colour = static_cast<qint32>(colourValue(textColour(target)));
    font.setFamily(style.fontName);
    font.setPointSizeF(*style.fontSize);
    setDesignFont(target, font);
    setTextColour(target, storedColour(*style.colour));
}

void applyStoredBackground(QWidget *surface, std::optional<qint32> &colour)
{
    if (!colour)
        colour = static_cast<qint32>(colourValue(backColour(surface)));
    setBackColour(surface, storedColour(*colour));
}

} // namespace Dovrel
