#pragma once

#include "shell/colours.h"

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QString>

#include <optional>

class QMenu;
class QWidget;

namespace Dovrel {

class Screen;
struct TextStyle;

// The file types offered by a custom-background dialog and the entry preselected in it (counted from 1).
struct PictureFilter
{
    QString filter;
    int index = 1;
};

// JPEG pictures only; the title and audience screens use it.
PictureFilter jpegPictureFilter();
// Bitmaps, then JPEG pictures, with the JPEG entry preselected; the main menu uses it.
PictureFilter bitmapOrJpegPictureFilter();

// A picture target is either a picture control (a QLabel, which shows the picture as its pixmap, stretched when it
// scales its contents) or any other widget, a surface, which shows the picture at natural size from its top left
// corner over its background colour, under its child controls.
bool hasPicture(const QWidget *target);
QPixmap picture(const QWidget *target);

// The background, font and colour commands of one screen. It stands for the screen's one common-dialog component,
// so the dialogs start from the values last chosen on this screen.
class StylingCommands final
{
public:
    explicit StylingCommands(Screen &screen, PictureFilter filter = jpegPictureFilter());

    // Each command returns whether it changed the target.
    bool stockBackground(QWidget *target, int number);
    bool noBackground(QWidget *target);
    bool customBackground(QWidget *target);
    bool chooseFont(QWidget *target);
    bool chooseTextColour(QWidget *target);
    bool chooseBackColour(QWidget *target);

    // The same commands on a styled screen, each taking what it changed into the style its settings file keeps.
    void styleFont(QWidget *target, TextStyle &style);
    void styleTextColour(QWidget *target, TextStyle &style);
    void styleBackColour(QWidget *surface, std::optional<qint32> &colour);

    // Shows `fileName` on the target; a file that cannot be read leaves the target's picture as it was.
    static bool loadPicture(QWidget *target, const QString &fileName);

    QString lastFileName() const;

private:
    std::optional<QColor> askColour();

    Screen &m_screen;
    PictureFilter m_filter;
    QString m_lastFileName;
    std::optional<QFont> m_lastFont;
    // The colour dialog starts at black until a colour has been chosen on this screen.
    QColor m_lastColour = Colours::Black;
};

// The "背景桌面" submenu the display screens share: "背景1" … "背景5", a separator and "自定义背景", each putting its
// picture on the screen itself through the screen's styling commands.
void addPictureMenu(QMenu *parent, StylingCommands &styling, Screen *screen, const QString &separatorName);

// A styled text's stored look (the lines of a screen's settings file) and the label that shows it.
// Puts `style` on the target; what the file did not give or gave unusable (an empty font name, a size no font
// dialog offers) is taken from the target's design look instead, so that `style` then says what the target shows.
void applyStoredStyle(QWidget *target, TextStyle &style);
// A stored background colour put on a surface, or the surface's design colour taken into it when there is none.
void applyStoredBackground(QWidget *surface, std::optional<qint32> &colour);

} // namespace Dovrel
