#pragma once

#include "shell/application.h"
#include "shell/screen.h"

#include <QFont>
#include <QList>

#include <functional>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace Dovrel {

// What the three pages of the settings wizard share: the cyan page with the picture down its left side, its boxes
// showing the contest's values of its settings file, read afresh as it loads, each edit taken into those values at
// once and written back by its save button, and the buttons along the bottom that walk the wizard, save, clear and
// return to the main menu. Once the page is unloaded the values are the file's again. A page holds only what
// differs: its boxes and labels, the file they stand for and where its buttons stand.
class SettingsPage : public Screen
{
    Q_OBJECT

public:
    // Reads the page's file into the contest's values and its boxes.
    void load() override;
    // Gives the values back to the file.
    void unloading() override;

protected:
    // `file` is the page's settings file; `buttonFont` the face of its buttons, where it is not the page's own.
    SettingsPage(Application &app, PageFile file, std::optional<QFont> buttonFont);

    // The boxes in the order of the lines of the page's file.
    virtual QList<QLineEdit *> fileBoxes() const = 0;
    // The boxes the clear button empties; all of them unless a page keeps some.
    virtual QList<QLineEdit *> clearedBoxes() const;

    // The picture down the left side of the page.
    QLabel *makeSidePicture(const QString &name);

    // The buttons along the bottom, each wired to what it does.
    QPushButton *makeBackButton(const QString &name, int left, int width);
    QPushButton *makeSaveButton(const QString &name, int left, int width);
    QPushButton *makeClearButton(const QString &name, int left, int width);
    template <class Page> QPushButton *makePreviousButton(const QString &name, int left, int width)
    {
        return makeTurnButton(name, left, width, QStringLiteral("<<上一步"),
                              [this] { return static_cast<Screen *>(app().screens().screen<Page>()); });
    }
    template <class Page> QPushButton *makeNextButton(const QString &name, int left, int width)
    {
        return makeTurnButton(name, left, width, QStringLiteral("下一步>>"),
                              [this] { return static_cast<Screen *>(app().screens().screen<Page>()); });
    }

private slots:
    void saveSettings();
    void clearSettings();

private:
    QPushButton *makePageButton(const QString &name, int left, int width, const QString &caption);
    // Shows the page `page` gives in place of this one.
    QPushButton *makeTurnButton(const QString &name, int left, int width, const QString &caption,
                                std::function<Screen *()> page);

    PageFile m_file;
    std::optional<QFont> m_buttonFont;
};

} // namespace Dovrel
