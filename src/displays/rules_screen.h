#pragma once

#include "displays/styling.h"
#include "shell/screen.h"

class QAction;
class QMenu;
class QPlainTextEdit;
class QTimer;

namespace Dovrel {

// The rules text screen: the imported rules in one large editable text box, styled from its menu while open.
class RulesScreen final : public Screen
{
    Q_OBJECT

public:
    static constexpr char ScreenName[] = "Form10";

    explicit RulesScreen(Application &app);
    void load() override;

    // The rules shown, replacing any shown before.
    void setRules(const QString &text);

private:
    QPlainTextEdit *Text1 = nullptr;
    QTimer *Timer1 = nullptr; // caption

    QMenu *menu = nullptr;
    QAction *font = nullptr;
    QAction *color = nullptr;
    QAction *bc = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void chooseTextFont();
    void chooseTextColour();
    void chooseTextBackColour();

private:
    void createMenu();

    StylingCommands m_styling;
};

} // namespace Dovrel
