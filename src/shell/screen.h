#pragma once

#include <QWidget>

namespace Dovrel {

class Application;

// A named top-level window with at most one instance, created and unloaded by the screen registry.
class Screen : public QWidget
{
    Q_OBJECT

public:
    Screen(Application &app, const QString &name);

    Application &app() const;

    // The load step, run once by the registry right after construction.
    virtual void load();

    // Whether the screen keeps its controls in proportion on resize.
    bool usesProportionalLayout() const;

    // Every full-size screen is designed at this client size (twips).
    static constexpr int DesignWidth = 11880;
    static constexpr int DesignHeight = 8490;

protected:
    void setDesignClientSize(int widthTwips, int heightTwips);
    void setProportionalLayout(bool on);

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
};

} // namespace Dovrel
