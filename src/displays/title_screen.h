#pragma once

#include "core/settings_files.h"
#include "displays/styling.h"
#include "shell/screen.h"

#include <QList>

class QLabel;
class QMenu;

namespace Dovrel {

// The contest title screen: the contest name and the organiser in two styled zones. In design use five buttons
// style the zones and a reminder scrolls across the top; the main menu hides both for presentation. The zones'
// fonts and colours and the background colour are kept in NameSet.ini from one opening to the next.
class TitleScreen final : public Screen
{
    Q_OBJECT

public:
    static constexpr char ScreenName[] = "Form13";

    explicit TitleScreen(Application &app);
    void load() override;

    // The styling as it will be written on close.
    const TitleStyle &titleStyle() const;

    // For the hall the reminder and the styling buttons are hidden; in design use they show.
    void presentForHall();
    void presentForDesign();

private:
    QLabel *Label1 = nullptr; // zone one: the contest name
    QLabel *Label2 = nullptr; // zone two: the organiser
    QLabel *Label3 = nullptr; // the scrolling reminder
    QMenu *menu = nullptr;
    // The reminder and the styling buttons.
    QList<QWidget *> m_designControls;

protected:
    void closing() override;
    void resized() override;
    void mousePressEvent(QMouseEvent *event) override;

private slots:
    void scrollNote();

private:
    StylingCommands m_styling;
    TitleStyle m_style;
    // The reminder's left edge in twips: a step is less than a pixel, so the pixel position cannot hold it.
    int m_noteLeft = 0;
};

} // namespace Dovrel
