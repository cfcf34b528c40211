#pragma once

#include <QWidget>

class QTimer;

namespace Dovrel {

class Application;

// A named top-level window with at most one instance, created and unloaded by the screen registry, which gives it
// the screen name its class declares.
class Screen : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Screen)

public:
    explicit Screen(Application &app);

    Application &app() const;

    // The load step, run once by the registry right after construction.
    virtual void load();
    // Run by the registry as it unloads the screen, before the window goes.
    virtual void unloading();
    // A screen that takes the space bar gets it whichever of its controls has the focus (a clock pauses with it).
    virtual bool takesSpaceBar() const;
    virtual void spaceBar();

    // Where a screen shows and what its showing does; each screen declares its own.
    enum class Shown {
        // Where the system or the screen itself puts it.
        AsPlaced,
        // Maximised on the hall's display, which is held awake while it shows.
        HallScreen,
        // The timekeeper's hub: the first time in the middle of their display, then where they keep it; its
        // showing ends the hold on the display.
        MainMenu,
        // In the middle of the timekeeper's display each time it opens.
        Centred,
        // Over the main menu while that is up, else in the middle of the timekeeper's display.
        OverMenu,
    };
    Shown shown() const;

    // Whether the screen keeps its controls in proportion on resize.
    bool usesProportionalLayout() const;
    // Whether its text grows with its layout: a hall screen while the timekeeper wants the text to fill the hall's
    // display.
    bool scalesText() const;

    // Every full-size screen is designed at this client size (twips).
    static constexpr int DesignWidth = 11880;
    static constexpr int DesignHeight = 8490;

protected:
    void setDesignClientSize(int widthTwips, int heightTwips);
    void setProportionalLayout(bool on);

    void setShown(Shown shown);
    // The start of a full-size design: the design client size, kept in proportion on every resize, the screen's
    // colour and its controls' default font, and where it shows.
    void setUpFullSize(const QColor &colour, const QFont &font, Shown shown);
    // The caption's typing animation: a 500 ms timer named `name`, running from the start, typing the application
    // title or the given one.
    QTimer *makeCaptionTimer(const QString &name);
    QTimer *makeCaptionTimer(const QString &name, const QString &title);
    // The common start of a load step: the controls' design geometry kept for the proportional layout, and the
    // application title as the caption.
    void recordDesign();

    // What closing the window does once it was not refused; the standard close shows the main menu and unloads.
    virtual void closing();
    // Return false to refuse a close request.
    virtual bool closeRequested();
    // Runs after the proportional re-layout of every resize.
    virtual void resized();

    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    Application &m_app;
    bool m_proportionalLayout = false;
    Shown m_shown = Shown::AsPlaced;
};

} // namespace Dovrel
