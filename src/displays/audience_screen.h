#pragma once

#include "core/settings_files.h"
#include "displays/styling.h"
#include "shell/screen.h"

class QLabel;
class QMenu;
class QTimer;

namespace Dovrel {

// The audience questions and guest comments screen: one large heading and the time elapsed since it was first
// opened in this run. The heading's font and colour and the background colour are kept in ViwerSet.ini.
class AudienceScreen final : public Screen
{
    Q_OBJECT

public:
    static constexpr char ScreenName[] = "Form20";

    struct Variables
    {
        // Runs on across closing and reopening for the whole run.
        qint16 elapsedSeconds = 0;
    };

    explicit AudienceScreen(Application &app);
    void load() override;

    // The styling as it will be written on close.
    const AudienceStyle &audienceStyle() const;
    int elapsedSeconds() const;
    // The large heading: audience questions, or guest comments.
    void setHeading(const QString &heading);

private:
    QLabel *Label1 = nullptr; // heading
    QLabel *Label2 = nullptr; // elapsed time
    QTimer *Timer2 = nullptr; // elapsed time
    QMenu *menu = nullptr;

protected:
    void closing() override;
    void mousePressEvent(QMouseEvent *event) override;

private slots:
    void countSecond();

private:
    void createMenu();
    Variables &variables() const;

    StylingCommands m_styling;
    AudienceStyle m_style;
};

} // namespace Dovrel
