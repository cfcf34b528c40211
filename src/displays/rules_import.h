#pragma once

#include <QString>

namespace Dovrel {

class Screen;

// The main menu's import of the contest rules: asks for a text file and shows it on the rules screen. It stands
// for the menu's own open-file dialog, so the dialog starts at the file imported last.
class RulesImport final
{
public:
    explicit RulesImport(Screen &menu);

    void run();

    QString lastFileName() const;

private:
    void refuse(const QString &message);

    Screen &m_menu;
    QString m_lastFileName;
};

} // namespace Dovrel
