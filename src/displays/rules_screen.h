#pragma once

#include "displays/styling.h"
#include "shell/screen.h"

class QMenu;
class QPlainTextEdit;

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

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createMenu();

    QPlainTextEdit *Text1 = nullptr;
    QMenu *menu = nullptr;
    StylingCommands m_styling;
};

} // namespace Dovrel
